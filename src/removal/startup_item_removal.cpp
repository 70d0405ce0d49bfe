#include "removal/startup_item_removal.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "core/application.h"
#include "core/file_replace.h"
#include "removal/folder_tree.h"
#include "removal/quarantine_backup.h"
#include "removal/quarantine_index.h"
#include "removal/quarantine_log.h"
#include "removal/reg_file.h"
#include "removal/registry_copy.h"
#include "removal/registry_removal.h"
#include "removal/registry_roots.h"
#include "removal/saved_content.h"
#include "scan/finding_lists.h"
#include "scan/registry_views.h"
#include "startup_items/startup_places.h"
#include "startup_items/startup_rules.h"
#include "startup_items/startup_scan.h"

namespace removal {

namespace {

using startup_items::Category;
using startup_items::JudgedEntry;
using startup_items::StartupEntry;

// Scratch names tried beside the hosts file for its new content.
constexpr int kMostScratchNames = 99;

// Why a checked finding was left as it was; a catalogue key.
constexpr std::string_view kNeedsAdministrator = "MSG_SI_RUN_AS_ADMIN";
constexpr std::string_view kNotSaved = "MSG_SI_NOT_SAVED";
constexpr std::string_view kNotChanged = "MSG_SI_NOT_CHANGED";

platform::RegistryValue DwordValue(std::uint32_t number) {
    platform::RegistryValue value;
    value.type = platform::reg_type::kDword;
    for (int i = 0; i < 4; ++i) {
        value.data.push_back(static_cast<char>((number >> (8 * i)) & 0xFF));
    }
    return value;
}

std::string SystemFolder(core::Application& app) {
    return app.ports.shellFolders.FolderPath(platform::csidl::kSystem)
        .value_or("C:\\Windows\\system32");
}

// What the removal sets a value to: the system's own setting, or nothing.
std::optional<platform::RegistryValue> ResetValueFor(std::string_view valueName,
                                                     const std::string& system) {
    if (base::EqualsIgnoreCase(valueName, "Shell")) {
        return platform::StringValue("explorer.exe");
    }
    if (base::EqualsIgnoreCase(valueName, "Userinit")) {
        return platform::StringValue(system + "\\userinit.exe,");
    }
    if (base::EqualsIgnoreCase(valueName, "AppInit_DLLs") ||
        base::EqualsIgnoreCase(valueName, "ProxyServer") ||
        base::EqualsIgnoreCase(valueName, "NameServer")) {
        return platform::StringValue("");
    }
    if (base::EqualsIgnoreCase(valueName, "LoadAppInit_DLLs") ||
        base::EqualsIgnoreCase(valueName, "ProxyEnable")) {
        return DwordValue(0);
    }
    return std::nullopt;
}

// The values a finding's removal resets: the one it names, and the switch
// that turns it on.
std::vector<std::string> ResetValuesOf(const StartupEntry& entry) {
    switch (entry.category) {
        case Category::AppInit:
            return {"AppInit_DLLs", "LoadAppInit_DLLs"};
        case Category::Proxy:
            return {"ProxyServer", "ProxyEnable"};
        default:
            return {entry.registry ? entry.registry->valueName : std::string()};
    }
}

// A string without its terminating NULs; other data as it is.
std::string Comparable(const platform::RegistryValue& value) {
    std::string data = value.data;
    if (value.type == platform::reg_type::kString ||
        value.type == platform::reg_type::kExpandString) {
        while (!data.empty() && data.back() == '\0') {
            data.pop_back();
        }
        return base::UpperCase(data);
    }
    return data;
}

// Whether the value is the setting the removal leaves (a path in any case).
bool IsResetValue(const platform::RegistryValue& value, const platform::RegistryValue& reset) {
    const bool bothStrings = (value.type == platform::reg_type::kString ||
                              value.type == platform::reg_type::kExpandString) &&
                             reset.type == platform::reg_type::kString;
    return (bothStrings || value.type == reset.type) && Comparable(value) == Comparable(reset);
}

// Saved content of this removal that goes again, with its index entry,
// because what it saved was not changed after all.
void Discard(core::Application& app, const std::vector<std::string>& storedNames) {
    if (storedNames.empty()) {
        return;
    }
    platform::FileSystem& fs = app.ports.fileSystem;
    if (!RemoveQuarantineEntries(fs, app.ports.textCodec, app.DataFolder, storedNames)) {
        return;
    }
    for (const std::string& name : storedNames) {
        [[maybe_unused]] const bool removed =
            fs.RemoveFile(QuarantineFolder(app.DataFolder) + "\\" + name);
    }
}

// Writes the content into the quarantine with its index entry; nullopt, with
// nothing left behind, when either cannot be written.
std::optional<std::string> SaveWithEntry(core::Application& app, QuarantineKind kind,
                                         std::string_view name, std::string_view content,
                                         std::string_view location, std::string_view value) {
    const std::optional<std::string> storedName = SaveNewFile(app, name, content);
    if (!storedName) {
        return std::nullopt;
    }
    const std::optional<std::string> digest = Sha256Hex(app.ports.hashing, content);
    QuarantineEntry entry;
    entry.kind = kind;
    entry.time = IndexTimeText(app.ports.clock.Now());
    entry.size = content.size();
    entry.sha256 = digest.value_or("");
    entry.storedName = *storedName;
    entry.threat = app.removal.CurrentThreat;
    entry.location = std::string(location);
    entry.valueName = std::string(value);
    if (!digest ||
        !AddQuarantineEntry(app.ports.fileSystem, app.ports.textCodec, app.DataFolder, entry)) {
        [[maybe_unused]] const bool removed =
            app.ports.fileSystem.RemoveFile(QuarantineFolder(app.DataFolder) + "\\" + *storedName);
        return std::nullopt;
    }
    return storedName;
}

std::string CopyNameOf(const std::string& key, const std::string& value) {
    std::string name = key.substr(key.rfind('\\') + 1) + " - " + value;
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
            c = '_';
        }
    }
    return name + ".reg";
}

