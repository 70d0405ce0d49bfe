#include "scan/registry_scan.h"

#include <cstring>

#include "base/text.h"
#include "core/application.h"
#include "core/definition_files.h"
#include "core/file_predicates.h"
#include "core/path_macros.h"
#include "core/shell_folder_cache.h"
#include "core/text_lines.h"
#include "definitions/line_code.h"
#include "definitions/records.h"
#include "scan/finding_lists.h"
#include "scan/registry_lookup.h"
#include "scan/scan_progress.h"
#include "scan/scan_run.h"

namespace scan {

namespace {

constexpr std::uint32_t kRootHandles[] = {0x80000000u, 0x80000001u, 0x80000002u,
                                          0x80000003u, 0x80000005u, 0x80000006u};

// A trace that passed every test: its row, and the threat's rows when it is
// the threat's first trace. A nameless key is a threat of its own in each
// view, but the record counts as one threat.
void EnterTrace(core::Application& app, std::uint32_t root,
                const definitions::RegistryRecord& record, const std::string& keyPath,
                const std::string& valueName, const std::string& location, bool keyRecord,
                bool firstOfRecord) {
    ui::FrmMain& main = app.frmMain;
    ui::ListView& traces = *main.lvwRegistryToBeDeleted;
    const int row = traces.AddItem(RootHandleText(root));
    traces.SetSubItem(row, 1, keyPath);
    traces.SetSubItem(row, 2, valueName);
    traces.SetSubItem(row, 3, record.threatName);
    IncrementCaption(*main.lbltracesFound);
    if (HasSummaryRow(*main.lvwSpywareFound, record.threatName)) {
        return;
    }
    if (base::Trim(record.threatName).empty()) {
        if (keyRecord) {
            main.lvwSpywareFound->AddItem("RegKey " + keyPath + " - Found");
            ui::ListView& removal = *main.lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
            const int threat = removal.AddItem(keyPath, kIconRegistry);
            removal.SetSubItem(threat, 1, app.scan.CurrentRootName + "\\" + keyPath);
            if (firstOfRecord) {
                ++app.scan.ThreatsFound;
            }
        }
        return;
    }
    AddThreat(app, record.threatName, kIconRegistry, location, record.typeText);
}

}  // namespace

std::uint32_t RegistryRootFromCode(std::string_view code, std::string& rootName) {
    const int index = definitions::RootIndex(code);
    rootName = definitions::RootNameAt(index);
    return index < 0 ? kNoRoot : kRootHandles[index];
}

bool RegistryKeyExists(platform::Registry& registry, std::uint32_t root, std::string_view keyPath,
                       platform::RegistryView view) {
    const long status =
        registry.OpenKey(static_cast<platform::RegistryRoot>(root), keyPath, kTraceKeyAccess, view)
            .status;
    return status == platform::reg_status::kOk || status == platform::reg_status::kAccessDenied;
}

long ReadRegistryValue(platform::RegistryKey& key, std::string_view valueName, std::string& value) {
    platform::RegistryValue data;
    const long status = key.QueryValue(valueName, data);
    if (status == platform::reg_status::kNotFound) {
        return -1;
    }
    if (status != platform::reg_status::kOk) {
        return status;
    }
    switch (data.type) {
        case platform::reg_type::kString:
        case platform::reg_type::kExpandString:
            value = data.data.substr(0, data.data.find('\0'));
            return 0;
        case platform::reg_type::kDword: {
            std::uint32_t number = 0;
            std::memcpy(&number, data.data.data(), std::min(data.data.size(), sizeof(number)));
            value = std::to_string(number);
            return 0;
        }
        default:
            return -1;
    }
}

bool RegistryValueExists(platform::Registry& registry, std::uint32_t root, std::string_view keyPath,
                         std::string_view valueName, std::string& value,
                         platform::RegistryView view) {
    value.clear();
    platform::RegistryOpenResult opened =
        registry.OpenKey(static_cast<platform::RegistryRoot>(root), keyPath, kTraceKeyAccess, view);
    if (opened.status != platform::reg_status::kOk) {
        return false;
    }
    return ReadRegistryValue(*opened.key, valueName, value) == 0;
}

void ScanRegistry(core::Application& app) {
    ScanState& state = app.scan;
    platform::Platform& ports = app.ports;
    core::ShellFolderCache folders(ports.shellFolders);
    // 1.
    const std::string drive = core::SystemDriveRoot(folders);
    const std::string path =
        definitions::DataFile(app.DataFolder, definitions::kRegistryDefinitions);
    if (!core::FileExists(ports.fileSystem, path)) {
        return;
    }
    // 2.
    const std::vector<std::string> lines =
        core::ReadTextLines(ports.fileSystem, path).value_or(std::vector<std::string>{});
    // Stop and Pause also act while a large parent key is listed.
    GroupedRegistryLookup lookup(ports.registry, [&] {
        ports.eventLoop.YieldToMessageLoop();
        return !ScanMustEnd(app);
    });
    for (const std::string& line : lines) {
        // 2.1
        ports.eventLoop.YieldToMessageLoop();
        if (ScanMustEnd(app)) {
            break;
        }
        // 2.2: a line that does not follow the layout adds nothing.
        std::optional<definitions::RegistryRecord> record = definitions::ParseRegistryRecord(
            definitions::DecodeDefinitionText(line, ports.textCodec), drive, folders);
        if (!record) {
            continue;
        }
        // 2.3 and 2.4
        if (base::IsBlank(record->rootCode)) {
            continue;
        }
        const std::uint32_t root = RegistryRootFromCode(record->rootCode, state.CurrentRootName);
        if (root == kNoRoot) {
            continue;
        }
        // 2.5
        ++state.RegistryEntriesInspected;
        UpdateScanProgress(
            app,
            [&] {
                return state.ScanPhaseText + "\r\n" + base::LowerCase(record->keyPath) + "\\" +
                       record->valueName;
            },
            Percent(state.RegistryEntriesInspected, app.counts.RegistryDefinitionCount),
            Percent(static_cast<std::int64_t>(state.RegistryEntriesInspected) +
                        app.counts.CookieDefinitionCount + app.counts.ExeDefinitionCount,
                    app.TotalDefinitionLines));
        // A record without a key names a whole root key: never a trace.
        if (base::IsBlank(record->keyPath)) {
            continue;
        }
        // The locations are only built for what exists: most records name
        // something absent. A place the 32-bit view led to is also safe when
        // the record's own location is: the safe list names places as the
        // definitions do.
        bool firstOfRecord = true;
        if (!record->valueName.empty()) {
            // 2.6: a value record.
            std::string& valueName = record->valueName;
            if (base::HasDoubledBackslash(valueName)) {
                valueName = base::ReplaceAll(valueName, "\\\\", "\\");
            }
            const std::string recordKeyLocation = state.CurrentRootName + "\\" + record->keyPath;
            for (const RegistryPlace& place :
                 lookup.Places(root, record->keyPath, record->keyPath, &valueName)) {
                const std::string keyLocation = state.CurrentRootName + "\\" + place.keyPath;
                const std::string location = keyLocation + valueName;
                // The safe list names a value as key "\" value; the location
                // text stays as the exclusion file and the report have always
                // had it.
                if (app.SafeList.IsSafeListed(keyLocation + "\\" + valueName) ||
                    (place.redirected &&
                     app.SafeList.IsSafeListed(recordKeyLocation + "\\" + valueName))) {
                    continue;
                }
                if (app.exclusions.IsExcluded(location) || app.exclusions.IsExcluded(keyLocation)) {
                    AddExcludedRow(app, location);
                } else {
                    EnterTrace(app, root, *record, place.keyPath, valueName, location, false,
                               firstOfRecord);
                    firstOfRecord = false;
                }
            }
        } else {
            // 2.7: a key record.
            const std::string recordKeyLocation = state.CurrentRootName + "\\" + record->keyPath;
            for (const RegistryPlace& place :
                 lookup.Places(root, base::TrimView(record->keyPath), record->keyPath, nullptr)) {
                const std::string keyLocation = state.CurrentRootName + "\\" + place.keyPath;
                if (app.SafeList.IsSafeListed(keyLocation) ||
                    (place.redirected && app.SafeList.IsSafeListed(recordKeyLocation))) {
                    continue;
                }
                if (app.exclusions.IsExcluded(keyLocation)) {
                    AddExcludedRow(app, keyLocation);
                } else {
                    EnterTrace(app, root, *record, place.keyPath, "", keyLocation, true,
                               firstOfRecord);
                    firstOfRecord = false;
                }
            }
        }
        // 2.8
        ports.eventLoop.YieldToMessageLoop();
    }
}

}  // namespace scan
