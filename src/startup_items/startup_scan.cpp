#include "startup_items/startup_scan.h"

#include <map>

#include "base/text.h"
#include "core/application.h"
#include "core/scan_state.h"
#include "scan/finding_lists.h"
#include "scan/scan_run.h"
#include "startup_items/command_line.h"
#include "startup_items/startup_places.h"
#include "startup_items/task_xml.h"

namespace startup_items {

namespace {

// Longest text of an entry's name within a finding's name.
constexpr std::size_t kLongestNameText = 200;

std::string FolderOr(platform::ShellFolders& shell, int csidl) {
    return shell.FolderPath(csidl).value_or("");
}

std::string WithoutTrailingSeparator(std::string path) {
    while (path.size() > 3 && path.back() == '\\') {
        path.pop_back();
    }
    return path;
}

std::string ParentOf(std::string_view path) {
    const std::size_t separator = path.rfind('\\');
    return separator == std::string_view::npos ? "" : std::string(path.substr(0, separator));
}

std::string_view StartName(platform::ServiceStart start) {
    switch (start) {
        case platform::ServiceStart::Boot:
            return "boot";
        case platform::ServiceStart::System:
            return "system";
        case platform::ServiceStart::Automatic:
            return "automatic";
        case platform::ServiceStart::Manual:
            return "manual";
        case platform::ServiceStart::Disabled:
            return "disabled";
    }
    return "unknown";
}

// The services, each as the manager starts it. A program path in the
// kernel's forms ("\SystemRoot\...", "\??\C:\...") is written as a
// path of the file system.
std::vector<StartupEntry> ServiceEntries(platform::Platform& ports) {
    std::vector<StartupEntry> entries;
    const std::string windows = FolderOr(ports.shellFolders, platform::csidl::kWindows);
    for (const platform::ServiceConfig& service :
         ports.services.ListServices().value_or(std::vector<platform::ServiceConfig>{})) {
        StartupEntry entry;
        entry.category = Category::Service;
        entry.where = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\" + service.name;
        entry.name = service.name;
        entry.note = service.displayName + ", " + std::string(StartName(service.start));
        entry.enabled = service.start != platform::ServiceStart::Disabled;
        std::string image = base::Trim(service.imagePath);
        if (base::StartsWithIgnoreCase(image, "\\SystemRoot\\") && !windows.empty()) {
            image = windows + image.substr(11);
        } else if (image.rfind("\\??\\", 0) == 0) {
            image = image.substr(4);
        }
        entry.data = image;
        entries.push_back(std::move(entry));
    }
    return entries;
}

// Each program a scheduled task starts, as an entry of its own; a task that
// starts no program is listed once.
std::vector<StartupEntry> TaskEntries(platform::Platform& ports) {
    std::vector<StartupEntry> entries;
    const std::string tasksFolder =
        FolderOr(ports.shellFolders, platform::csidl::kSystem) + "\\Tasks";
    for (const platform::ScheduledTask& task :
         ports.scheduledTasks.ListTasks().value_or(std::vector<platform::ScheduledTask>{})) {
        StartupEntry entry;
        entry.category = Category::Task;
        entry.where = tasksFolder + (task.path.rfind('\\', 0) == 0 ? "" : "\\") + task.path;
        entry.name = task.path;
        entry.enabled = task.enabled;
        entry.hidden = task.hidden;
        // What the interface did not list, from the definition.
        std::vector<platform::TaskProgram> programs = task.programs;
        if (programs.empty() && !task.definitionXml.empty()) {
            programs = ExecActionsInTaskXml(task.definitionXml);
        }
        for (const std::string& repetition : task.repetitions) {
            const std::uint32_t minutes = DurationMinutes(repetition);
            if (minutes != 0 && (entry.repeatMinutes == 0 || minutes < entry.repeatMinutes)) {
                entry.repeatMinutes = minutes;
            }
        }
        if (entry.repeatMinutes == 0 && !task.definitionXml.empty()) {
            entry.repeatMinutes = ShortestIntervalInTaskXml(task.definitionXml);
        }
        std::string note = task.enabled ? "" : "disabled";
        if (task.hidden) {
            note += std::string(note.empty() ? "" : ", ") + "hidden";
        }
        if (entry.repeatMinutes != 0) {
            note += std::string(note.empty() ? "" : ", ") + "every " +
                    std::to_string(entry.repeatMinutes) + " minutes";
        }
        entry.note = note;
        if (programs.empty()) {
            entries.push_back(std::move(entry));
            continue;
        }
        for (const platform::TaskProgram& program : programs) {
            StartupEntry started = entry;
            started.data = "\"" + base::Trim(program.path) + "\"";
            if (!base::Trim(program.arguments).empty()) {
                started.data += " " + base::Trim(program.arguments);
            }
            entries.push_back(std::move(started));
        }
    }
    return entries;
}

// Caches each file's facts for one scan: the signature check reads the
// whole file, and many entries start the same few programs.
class FileFacts {
public:
    explicit FileFacts(platform::Platform& ports) : m_ports(ports) {}