// Saves each value, then sets it to the system's own; all or nothing. The
// key is opened for writing first, so that a standard user's refusal comes
// before anything is saved.
std::optional<std::string_view> ResetRegistryEntry(core::Application& app,
                                                   const StartupEntry& entry) {
    if (!entry.registry) {
        return kNotChanged;
    }
    const startup_items::RegistryPlace& place = *entry.registry;
    platform::Registry& registry = app.ports.registry;
    const platform::RegistryView view = scan::LiteralView(registry);
    const RootKey root = place.root == platform::RegistryRoot::LocalMachine
                             ? RootKey{place.root, "HKEY_LOCAL_MACHINE"}
                             : RootKey{place.root, "HKEY_CURRENT_USER"};
    const platform::RegistryOpenResult opened =
        registry.OpenKey(root.handle, place.keyPath,
                         platform::reg_access::kQueryValue | platform::reg_access::kSetValue, view);
    if (!opened.key) {
        return opened.status == platform::reg_status::kAccessDenied ? kNeedsAdministrator
                                                                    : kNotChanged;
    }
    const std::string system = SystemFolder(app);
    const std::string location = std::string(root.name) + "\\" + place.keyPath;
    struct Change {
        std::string name;
        platform::RegistryValue before;
        platform::RegistryValue after;
        std::string storedName;
    };
    std::vector<Change> changes;
    std::vector<std::string> saved;
    for (const std::string& name : ResetValuesOf(entry)) {
        const std::optional<platform::RegistryValue> reset = ResetValueFor(name, system);
        platform::RegistryValue before;
        if (!reset || opened.key->QueryValue(name, before) != platform::reg_status::kOk ||
            IsResetValue(before, *reset)) {
            continue;
        }
        const RegistryCopy copy = ReadKeyValue(registry, root, place.keyPath, name, view);
        const std::string content = copy.status == platform::reg_status::kOk
                                        ? WriteRegFile(copy.keys, app.ports.textCodec)
                                        : std::string();
        const std::optional<std::vector<RegFileKey>> readBack =
            ParseRegFile(content, app.ports.textCodec);
        std::optional<std::string> storedName;
        if (readBack && readBack->size() == 1 && readBack->front().values.size() == 1 &&
            readBack->front().values.front().value.data == before.data) {
            storedName = SaveWithEntry(app, QuarantineKind::RegistryReset,
                                       CopyNameOf(place.keyPath, name), content, location, name);
        }
        if (!storedName) {
            Discard(app, saved);
            return kNotSaved;
        }
        saved.push_back(*storedName);
        changes.push_back({name, before, *reset, *storedName});
    }
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const long status = opened.key->SetValue(changes[i].name, changes[i].after);
        if (status == platform::reg_status::kOk) {
            continue;
        }
        // What was set already goes back as it was.
        for (std::size_t j = 0; j < i; ++j) {
            [[maybe_unused]] const long undone =
                opened.key->SetValue(changes[j].name, changes[j].before);
        }
        Discard(app, saved);
        return status == platform::reg_status::kAccessDenied ? kNeedsAdministrator : kNotChanged;
    }
    return std::nullopt;
}

