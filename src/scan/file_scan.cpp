#include "scan/file_scan.h"

#include "base/text.h"
#include "core/application.h"
#include "core/definition_files.h"
#include "core/file_predicates.h"
#include "core/path_macros.h"
#include "core/shell_folder_cache.h"
#include "core/text_lines.h"
#include "core/wow32_folders.h"
#include "definitions/line_code.h"
#include "definitions/records.h"
#include "scan/company_name.h"
#include "scan/file_lookup.h"
#include "scan/finding_lists.h"
#include "scan/scan_progress.h"
#include "scan/scan_run.h"

namespace scan {

namespace {

void ShowProgress(core::Application& app, std::string_view item) {
    const ScanState& state = app.scan;
    const definitions::DefinitionCounts& counts = app.counts;
    UpdateScanProgress(
        app, [&] { return state.ScanPhaseText + "\r\n" + std::string(item); },
        Percent(state.FilesFoldersInspected, counts.FileDefinitionCount),
        Percent(static_cast<std::int64_t>(state.FilesFoldersInspected) +
                    counts.RegistryDefinitionCount + counts.CookieDefinitionCount +
                    counts.ExeDefinitionCount,
                app.TotalDefinitionLines));
}

void EnterTrace(core::Application& app, const std::string& path, const std::string& threatName,
                const std::string& typeText, int icon) {
    ui::FrmMain& main = app.frmMain;
    const int row = main.lvwFilesToBeDeleted->AddItem(path);
    main.lvwFilesToBeDeleted->SetSubItem(row, 1, threatName);
    IncrementCaption(*main.lbltracesFound);
    if (!HasSummaryRow(*main.lvwSpywareFound, threatName)) {
        AddThreat(app, threatName, icon, path, typeText);
    }
}

// The places a record's path names: as expanded and, on 64-bit Windows,
// where the same macros lead for a 32-bit program (Program Files (x86),
// SysWOW64), when that is elsewhere. The second is a place of its own; the
// record still counts once.
template <typename Record, typename Parse>
std::vector<std::string> PlacesOf(const Record& record, std::string_view decoded,
                                  const std::string& drive, core::Wow32Folders& wow32,
                                  Parse parse) {
    std::vector<std::string> places{record.path};
    const std::optional<Record> twin = parse(decoded, drive, wow32);
    if (twin && !base::EqualsIgnoreCase(twin->path, record.path)) {
        places.push_back(twin->path);
    }
    return places;
}

std::vector<std::string> DefinitionLines(core::Application& app, std::string_view name,
                                         bool& present) {
    const std::string path = definitions::DataFile(app.DataFolder, name);
    present = core::FileExists(app.ports.fileSystem, path);
    if (!present) {
        return {};
    }
    return core::ReadTextLines(app.ports.fileSystem, path).value_or(std::vector<std::string>{});
}

}  // namespace

void ScanKnownFiles(core::Application& app) {
    ScanState& state = app.scan;
    platform::Platform& ports = app.ports;
    core::ShellFolderCache folders(ports.shellFolders);
    core::Wow32Folders wow32(folders);
    const std::string drive = core::SystemDriveRoot(folders);
    // 1.
    bool present = false;
    const std::vector<std::string> lines =
        DefinitionLines(app, definitions::kFileDefinitions, present);
    // Stop and Pause also act while a large folder is listed.
    GroupedFileLookup lookup(ports.fileSystem, [&] {
        ports.eventLoop.YieldToMessageLoop();
        return !ScanMustEnd(app);
    });
    for (const std::string& line : lines) {
        // 12. Every line ends with a yield, so Stop and Pause act between
        // lines; here it comes before the next line.
        ports.eventLoop.YieldToMessageLoop();
        // 2. and 3.: a line that does not follow the layout adds nothing.
        if (ScanMustEnd(app)) {
            break;
        }
        const std::string decoded = definitions::DecodeDefinitionText(line, ports.textCodec);
        const std::optional<definitions::FileRecord> record =
            definitions::ParseFileRecord(decoded, drive, folders);
        if (!record) {
            continue;
        }
        // 4. and 5.
        ++state.FilesFoldersInspected;
        ShowProgress(app, record->fileName);
        // 6.
        if (ScanMustEnd(app)) {
            break;
        }
        // A path that is not absolute would be looked for in whatever folder
        // the program runs in: never a trace.
        if (!definitions::IsAbsolutePath(record->path)) {
            continue;
        }
        // A place the 32-bit folders lead to is also safe when the record's
        // own path is: the safe list names places as the definitions do.
        for (const std::string& path :
             PlacesOf(*record, decoded, drive, wow32, definitions::ParseFileRecord)) {
            // 7. to 10.
            if (!lookup.FileExists(path) || app.SafeList.IsSafeListed(path) ||
                (path != record->path && app.SafeList.IsSafeListed(record->path))) {
                continue;
            }
            if (app.exclusions.IsExcluded(path)) {
                AddExcludedRow(app, path);
                continue;
            }
            if (base::EqualsIgnoreCase(base::Trim(GetFileCompanyName(ports.fileSystem, path)),
                                       kVendorExemption)) {
                continue;
            }
            // 11.
            EnterTrace(app, path, record->threatName, record->typeText, kIconFile);
        }
    }
}

void ScanKnownFolders(core::Application& app) {
    ScanState& state = app.scan;
    platform::Platform& ports = app.ports;
    core::ShellFolderCache folders(ports.shellFolders);
    core::Wow32Folders wow32(folders);
    const std::string drive = core::SystemDriveRoot(folders);
    // 1.
    bool present = false;
    const std::vector<std::string> lines =
        DefinitionLines(app, definitions::kDirectoryDefinitions, present);
    // Stop and Pause also act while a large folder is listed.
    GroupedFileLookup lookup(ports.fileSystem, [&] {
        ports.eventLoop.YieldToMessageLoop();
        return !ScanMustEnd(app);
    });
    for (const std::string& line : lines) {
        // 11. The yield that ends every line, before the next one.
        ports.eventLoop.YieldToMessageLoop();
        // 2. and 3.
        if (ScanMustEnd(app)) {
            break;
        }
        const std::string decoded = definitions::DecodeDefinitionText(line, ports.textCodec);
        const std::optional<definitions::DirectoryRecord> record =
            definitions::ParseDirectoryRecord(decoded, drive, folders);
        if (!record) {
            continue;
        }
        // 4. and 5.
        ++state.FilesFoldersInspected;
        ShowProgress(app, record->label);
        // 6.
        if (ScanMustEnd(app)) {
            break;
        }
        if (!definitions::IsAbsolutePath(record->path)) {
            continue;
        }
        for (const std::string& path :
             PlacesOf(*record, decoded, drive, wow32, definitions::ParseDirectoryRecord)) {
            // 7. to 9.
            if (!lookup.DirectoryExists(path) || app.SafeList.IsSafeListed(path) ||
                (path != record->path && app.SafeList.IsSafeListed(record->path))) {
                continue;
            }
            if (app.exclusions.IsFolderExcluded(path)) {
                AddExcludedRow(app, path);
                continue;
            }
            // 10.: folders get no vendor test.
            EnterTrace(app, path, record->threatName, record->typeText, kIconFolder);
        }
    }
}

}  // namespace scan
