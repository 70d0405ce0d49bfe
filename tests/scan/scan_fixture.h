#pragma once

// A started program on a machine of fakes with definition files in its data
// folder, ready to scan.

#include "app/app_fixture.h"
#include "core/definition_counts.h"
#include "definitions/line_code.h"
#include "scan/scan_run.h"

namespace scan::testing {

class ScanFixture : public core::testing::AppFixture {
protected:
    ScanFixture() {
        SetUserSetting("Settings", "Language", "English");
        machine.dialogs.answers = {platform::MessageAnswer::No};
        machine.osVersion.info.majorVersion = 6;
        for (const char* name :
             {"FileDefinition.dat", "RegistryDefinition.dat", "ExeDefinition.dat",
              "BlockedCookies.dat", "DirectoryDefinition.dat"}) {
            machine.fileSystem.AddFile(DataFile(name), "");
        }
        StartProgram();
        machine.dialogs.shown.clear();
    }

    // Writes a definition file in its coded form and recounts, as an update would.
    void Definitions(std::string_view name, const std::vector<std::string>& plainLines) {
        std::string text;
        for (const std::string& line : plainLines) {
            text += definitions::EncodeDefinitionLine(line) + "\r\n";
        }
        machine.fileSystem.AddFile(DataFile(name), text);
        app->TotalDefinitionLines =
            definitions::CountDefinitions(machine.fileSystem, app->DataFolder, app->counts);
    }

    void Scan() { cmdScanNow_Click(*app); }

    std::vector<std::string> Texts(const ui::ListView& list) const {
        std::vector<std::string> texts;
        for (int row = 0; row < list.ItemCount(); ++row) {
            texts.push_back(list.Item(row).text);
        }
        return texts;
    }

    std::vector<std::string> Summary() { return Texts(*Main().lvwSpywareFound); }
    const ui::ListView& Removal() { return *Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved; }
    std::string Caption(const ui::Label* label) const { return label->Caption(); }
};

}  // namespace scan::testing