// The file's lines, each with its line end as the file has it.
std::vector<std::string_view> LinesOf(std::string_view content) {
    std::vector<std::string_view> lines;
    std::size_t at = 0;
    while (at < content.size()) {
        const std::size_t end = std::min(content.find('\n', at), content.size() - 1) + 1;
        lines.push_back(content.substr(at, end - at));
        at = end;
    }
    return lines;
}

// A line without its line end.
std::string_view Bare(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    return line;
}

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The line's text after the file's byte order mark, if it is the first.
std::size_t TextStart(std::string_view line, bool first) {
    return first && line.starts_with(kUtf8Mark) ? kUtf8Mark.size() : 0;
}

// The hosts file with every line that maps as one of `mappings` commented
// out ("# " in front); `originals` receives those lines as they stood.
std::string CommentOut(std::string_view content, const std::vector<std::string>& mappings,
                       std::vector<std::string>& originals) {
    std::string result;
    bool first = true;
    for (const std::string_view line : LinesOf(content)) {
        const std::size_t start = TextStart(line, first);
        first = false;
        std::size_t blocking = 0;
        const std::vector<StartupEntry> parsed =
            startup_items::ParseHostsFile("", Bare(line.substr(start)), blocking);
        const bool matches = !parsed.empty() && std::find(mappings.begin(), mappings.end(),
                                                          parsed.front().data) != mappings.end();
        if (!matches) {
            result.append(line);
            continue;
        }
        originals.emplace_back(Bare(line.substr(start)));
        result.append(line.substr(0, start)).append("# ").append(line.substr(start));
    }
    return result;
}

// A scratch name beside the file that nothing holds.
std::optional<std::string> ScratchBeside(platform::FileSystem& fs, const std::string& path) {
    for (int number = 1; number <= kMostScratchNames; ++number) {
        std::string scratch = path + ".~sr" + std::to_string(number);
        if (!fs.Attributes(scratch)) {
            return scratch;
        }
    }
    return std::nullopt;
}

bool ReplaceInOneStep(platform::FileSystem& fs, const std::string& path, std::string_view content) {
    const std::optional<std::string> scratch = ScratchBeside(fs, path);
    return scratch && core::ReplaceFileContent(fs, path, content, *scratch);
}

std::string_view Refusal(core::Application& app) {
    return app.ports.elevation.IsElevated() ? kNotChanged : kNeedsAdministrator;
}

// Comments out the lines of all the checked hosts findings at once: one copy
// of the file, one replacement.
std::optional<std::string_view> CommentOutHostsLines(core::Application& app,
                                                     const std::string& path,
                                                     const std::vector<const JudgedEntry*>& found) {
    platform::FileSystem& fs = app.ports.fileSystem;
    if (path.empty() || RunsThroughLink(fs, path)) {
        return kNotChanged;
    }
    const std::optional<platform::PathAttributes> attributes = fs.Attributes(path);
    const std::optional<std::string> content =
        attributes && !attributes->reparsePoint && !attributes->directory ? fs.ReadWholeFile(path)
                                                                          : std::nullopt;
    if (!content) {
        return kNotChanged;
    }
    std::vector<std::string> mappings;
    for (const JudgedEntry* judged : found) {
        mappings.push_back(judged->entry.data);
    }
    std::vector<std::string> originals;
    const std::string changed = CommentOut(*content, mappings, originals);
    if (originals.empty()) {
        return std::nullopt;  // gone already
    }
    const std::optional<std::string> after = Sha256Hex(app.ports.hashing, changed);
    if (!after) {
        return kNotSaved;
    }
    std::string value = *after;
    for (const std::string& line : originals) {
        value += "\n" + line;
    }
    const std::optional<std::string> storedName =
        SaveWithEntry(app, QuarantineKind::HostsLines, "hosts", *content, path, value);
    if (!storedName) {
        return kNotSaved;
    }
    if (!ReplaceInOneStep(fs, path, changed)) {
        Discard(app, {*storedName});
        return Refusal(app);
    }
    return std::nullopt;
}

