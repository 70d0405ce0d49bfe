#pragma once

// A started program with findings in its lists, ready to remove them.

#include "core/date_time_text.h"
#include "core/scan_state.h"
#include "removal/removal_run.h"
#include "scan/scan_fixture.h"

namespace removal::testing {

class RemovalFixture : public scan::testing::ScanFixture {
protected:
    // A file or folder trace with its name row, both checked.
    void FileFinding(const std::string& threat, const std::string& path) {
        NameRow(threat, path);
        const int row = Main().lvwFilesToBeDeleted->AddItem(path);
        Main().lvwFilesToBeDeleted->SetSubItem(row, 1, threat);
        Main().lvwFilesToBeDeleted->SetChecked(row, true);
    }

    // A registry trace: the root handle as the scan writes it.
    void RegistryFinding(const std::string& threat, const std::string& rootText,
                         const std::string& key, const std::string& value) {
        NameRow(threat, key);
        ui::ListView& registry = *Main().lvwRegistryToBeDeleted;
        const int row = registry.AddItem(rootText);
        registry.SetSubItem(row, 1, key);
        registry.SetSubItem(row, 2, value);
        registry.SetSubItem(row, 3, threat);
        registry.SetChecked(row, true);
    }

    void CookieFinding(const std::string& path) {
        const std::string name = path.substr(path.rfind('\\') + 1);
        ui::ListView& names = *Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
        const int nameRow = names.AddItem("Cookie: " + name, scan::kIconCookie);
        names.SetSubItem(nameRow, 1, path);
        names.SetChecked(nameRow, true);
        const int row = Main().lvwCookiesToDelete->AddItem(path);
        Main().lvwCookiesToDelete->SetChecked(row, true);
    }

    // Answers the question with Yes and runs the removal.
    void Delete() {
        machine.dialogs.answers = {platform::MessageAnswer::Yes};
        Command4_Click(*app);
    }

    std::string Quarantined(std::string_view name) const {
        return DataFile("quarantine\\" + std::string(name));
    }

    std::string Log() {
        return machine.fileSystem.ReadWholeFile(Quarantined("QuarantineLog.txt")).value_or("");
    }

    std::string Time() { return core::GeneralDateText(machine.clock.now); }

    std::string FileRecord(std::string_view storedName, std::string_view location) {
        return Time() + " - File: " + std::string(storedName) +
               "\r\n - Location: " + std::string(location) + "\r\n\r\n\r\n";
    }

    std::string RegistryRecord(std::string_view key, std::string_view value) {
        return Time() + " - Key: " + std::string(key) + "\r\nValue: " + std::string(value) +
               "\r\n\r\n\r\n";
    }

    // What stayed in its place, and the copy still kept of it ("" none).
    std::string FailedRecord(std::string_view location, std::string_view storedName = "") {
        return Time() + " - Delete failed: " + std::string(location) +
               "\r\n - Copy: " + std::string(storedName) + "\r\n\r\n\r\n";
    }

    bool Exists(std::string_view path) { return machine.fileSystem.Find(path) != nullptr; }

    const std::vector<std::string>& Problems() { return app->frmDelete.lstProblem->Items(); }

private:
    void NameRow(const std::string& threat, const std::string& location) {
        ui::ListView& names = *Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
        for (int row = 0; row < names.ItemCount(); ++row) {
            if (names.Item(row).text == threat) {
                return;
            }
        }
        const int row = names.AddItem(threat, scan::kIconFile);
        names.SetSubItem(row, 1, location);
        names.SetChecked(row, true);
    }
};

}  // namespace removal::testing