    void Complete(StartupEntry& entry) {
        if (entry.program.empty()) {
            return;
        }
        const std::string key = base::UpperCase(entry.program);
        auto found = m_facts.find(key);
        if (found == m_facts.end()) {
            Facts facts;
            facts.exists = m_ports.fileSystem.Attributes(entry.program).has_value();
            if (facts.exists) {
                facts.signature = m_ports.fileOrigin.CheckSignature(entry.program);
                facts.company = m_ports.fileOrigin.CompanyName(entry.program);
            }
            found = m_facts.emplace(key, std::move(facts)).first;
        }
        entry.fileExists = found->second.exists;
        entry.signature = found->second.signature;
        entry.company = found->second.company;
    }

private:
    struct Facts {
        bool exists = false;
        platform::FileSignature signature;
        std::string company;
    };
    platform::Platform& m_ports;
    std::map<std::string, Facts> m_facts;
};

// The command an entry runs, as the place writes it; "" for places that
// start nothing.
std::string CommandOf(const StartupEntry& entry) {
    switch (entry.category) {
        case Category::Run:
        case Category::RunOnce:
        case Category::PoliciesRun:
        case Category::WinlogonShell:
        case Category::Debugger:
        case Category::MonitorProcess:
            return entry.data;
        case Category::RunOnceEx: {
            // "||library|function|arguments", or a command of its own.
            std::string text = base::Trim(entry.data);
            if (text.find('|') == std::string::npos) {
                return text;
            }
            std::string command;
            std::size_t at = 0;
            while (at <= text.size()) {
                const std::size_t end = std::min(text.find('|', at), text.size());
                const std::string part = base::Trim(text.substr(at, end - at));
                if (!part.empty()) {
                    command += command.empty() ? "\"" + part + "\"" : " " + part;
                }
                at = end + 1;
            }
            return command;
        }
        case Category::WinlogonUserinit:
            // The programs are a list ended by commas; the first is userinit.
            return entry.data.substr(0, entry.data.find(','));
        case Category::AppInit: {
            // Libraries separated by blanks or commas; the first is judged.
            const std::string text = base::Trim(entry.data);
            return "\"" + text.substr(0, text.find_first_of(" ,")) + "\"";
        }
        case Category::StartupFolder:
        case Category::BrowserShortcut:
        case Category::Service:
        case Category::Task:
            return entry.data;
        case Category::Hosts:
        case Category::Proxy:
        case Category::ProxyScript:
        case Category::Dns:
            return {};
    }
    return {};
}

// What the entry starts, with that file's facts.
void CompleteWith(platform::Platform& ports, FileFacts& facts, StartupEntry& entry) {
    const std::string command = CommandOf(entry);
    if (base::Trim(command).empty()) {
        return;
    }
    const std::vector<std::string> searchFolders{
        FolderOr(ports.shellFolders, platform::csidl::kSystem),
        FolderOr(ports.shellFolders, platform::csidl::kWindows)};
    const auto exists = [&ports](const std::string& path) {
        const std::optional<platform::PathAttributes> attributes =
            ports.fileSystem.Attributes(path);
        return attributes && !attributes->directory;
    };
    const Command split =
        SplitCommand(ExpandVariables(command, ports.environment), exists, searchFolders);
    entry.program = split.program;
    entry.arguments = split.arguments;
    facts.Complete(entry);
}

std::string ShortText(std::string_view text) {
    std::string shown(text.substr(0, std::min(text.size(), kLongestNameText)));
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = ' ';
        }
    }
    return shown.size() < text.size() ? shown + "..." : shown;
}

std::string FindingName(const core::Application& app, const StartupEntry& entry,
                        const Verdict& verdict) {
    std::string label(CategoryName(entry.category));
    if (!entry.name.empty()) {
        label += " " + ShortText(entry.name);
    }
    return label + ": " + app.Message(verdict.reasonKey);
}