// A name for a copy in the quarantine: the text after the last "\\", with
// what a file name cannot hold replaced.
std::string StorableLeaf(std::string_view path, std::string_view suffix) {
    std::string name(path.substr(path.rfind('\\') + 1));
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
            c = '_';
        }
    }
    return (name.empty() ? std::string("entry") : name) + std::string(suffix);
}

// The shortcut saved, then its address and extension arguments taken out;
// the shortcut's other arguments stay.
std::optional<std::string_view> CleanShortcut(core::Application& app, const StartupEntry& entry) {
    platform::FileSystem& fs = app.ports.fileSystem;
    const std::string& path = entry.where;
    const std::optional<platform::PathAttributes> attributes = fs.Attributes(path);
    if (!attributes) {
        return std::nullopt;  // gone already
    }
    if (attributes->reparsePoint || attributes->directory || RunsThroughLink(fs, path)) {
        return kNotChanged;
    }
    const std::optional<std::string> bytes = fs.ReadWholeFile(path);
    const std::optional<platform::ShortcutLink> link = app.ports.shell.ReadShortcut(path);
    if (!bytes || !link) {
        return kNotChanged;
    }
    const std::string cleaned = startup_items::CleanBrowserArguments(link->arguments);
    if (cleaned == link->arguments) {
        return std::nullopt;
    }
    const std::optional<std::string> storedName = SaveWithEntry(
        app, QuarantineKind::ShortcutArguments, StorableLeaf(path, ""), *bytes, path, cleaned);
    if (!storedName) {
        return kNotSaved;
    }
    if (!app.ports.shell.WriteShortcutArguments(path, cleaned)) {
        Discard(app, {*storedName});
        return Refusal(app);
    }
    return std::nullopt;
}

constexpr std::string_view kServiceFirstLine = "[Service]";

std::string ServiceText(const platform::ServiceConfig& config) {
    return std::string(kServiceFirstLine) + "\r\nName=" + config.name +
           "\r\nDisplayName=" + config.displayName +
           "\r\nStart=" + std::to_string(static_cast<std::uint32_t>(config.start)) +
           "\r\nImagePath=" + config.imagePath + "\r\n";
}

std::optional<platform::ServiceConfig> ParseServiceText(std::string_view text) {
    const std::vector<std::string> lines = base::SplitLines(text);
    if (lines.empty() || lines.front() != kServiceFirstLine) {
        return std::nullopt;
    }
    platform::ServiceConfig config;
    bool named = false;
    bool started = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t equals = lines[i].find('=');
        if (equals == std::string::npos) {
            continue;
        }
        const std::string key = lines[i].substr(0, equals);
        const std::string value = lines[i].substr(equals + 1);
        if (key == "Name") {
            config.name = value;
            named = !value.empty();
        } else if (key == "DisplayName") {
            config.displayName = value;
        } else if (key == "ImagePath") {
            config.imagePath = value;
        } else if (key == "Start" && value.size() == 1 && value[0] >= '0' && value[0] <= '4') {
            config.start = static_cast<platform::ServiceStart>(value[0] - '0');
            started = true;
        }
    }
    return named && started ? std::optional(config) : std::nullopt;
}

