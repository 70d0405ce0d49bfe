#pragma once

// A machine of fakes with definition files, on which the program runs with a
// stored schedule, and a clock that the tests move second by second while the
// timers run.

#include <chrono>
#include <string>
#include <vector>

#include "app/app_fixture.h"
#include "app/tray.h"
#include "core/date_time_text.h"
#include "definitions/line_code.h"

namespace scheduler::testing {

// A local moment, with the day of the week that its date has.
inline platform::DateTime At(int year, int month, int day, int hour, int minute, int second) {
    return {year, month, day, hour, minute, second, core::DayOfWeek(year, month, day)};
}

class SchedulerFixture : public core::testing::AppFixture {
protected:
    SchedulerFixture() {
        SetUserSetting("Settings", "Language", "English");
        machine.dialogs.answers = {platform::MessageAnswer::No};
        machine.osVersion.info.majorVersion = 6;
        for (const char* name :
             {"FileDefinition.dat", "RegistryDefinition.dat", "ExeDefinition.dat",
              "BlockedCookies.dat", "DirectoryDefinition.dat"}) {
            machine.fileSystem.AddFile(DataFile(name), "");
        }
        // The shields' timers run passes of their own; here they stay off
        // unless a test wants them.
        SetUserSetting("OptionAndSettings", "optIEHomePageSheildOn", "False");
        SetUserSetting("OptionAndSettings", "optMemorySheildOn", "False");
        machine.clock.now = At(2026, 12, 7, 8, 0, 0);  // a Monday
    }

    void StoreSchedule(std::string_view day, std::string_view time,
                       std::string_view date = "Null") {
        SetUserSetting("OptionAndSettings", "chkAutomaticScanYesOrNo", "1");
        SetUserSetting("OptionAndSettings", "Day", day);
        SetUserSetting("OptionAndSettings", "Time", time);
        SetUserSetting("OptionAndSettings", "Date", date);
    }

    void FileDefinitions(const std::vector<std::string>& plainLines) {
        std::string text;
        for (const std::string& line : plainLines) {
            text += definitions::EncodeDefinitionLine(line) + "\r\n";
        }
        machine.fileSystem.AddFile(DataFile("FileDefinition.dat"), text);
    }

    // Starts the program; scans through the Start entry are counted from here.
    void Start() {
        StartProgram();
        machine.dialogs.shown.clear();
        std::function<void()> showScanPage = Main().cmdScan->onClick;
        Main().cmdScan->onClick = [this, showScanPage] {
            ++scansStarted;
            showScanPage();
        };
    }

    // Starts the program and sends it to the tray, where the watcher runs
    // whatever the shields do.
    void StartInTray() {
        Start();
        app::SendToTray(*app);
    }

    // The clock shows this second for the whole of it, while the event loop
    // runs the timers.
    void Live(const platform::DateTime& second) {
        machine.clock.now = second;
        machine.eventLoop.Advance(std::chrono::milliseconds(1000));
    }

    int scansStarted = 0;
};

}  // namespace scheduler::testing