// A definition already names the registry value or the file: that threat's
// finding covers it.
bool FoundByDefinitions(const core::Application& app, const StartupEntry& entry) {
    const ui::FrmMain& main = app.frmMain;
    if (entry.registry) {
        const std::string root =
            scan::RootHandleText(static_cast<std::uint32_t>(entry.registry->root));
        const ui::ListView& traces = *main.lvwRegistryToBeDeleted;
        for (int row = 0; row < traces.ItemCount(); ++row) {
            const ui::ListItem& item = traces.Item(row);
            if (item.text == root &&
                base::EqualsIgnoreCase(item.SubItem(1), entry.registry->keyPath) &&
                base::EqualsIgnoreCase(item.SubItem(2), entry.registry->valueName)) {
                return true;
            }
        }
    }
    if (!entry.program.empty()) {
        const ui::ListView& files = *main.lvwFilesToBeDeleted;
        for (int row = 0; row < files.ItemCount(); ++row) {
            if (base::EqualsIgnoreCase(files.Item(row).text, entry.program) ||
                base::EqualsIgnoreCase(files.Item(row).text, entry.where)) {
                return true;
            }
        }
    }
    return false;
}

void EnterFinding(core::Application& app, const JudgedEntry& judged) {
    ui::FrmMain& main = app.frmMain;
    const StartupEntry& entry = judged.entry;
    const std::string& name = judged.findingName;
    if (app.SafeList.IsSafeListed(entry.where) || FoundByDefinitions(app, entry) ||
        KeptByUser(app, entry)) {
        return;
    }
    if (app.exclusions.IsExcluded(entry.where) || app.exclusions.IsExcluded(name)) {
        scan::AddExcludedRow(app, entry.where);
        return;
    }
    const std::string type =
        app.Message(judged.verdict->type == FindingType::HijackPoint ? "MSG_SI_TYPE_HIJACK"
                                                                     : "MSG_SI_TYPE_STARTUP");
    if (IsRemovable(entry.category) && entry.registry) {
        ui::ListView& traces = *main.lvwRegistryToBeDeleted;
        const int row =
            traces.AddItem(scan::RootHandleText(static_cast<std::uint32_t>(entry.registry->root)));
        traces.SetSubItem(row, 1, entry.registry->keyPath);
        traces.SetSubItem(row, 2, entry.registry->valueName);
        traces.SetSubItem(row, 3, name);
    } else if (entry.category == Category::StartupFolder || IsFakeBrowser(judged)) {
        // The file itself goes, into the quarantine like any file.
        const int row = main.lvwFilesToBeDeleted->AddItem(entry.where);
        main.lvwFilesToBeDeleted->SetSubItem(row, 1, name);
    }
    scan::IncrementCaption(*main.lbltracesFound);
    if (!scan::HasSummaryRow(*main.lvwSpywareFound, name)) {
        scan::AddThreat(app, name, entry.registry ? scan::kIconRegistry : scan::kIconFile,
                        entry.where, type);
    }
}

}  // namespace

RuleFolders FoldersOf(platform::Platform& ports) {
    platform::ShellFolders& shell = ports.shellFolders;
    platform::Environment& environment = ports.environment;
    RuleFolders folders;
    folders.windows = FolderOr(shell, platform::csidl::kWindows);
    folders.system = FolderOr(shell, platform::csidl::kSystem);
    const auto add = [](std::vector<std::string>& list, std::string path) {
        path = WithoutTrailingSeparator(base::Trim(path));
        if (path.size() > 3) {
            list.push_back(std::move(path));
        }
    };
    add(folders.programFolders, FolderOr(shell, platform::csidl::kProgramFiles));
    add(folders.programFolders, FolderOr(shell, platform::csidl::kProgramFilesX86));
    add(folders.programFolders, folders.windows);
    for (const std::string_view variable : {"TEMP", "TMP"}) {
        add(folders.writableTrees, environment.Variable(variable).value_or(""));
    }
    if (!folders.windows.empty()) {
        add(folders.writableTrees, folders.windows + "\\Temp");
    }
    const std::optional<std::string> publicFolder = environment.Variable("PUBLIC");
    add(folders.writableTrees, publicFolder
                                   ? *publicFolder
                                   : ParentOf(FolderOr(shell, platform::csidl::kCommonDocuments)));
    const std::string profile = FolderOr(shell, platform::csidl::kProfile);
    if (!profile.empty()) {
        add(folders.writableTrees, profile + "\\Downloads");
    }
    add(folders.writableRoots, FolderOr(shell, platform::csidl::kAppData));
    add(folders.writableRoots, FolderOr(shell, platform::csidl::kLocalAppData));
    add(folders.writableFolders, FolderOr(shell, platform::csidl::kCommonAppData));
    return folders;
}