// The service is disabled, not deleted; how it was started is saved first.
std::optional<std::string_view> DisableService(core::Application& app, const StartupEntry& entry) {
    platform::Services& services = app.ports.services;
    const std::optional<platform::ServiceConfig> config = services.QueryService(entry.name);
    if (!config || config->start == platform::ServiceStart::Disabled) {
        return std::nullopt;  // gone, or disabled already
    }
    platform::ServiceConfig saved = *config;
    saved.name = entry.name;
    const std::optional<std::string> storedName =
        SaveWithEntry(app, QuarantineKind::ServiceStart, StorableLeaf(entry.name, ".service.txt"),
                      ServiceText(saved), entry.where, "");
    if (!storedName) {
        return kNotSaved;
    }
    switch (services.SetStartType(entry.name, platform::ServiceStart::Disabled)) {
        case platform::ServiceChange::Changed:
            return std::nullopt;
        case platform::ServiceChange::NotFound:
            Discard(app, {*storedName});
            return std::nullopt;
        case platform::ServiceChange::AccessDenied:
            Discard(app, {*storedName});
            return kNeedsAdministrator;
        case platform::ServiceChange::Failed:
            break;
    }
    Discard(app, {*storedName});
    return kNotChanged;
}

// The task's definition is exported into the quarantine, then the task is
// deleted through the scheduler.
std::optional<std::string_view> DeleteTask(core::Application& app, const StartupEntry& entry) {
    platform::ScheduledTasks& tasks = app.ports.scheduledTasks;
    const std::optional<std::string> xml = tasks.ExportTask(entry.name);
    if (!xml) {
        return kNotSaved;
    }
    const std::optional<std::string> storedName = SaveWithEntry(
        app, QuarantineKind::Task, StorableLeaf(entry.name, ".xml"), *xml, entry.where, entry.name);
    if (!storedName) {
        return kNotSaved;
    }
    switch (tasks.DeleteTask(entry.name)) {
        case platform::TaskChange::Done:
            return std::nullopt;
        case platform::TaskChange::NotFound:
            Discard(app, {*storedName});
            return std::nullopt;
        case platform::TaskChange::AccessDenied:
            Discard(app, {*storedName});
            return kNeedsAdministrator;
        case platform::TaskChange::AlreadyThere:
        case platform::TaskChange::Failed:
            break;
    }
    Discard(app, {*storedName});
    return kNotChanged;
}

// One finding's change, by its kind.
std::optional<std::string_view> ChangeInPlace(core::Application& app, const StartupEntry& entry) {
    switch (entry.category) {
        case Category::BrowserShortcut:
            return CleanShortcut(app, entry);
        case Category::Service:
            return DisableService(app, entry);
        case Category::Task:
            return DeleteTask(app, entry);
        default:
            return ResetRegistryEntry(app, entry);
    }
}

// The startup finding of a checked row of the removal list, when its kind
// is changed here.
const JudgedEntry* FindingOfRow(const core::Application& app, const ui::ListItem& item) {
    for (const JudgedEntry& judged : app.startupItems.entries) {
        if (judged.verdict && startup_items::IsChangedInPlace(judged.entry.category) &&
            !startup_items::IsFakeBrowser(judged) && judged.findingName == item.text &&
            judged.entry.where == item.SubItem(1)) {
            return &judged;
        }
    }
    return nullptr;
}

void ListLeftOver(core::Application& app, int row, std::string_view reason) {
    ui::ListView& names = *app.frmMain.lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    const ui::ListItem item = names.Item(row);
    app.frmDelete.lstProblem->AddItem(item.SubItem(1) + " - " + app.Message(reason));
    ++app.removal.ProblemCount;
    names.SetChecked(row, false);
}

}  // namespace

bool IsStartupItemKind(QuarantineKind kind) {
    switch (kind) {
        case QuarantineKind::RegistryReset:
        case QuarantineKind::HostsLines:
        case QuarantineKind::ShortcutArguments:
        case QuarantineKind::ServiceStart:
        case QuarantineKind::Task:
            return true;
        default:
            return false;
    }
}

std::optional<std::string_view> RemoveStartupEntry(core::Application& app,
                                                   const JudgedEntry& judged,
                                                   const std::string& hostsFile) {
    const StartupEntry& entry = judged.entry;
    if (entry.category == Category::Hosts) {
        return CommentOutHostsLines(app, hostsFile, {&judged});
    }
    if (startup_items::IsChangedInPlace(entry.category) && !startup_items::IsFakeBrowser(judged)) {
        return ChangeInPlace(app, entry);
    }
    if (!entry.registry) {
        return kNotChanged;
    }
    const startup_items::RegistryPlace& place = *entry.registry;
    const TraceOutcome outcome =
        RemoveRegistryTrace(app, scan::RootHandleText(static_cast<std::uint32_t>(place.root)),
                            place.keyPath, place.valueName);
    if (outcome == TraceOutcome::Handled) {
        return std::nullopt;
    }
    if (outcome == TraceOutcome::KeptWithoutCopy) {
        return kNotSaved;
    }
    return place.root == platform::RegistryRoot::LocalMachine ? Refusal(app) : kNotChanged;
}

