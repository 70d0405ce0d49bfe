#pragma once

// A started program on a machine of fakes, with a browser start page and a
// data folder for the memory shield, and the clock driven in shield ticks.

#include <chrono>

#include "app/app_fixture.h"
#include "definitions/line_code.h"
#include "shields/home_page_shield.h"

namespace shields::testing {

class ShieldFixture : public core::testing::AppFixture {
protected:
    static constexpr std::chrono::milliseconds kHomePageTick{5000};

    ShieldFixture() {
        SetUserSetting("Settings", "Language", "English");
        machine.dialogs.answers = {platform::MessageAnswer::No};
        machine.osVersion.info.majorVersion = 6;
        SetStartPage("http://start.example/");
    }

    void Start() {
        StartProgram();
        machine.dialogs.shown.clear();
        machine.dialogs.answers.clear();
    }

    void SetStartPage(std::string_view page) {
        machine.registry.SetString(platform::RegistryRoot::CurrentUser, kStartPageKey,
                                   kStartPageValue, page);
    }
    std::optional<std::string> StartPage() const {
        return machine.registry.String(platform::RegistryRoot::CurrentUser, kStartPageKey,
                                       kStartPageValue);
    }
    std::optional<std::string> RememberedPage() const {
        return UserSetting("OptionAndSettings", "Homepage");
    }

    void Ticks(int count) { machine.eventLoop.Advance(kHomePageTick * count); }

    // Writes the executable definitions in their coded form.
    void ExeDefinitions(const std::vector<std::string>& plainLines) {
        std::string text;
        for (const std::string& line : plainLines) {
            text += definitions::EncodeDefinitionLine(line) + "\r\n";
        }
        machine.fileSystem.AddFile(DataFile("ExeDefinition.dat"), text);
    }

    std::vector<std::string> FoundRows() const {
        std::vector<std::string> rows;
        const ui::ListView& list = *app->frmMain.lvwSpywareFound;
        for (int row = 0; row < list.ItemCount(); ++row) {
            rows.push_back(list.Item(row).text);
        }
        return rows;
    }
};

}  // namespace shields::testing
