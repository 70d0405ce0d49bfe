#include "removal/quarantine_window.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "core/application.h"
#include "core/file_predicates.h"
#include "core/text.h"
#include "core/text_lines.h"
#include "removal/quarantine_log.h"

namespace removal {

namespace {

constexpr std::string_view kFileMarker = " - File: ";
constexpr std::string_view kKeyMarker = " - Key: ";
constexpr std::string_view kLocationPrefix = " - Location: ";
constexpr std::string_view kValuePrefix = "Value: ";
constexpr std::string_view kAllValues = "All Values";

struct RootName {
    platform::RegistryRoot handle;
    std::string_view name;
};

constexpr RootName kRootNames[] = {
    {platform::RegistryRoot::ClassesRoot, "HKEY_CLASSES_ROOT"},
    {platform::RegistryRoot::CurrentUser, "HKEY_CURRENT_USER"},
    {platform::RegistryRoot::LocalMachine, "HKEY_LOCAL_MACHINE"},
    {platform::RegistryRoot::Users, "HKEY_USERS"},
    {platform::RegistryRoot::CurrentConfig, "HKEY_CURRENT_CONFIG"},
    {platform::RegistryRoot::DynData, "HKEY_DYN_DATA"},
};

std::string LastPart(std::string_view path) {
    const std::size_t slash = path.find_last_of('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// A deleted key's record names its root by the handle's number
// ("-2147483646\Software\X"); the window names it as regedit does.
std::string KeyAsShown(std::string_view keyText) {
    const std::size_t slash = keyText.find('\\');
    const std::string_view root = keyText.substr(0, slash);
    if (const std::optional<double> number = core::WholeNumber(root)) {
        const auto handle = static_cast<std::uint32_t>(static_cast<std::int64_t>(*number));
        for (const RootName& known : kRootNames) {
            if (static_cast<std::uint32_t>(known.handle) == handle) {
                return std::string(known.name) +
                       std::string(slash == std::string_view::npos ? "" : keyText.substr(slash));
            }
        }
    }
    return std::string(keyText);
}

// Whole kilobytes, rounded up as Explorer shows them; megabytes for the large.
std::string SizeText(std::uint64_t bytes) {
    constexpr std::uint64_t kKilo = 1024;
    constexpr std::uint64_t kMega = kKilo * kKilo;
    if (bytes >= 100 * kMega) {
        return std::to_string((bytes + kMega - 1) / kMega) + " MB";
    }
    return std::to_string((bytes + kKilo - 1) / kKilo) + " KB";
}

// A name that is not a plain file name would point outside the quarantine,
// and is not looked up there.
bool IsPlainName(std::string_view storedName) {
    return !storedName.empty() && storedName.find_first_of("\\/:") == std::string_view::npos &&
           storedName != "." && storedName != "..";
}

// The size of a file record's copy, when the quarantine holds one under that
// name.
std::string StoredSize(core::Application& app, std::string_view storedName) {
    if (!IsPlainName(storedName)) {
        return "";
    }
    const std::string path = QuarantineFolder(app.DataFolder) + "\\" + std::string(storedName);
    if (!core::FileExists(app.ports.fileSystem, path)) {
        return "";
    }
    const std::optional<std::uint64_t> size = app.ports.fileSystem.FileSize(path);
    return size ? SizeText(*size) : "";
}

// The text after a prefix that the line starts with, or nullopt.
std::optional<std::string> After(std::string_view line, std::string_view prefix) {
    if (!line.starts_with(prefix)) {
        return std::nullopt;
    }
    return std::string(line.substr(prefix.size()));
}

ui::QuarantineRow FileRow(core::Application& app, std::string when, const std::string& name,
                          const std::string& location) {
    ui::QuarantineRow row;
    // The copy's name may carry a number that kept it apart from another
    // item of that name; the item's own name is the one the user knows.
    row.threat = location.empty() ? name : LastPart(location);
    row.whereFrom = location;
    row.when = std::move(when);
    if (IsPlainName(name) &&
        app.ports.fileSystem.DirectoryExists(QuarantineFolder(app.DataFolder) + "\\" + name)) {
        row.what = app.Message("MSG_QUARANTINE_FOLDER");
    } else {
        row.what = app.Message("MSG_QUARANTINE_FILE");
        row.size = StoredSize(app, name);
    }
    return row;
}

ui::QuarantineRow RegistryRow(core::Application& app, std::string when, const std::string& key,
                              const std::string& value) {
    ui::QuarantineRow row;
    row.when = std::move(when);
    if (value == kAllValues) {
        row.what = app.Message("MSG_QUARANTINE_REGKEY");
        row.whereFrom = KeyAsShown(key);
        row.threat = LastPart(row.whereFrom);
    } else {
        // An empty value name is the key's default value.
        row.what = app.Message("MSG_QUARANTINE_REGVALUE");
        row.whereFrom = value.empty() ? key : key + "\\" + value;
        row.threat = value.empty() ? LastPart(key) : value;
    }
    return row;
}

}  // namespace

std::vector<ui::QuarantineRow> QuarantineRows(core::Application& app) {
    std::vector<ui::QuarantineRow> rows;
    const std::string path = QuarantineLogPath(app.DataFolder);
    if (!core::FileExists(app.ports.fileSystem, path)) {
        return rows;
    }
    const std::vector<std::string> lines =
        core::ReadStoredTextLines(app.ports.fileSystem, app.ports.textCodec, path)
            .value_or(std::vector<std::string>{});
    // A file that could be neither copied nor deleted is logged at every
    // attempt; its identical records are one item.
    std::set<std::pair<std::string, std::string>> seen;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::size_t file = line.find(kFileMarker);
        const std::size_t key = line.find(kKeyMarker);
        if (file == std::string::npos && key == std::string::npos) {
            continue;
        }
        const bool isFile = file != std::string::npos && (key == std::string::npos || file < key);
        const std::size_t at = isFile ? file : key;
        const std::string name = line.substr(at + (isFile ? kFileMarker : kKeyMarker).size());
        const std::string next = i + 1 < lines.size() ? lines[i + 1] : std::string();
        const std::optional<std::string> detail =
            After(next, isFile ? kLocationPrefix : kValuePrefix);
        const std::string recordId = std::to_string(i + 1);
        if (detail) {
            ++i;
        }
        if (!seen.insert({line, detail.value_or("")}).second) {
            continue;
        }
        std::string when = core::Trim(std::string_view(line).substr(0, at));
        ui::QuarantineRow row = isFile
                                    ? FileRow(app, std::move(when), name, detail.value_or(""))
                                    : RegistryRow(app, std::move(when), name, detail.value_or(""));
        // The record's first line in the log, counted from 1.
        row.id = recordId;
        rows.push_back(std::move(row));
    }
    return rows;
}

void OpenQuarantineWindow(core::Application& app) {
    ui::FrmQuarantine& window = app.frmQuarantine;
    if (window.IsLoaded()) {
        window.SetRows(QuarantineRows(app));
    }
    window.Show();
    window.BringToFront();
}

void AttachQuarantineWindow(core::Application& app) {
    ui::FrmQuarantine& window = app.frmQuarantine;
    window.onLoad = [&app] {
        ui::FrmQuarantine& w = app.frmQuarantine;
        if (app.Catalogue) {
            app.Catalogue->ChangeLanguage(w, app.Catalogue->CurrentLanguage());
        }
        if (std::string title = app.Message("MSG_QUARANTINE_TITLE"); !title.empty()) {
            w.SetCaption(std::move(title));
        }
        w.SetRows(QuarantineRows(app));
    };
    window.cmdClose->onClick = [&window] {
        window.Unload();
    };
    app.frmMain.mnuQuarItem[ui::FrmMain::kQuarRestoreOrDelete]->onClick = [&app] {
        OpenQuarantineWindow(app);
    };
}

}  // namespace removal