void RemoveStartupItems(core::Application& app, bool secondPass) {
    if (!secondPass) {
        return;
    }
    ui::ListView& names = *app.frmMain.lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
    std::vector<std::pair<int, const JudgedEntry*>> hostsRows;
    std::vector<const JudgedEntry*> hostsFindings;
    std::set<std::string> tasksDone;
    for (int row = 0; row < names.ItemCount(); ++row) {
        const ui::ListItem item = names.Item(row);
        const JudgedEntry* judged = item.checked ? FindingOfRow(app, item) : nullptr;
        if (judged == nullptr) {
            continue;
        }
        if (judged->entry.category == Category::Hosts) {
            hostsRows.emplace_back(row, judged);
            hostsFindings.push_back(judged);
            continue;
        }
        // A task that starts several programs is several findings, and
        // goes with the first of them.
        if (judged->entry.category == Category::Task &&
            !tasksDone.insert(base::UpperCase(judged->entry.name)).second) {
            continue;
        }
        app.removal.CurrentThreat = item.text;
        app.frmMain.lblDeletingCaption->SetCaption(base::LowerCase(item.SubItem(1)));
        if (const std::optional<std::string_view> reason = ChangeInPlace(app, judged->entry)) {
            ListLeftOver(app, row, *reason);
        }
        app.ports.eventLoop.YieldToMessageLoop();
    }
    if (hostsRows.empty()) {
        return;
    }
    app.removal.CurrentThreat = hostsRows.front().second->findingName;
    app.frmMain.lblDeletingCaption->SetCaption(base::LowerCase(app.startupItems.hostsFile));
    if (const std::optional<std::string_view> reason =
            CommentOutHostsLines(app, app.startupItems.hostsFile, hostsFindings)) {
        for (const auto& [row, judged] : hostsRows) {
            if (row < names.ItemCount() && names.Item(row).text == judged->findingName) {
                ListLeftOver(app, row, *reason);
            }
        }
    }
}