void ReadStartupItems(platform::Platform& ports, StartupItemsState& state) {
    std::vector<StartupEntry> entries = ReadRegistryPlaces(ports.registry);
    std::vector<StartupEntry> shortcuts =
        ReadShortcutPlaces(ports.fileSystem, ports.shellFolders, ports.shell);
    entries.insert(entries.end(), std::make_move_iterator(shortcuts.begin()),
                   std::make_move_iterator(shortcuts.end()));
    std::vector<StartupEntry> services = ServiceEntries(ports);
    entries.insert(entries.end(), std::make_move_iterator(services.begin()),
                   std::make_move_iterator(services.end()));
    std::vector<StartupEntry> tasks = TaskEntries(ports);
    entries.insert(entries.end(), std::make_move_iterator(tasks.begin()),
                   std::make_move_iterator(tasks.end()));
    state.hostsFile = HostsFilePath(ports.registry, ports.shellFolders, ports.environment);
    state.hostsFileRead = false;
    state.blockingHostsLines = 0;
    const std::optional<std::uint64_t> size = ports.fileSystem.FileSize(state.hostsFile);
    if (size && *size <= kLargestHostsFile) {
        if (const std::optional<std::string> content =
                ports.fileSystem.ReadWholeFile(state.hostsFile)) {
            state.hostsFileRead = true;
            std::vector<StartupEntry> lines =
                ParseHostsFile(state.hostsFile, *content, state.blockingHostsLines);
            entries.insert(entries.end(), std::make_move_iterator(lines.begin()),
                           std::make_move_iterator(lines.end()));
        }
    }
    FileFacts facts(ports);
    state.entries.clear();
    for (StartupEntry& entry : entries) {
        CompleteWith(ports, facts, entry);
        state.entries.push_back(JudgedEntry{std::move(entry), std::nullopt, {}});
    }
    state.read = true;
}

void CompleteEntry(platform::Platform& ports, StartupEntry& entry) {
    FileFacts facts(ports);
    CompleteWith(ports, facts, entry);
}

std::string KeptValue(const StartupEntry& entry) {
    return entry.data + (entry.enabled ? "" : " (off)");
}

std::string FindingNameOf(const core::Application& app, const StartupEntry& entry,
                          const Verdict& verdict) {
    return FindingName(app, entry, verdict);
}

bool KeptByUser(const core::Application& app, const StartupEntry& entry) {
    const std::string kept = app.ReadUserSetting(kKeptStartupItemsSection, entry.where, "");
    return !kept.empty() && kept == KeptValue(entry);
}

bool IsFakeBrowser(const JudgedEntry& judged) {
    return judged.entry.category == Category::BrowserShortcut && judged.verdict &&
           judged.verdict->reasonKey == "MSG_SI_FAKEBROWSER";
}

bool IsRemovable(Category category) {
    switch (category) {
        case Category::Run:
        case Category::RunOnce:
        case Category::RunOnceEx:
        case Category::PoliciesRun:
        case Category::Debugger:
        case Category::MonitorProcess:
        case Category::ProxyScript:
        case Category::StartupFolder:
            return true;
        default:
            return false;
    }
}

bool IsChangedInPlace(Category category) {
    switch (category) {
        case Category::WinlogonShell:
        case Category::WinlogonUserinit:
        case Category::AppInit:
        case Category::Proxy:
        case Category::Dns:
        case Category::Hosts:
        case Category::BrowserShortcut:
        case Category::Service:
        case Category::Task:
            return true;
        default:
            return false;
    }
}

std::optional<std::string_view> UnremovableReason(const StartupItemsState& state,
                                                  std::string_view findingName,
                                                  std::string_view location) {
    for (const JudgedEntry& judged : state.entries) {
        if (judged.verdict && !IsRemovable(judged.entry.category) &&
            !IsChangedInPlace(judged.entry.category) && judged.findingName == findingName &&
            judged.entry.where == location) {
            return "MSG_SI_NOT_REMOVED";
        }
    }
    return std::nullopt;
}

void ScanStartupItems(core::Application& app) {
    StartupItemsState& state = app.startupItems;
    state = {};
    if (scan::ScanMustEnd(app)) {
        return;
    }
    ReadStartupItems(app.ports, state);
    app.ports.eventLoop.YieldToMessageLoop();
    if (scan::ScanMustEnd(app)) {
        return;
    }
    RuleContext context;
    context.folders = FoldersOf(app.ports);
    context.managed = app.ports.deviceManagement.ManagedByOrganisation();
    for (JudgedEntry& judged : state.entries) {
        judged.verdict = Judge(judged.entry, context);
        if (!judged.verdict) {
            continue;
        }
        judged.findingName = FindingName(app, judged.entry, *judged.verdict);
        EnterFinding(app, judged);
    }
}

}  // namespace startup_items