namespace {

RestoreResult NotRestored(RestoreOutcome outcome, std::string note = {}) {
    return {outcome, {}, std::move(note)};
}

// The saved bytes, read once and checked against the index's digest.
std::optional<std::string> SavedBytes(core::Application& app, const QuarantineEntry& entry) {
    if (CheckSavedContent(app.ports.fileSystem, app.ports.hashing, app.DataFolder, entry) !=
        SavedContentState::Intact) {
        return std::nullopt;
    }
    std::optional<std::string> bytes = app.ports.fileSystem.ReadWholeFile(
        QuarantineFolder(app.DataFolder) + "\\" + entry.storedName);
    if (!bytes || Sha256Hex(app.ports.hashing, *bytes) != entry.sha256) {
        return std::nullopt;
    }
    return bytes;
}

// A value that the removal set to the system's own comes back only while it
// still holds that setting: whatever set it since is not written over.
RestoreResult RestoreResetValue(core::Application& app, const QuarantineEntry& entry) {
    const std::optional<KeyName> key = SplitKeyName(entry.location);
    const std::optional<platform::RegistryValue> reset =
        ResetValueFor(entry.valueName, SystemFolder(app));
    if (!key || !reset) {
        return NotRestored(RestoreOutcome::BadPlace);
    }
    const std::optional<std::string> bytes = SavedBytes(app, entry);
    const std::optional<std::vector<RegFileKey>> copy =
        bytes ? ParseRegFile(*bytes, app.ports.textCodec) : std::nullopt;
    if (!copy || copy->size() != 1 || !base::EqualsIgnoreCase(copy->front().name, entry.location) ||
        copy->front().values.size() != 1 ||
        !base::EqualsIgnoreCase(copy->front().values.front().name, entry.valueName)) {
        return NotRestored(RestoreOutcome::Untrusted);
    }
    platform::Registry& registry = app.ports.registry;
    const platform::RegistryOpenResult opened =
        registry.OpenKey(key->root.handle, key->path,
                         platform::reg_access::kQueryValue | platform::reg_access::kSetValue,
                         scan::LiteralView(registry));
    if (!opened.key) {
        return NotRestored(
            opened.status == platform::reg_status::kAccessDenied ? RestoreOutcome::WriteFailed
                                                                 : RestoreOutcome::BadPlace,
            opened.status == platform::reg_status::kAccessDenied ? app.Message(kNeedsAdministrator)
                                                                 : std::string());
    }
    platform::RegistryValue now;
    if (opened.key->QueryValue(entry.valueName, now) != platform::reg_status::kOk ||
        !IsResetValue(now, *reset)) {
        return NotRestored(RestoreOutcome::Occupied, app.Message("MSG_RESTORE_SI_CHANGED"));
    }
    if (opened.key->SetValue(entry.valueName, copy->front().values.front().value) !=
        platform::reg_status::kOk) {
        return NotRestored(RestoreOutcome::WriteFailed);
    }
    return {RestoreOutcome::Restored, entry.location + "\\" + entry.valueName, {}};
}

// The file as the removal left it comes back whole; a file changed since
// gets back only the lines the removal commented out, where they still
// stand so.
RestoreResult RestoreHostsLines(core::Application& app, const QuarantineEntry& entry) {
    platform::FileSystem& fs = app.ports.fileSystem;
    const std::string& path = entry.location;
    if (!IsRestorablePath(path)) {
        return NotRestored(RestoreOutcome::BadPlace);
    }
    const std::optional<std::string> saved = SavedBytes(app, entry);
    const std::vector<std::string> parts = base::Split(entry.valueName, "\n");
    if (!saved || parts.size() < 2) {
        return NotRestored(RestoreOutcome::Untrusted);
    }
    if (RunsThroughLink(fs, path)) {
        return NotRestored(RestoreOutcome::ThroughLink);
    }
    const std::optional<platform::PathAttributes> attributes = fs.Attributes(path);
    if (attributes && (attributes->reparsePoint || attributes->directory)) {
        return NotRestored(attributes->reparsePoint ? RestoreOutcome::ThroughLink
                                                    : RestoreOutcome::Occupied);
    }
    const std::optional<std::string> now = attributes ? fs.ReadWholeFile(path) : std::nullopt;
    if (attributes && !now) {
        return NotRestored(RestoreOutcome::WriteFailed);
    }
    if (!now || Sha256Hex(app.ports.hashing, *now) == parts.front()) {
        if (!ReplaceInOneStep(fs, path, *saved)) {
            return NotRestored(RestoreOutcome::WriteFailed, app.Message(Refusal(app)));
        }
        return {RestoreOutcome::Restored, path, {}};
    }
    std::multiset<std::string> commented;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        commented.insert("# " + parts[i]);
    }
    std::string content;
    bool first = true;
    bool any = false;
    for (const std::string_view line : LinesOf(*now)) {
        const std::size_t start = TextStart(line, first);
        first = false;
        const auto match = commented.find(std::string(Bare(line.substr(start))));
        if (match == commented.end()) {
            content.append(line);
            continue;
        }
        commented.erase(match);
        any = true;
        content.append(line.substr(0, start)).append(line.substr(start + 2));
    }
    if (!any) {
        return NotRestored(RestoreOutcome::Occupied, app.Message("MSG_RESTORE_HOSTS_GONE"));
    }
    if (!ReplaceInOneStep(fs, path, content)) {
        return NotRestored(RestoreOutcome::WriteFailed, app.Message(Refusal(app)));
    }
    return {RestoreOutcome::Restored, path, app.Message("MSG_RESTORE_HOSTS_LINES")};
}

// The shortcut as it was saved, over the one the removal cleaned, only
// while its arguments are still those the removal left.
RestoreResult RestoreShortcut(core::Application& app, const QuarantineEntry& entry) {
    platform::FileSystem& fs = app.ports.fileSystem;
    const std::string& path = entry.location;
    if (!IsRestorablePath(path)) {
        return NotRestored(RestoreOutcome::BadPlace);
    }
    const std::optional<std::string> saved = SavedBytes(app, entry);
    if (!saved) {
        return NotRestored(RestoreOutcome::Untrusted);
    }
    if (RunsThroughLink(fs, path)) {
        return NotRestored(RestoreOutcome::ThroughLink);
    }
    const std::optional<platform::PathAttributes> attributes = fs.Attributes(path);
    if (attributes) {
        if (attributes->reparsePoint) {
            return NotRestored(RestoreOutcome::ThroughLink);
        }
        const std::optional<platform::ShortcutLink> now = app.ports.shell.ReadShortcut(path);
        if (attributes->directory || !now || now->arguments != entry.valueName) {
            return NotRestored(RestoreOutcome::Occupied, app.Message("MSG_RESTORE_SI_CHANGED"));
        }
    }
    if (!ReplaceInOneStep(fs, path, *saved)) {
        return NotRestored(RestoreOutcome::WriteFailed, app.Message(Refusal(app)));
    }
    return {RestoreOutcome::Restored, path, {}};
}

// The service's start type as it was, while the service is still the one
// the removal disabled and nothing has started it since.
RestoreResult RestoreService(core::Application& app, const QuarantineEntry& entry) {
    const std::optional<std::string> bytes = SavedBytes(app, entry);
    const std::optional<platform::ServiceConfig> saved =
        bytes ? ParseServiceText(*bytes) : std::nullopt;
    if (!saved) {
        return NotRestored(RestoreOutcome::Untrusted);
    }
    const std::optional<platform::ServiceConfig> now = app.ports.services.QueryService(saved->name);
    if (!now || now->start != platform::ServiceStart::Disabled ||
        now->imagePath != saved->imagePath) {
        return NotRestored(RestoreOutcome::Occupied, app.Message("MSG_RESTORE_SI_CHANGED"));
    }
    switch (app.ports.services.SetStartType(saved->name, saved->start)) {
        case platform::ServiceChange::Changed:
            return {RestoreOutcome::Restored, entry.location, {}};
        case platform::ServiceChange::AccessDenied:
            return NotRestored(RestoreOutcome::WriteFailed, app.Message(kNeedsAdministrator));
        case platform::ServiceChange::NotFound:
            return NotRestored(RestoreOutcome::Occupied, app.Message("MSG_RESTORE_SI_CHANGED"));
        case platform::ServiceChange::Failed:
            break;
    }
    return NotRestored(RestoreOutcome::WriteFailed);
}

// The task registered again from its saved definition, never over a task
// of its path.
RestoreResult RestoreTask(core::Application& app, const QuarantineEntry& entry) {
    const std::optional<std::string> xml = SavedBytes(app, entry);
    if (!xml) {
        return NotRestored(RestoreOutcome::Untrusted);
    }
    if (entry.valueName.size() < 2 || entry.valueName.front() != '\\') {
        return NotRestored(RestoreOutcome::BadPlace);
    }
    switch (app.ports.scheduledTasks.RegisterTask(entry.valueName, *xml)) {
        case platform::TaskChange::Done:
            return {RestoreOutcome::Restored, entry.valueName, {}};
        case platform::TaskChange::AlreadyThere:
            return NotRestored(RestoreOutcome::Occupied);
        case platform::TaskChange::AccessDenied:
            return NotRestored(RestoreOutcome::WriteFailed, app.Message(kNeedsAdministrator));
        case platform::TaskChange::NotFound:
        case platform::TaskChange::Failed:
            break;
    }
    return NotRestored(RestoreOutcome::WriteFailed);
}

}  // namespace

RestoreResult RestoreStartupItem(core::Application& app, const QuarantineEntry& entry) {
    switch (entry.kind) {
        case QuarantineKind::RegistryReset:
            return RestoreResetValue(app, entry);
        case QuarantineKind::HostsLines:
            return RestoreHostsLines(app, entry);
        case QuarantineKind::ShortcutArguments:
            return RestoreShortcut(app, entry);
        case QuarantineKind::ServiceStart:
            return RestoreService(app, entry);
        case QuarantineKind::Task:
            return RestoreTask(app, entry);
        default:
            return NotRestored(RestoreOutcome::BadPlace);
    }
}

}  // namespace removal
