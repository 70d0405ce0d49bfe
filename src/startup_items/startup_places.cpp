#include "startup_items/startup_places.h"

#include <array>

#include "base/text.h"
#include "scan/registry_views.h"
#include "startup_items/command_line.h"

namespace startup_items {

namespace {

using platform::RegistryRoot;

constexpr std::string_view kCurrentVersion = "Software\\Microsoft\\Windows\\CurrentVersion";
constexpr std::string_view kNtCurrentVersion = "Software\\Microsoft\\Windows NT\\CurrentVersion";
constexpr std::string_view kTcpipParameters =
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
constexpr RegistryRoot kStores[] = {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser};

// A value's text: a string without its terminating NULs, a number as its
// digits, a multi-string's lines joined by spaces; nullopt for other types.
std::optional<std::string> TextOf(const platform::RegistryValue& value) {
    switch (value.type) {
        case platform::reg_type::kString:
        case platform::reg_type::kExpandString: {
            std::string text = value.data;
            while (!text.empty() && text.back() == '\0') {
                text.pop_back();
            }
            return text.substr(0, text.find('\0'));
        }
        case platform::reg_type::kDword: {
            if (value.data.size() < 4) {
                return std::nullopt;
            }
            std::uint32_t number = 0;
            for (int i = 3; i >= 0; --i) {
                number = (number << 8) | static_cast<unsigned char>(value.data[i]);
            }
            return std::to_string(number);
        }
        case platform::reg_type::kMultiString: {
            std::string text;
            std::string_view rest = value.data;
            while (!rest.empty() && rest.front() != '\0') {
                const std::size_t end = std::min(rest.find('\0'), rest.size());
                text += (text.empty() ? "" : " ") + std::string(rest.substr(0, end));
                rest.remove_prefix(std::min(end + 1, rest.size()));
            }
            return text;
        }
        default:
            return std::nullopt;
    }
}

class PlaceReader {
public:
    explicit PlaceReader(platform::Registry& registry) : m_registry(registry) {}

    // The values of a key, read in the view where its path is literal.
    std::vector<platform::NamedRegistryValue> Values(RegistryRoot root, const std::string& path) {
        std::vector<platform::NamedRegistryValue> values;
        const platform::RegistryOpenResult opened = m_registry.OpenKey(
            root, path, platform::reg_access::kRead, scan::LiteralView(m_registry));
        if (opened.status != platform::reg_status::kOk ||
            opened.key->EnumerateValues(values) != platform::reg_status::kOk) {
            values.clear();
        }
        return values;
    }

    std::vector<std::string> SubKeys(RegistryRoot root, const std::string& path) {
        std::vector<std::string> names;
        const platform::RegistryOpenResult opened = m_registry.OpenKey(
            root, path, platform::reg_access::kRead, scan::LiteralView(m_registry));
        if (opened.status != platform::reg_status::kOk ||
            opened.key->EnumerateSubKeys(names) != platform::reg_status::kOk) {
            names.clear();
        }
        return names;
    }

    std::optional<std::string> Text(RegistryRoot root, const std::string& path,
                                    std::string_view name) {
        const platform::RegistryOpenResult opened = m_registry.OpenKey(
            root, path, platform::reg_access::kQueryValue, scan::LiteralView(m_registry));
        platform::RegistryValue value;
        if (opened.status != platform::reg_status::kOk ||
            opened.key->QueryValue(name, value) != platform::reg_status::kOk) {
            return std::nullopt;
        }
        return TextOf(value);
    }

    // The key's paths in both views of the store.
    std::vector<std::string> Places(RegistryRoot root, std::string_view path) {
        return scan::KeyPlaces(m_registry, root, std::string(path));
    }

    void Add(Category category, RegistryRoot root, const std::string& path,
             const std::string& valueName, std::string name, std::string data,
             bool enabled = true) {
        StartupEntry entry;
        entry.category = category;
        entry.registry = RegistryPlace{root, path, valueName};
        entry.where = RegistryWhere(*entry.registry);
        entry.name = std::move(name);
        entry.data = std::move(data);
        entry.enabled = enabled;
        m_entries.push_back(std::move(entry));
    }

    // Every text value of the key, each an entry named by the value; the
    // key's default value, where RunOnceEx keeps a title, is none.
    void AddEveryValue(Category category, RegistryRoot root, const std::string& path) {
        for (const platform::NamedRegistryValue& value : Values(root, path)) {
            const std::optional<std::string> text = TextOf(value.value);
            if (value.name.empty() || !text || base::Trim(*text).empty()) {
                continue;
            }
            Add(category, root, path, value.name, value.name, *text);
        }
    }

    // One named value of the key, when it holds something.
    void AddValue(Category category, RegistryRoot root, const std::string& path,
                  std::string_view valueName, std::string name, bool enabled = true) {
        const std::optional<std::string> text = Text(root, path, valueName);
        if (text && !base::Trim(*text).empty()) {
            Add(category, root, path, std::string(valueName), std::move(name), *text, enabled);
        }
    }

    void ReadRunKeys() {
        const std::pair<Category, std::string> keys[] = {
            {Category::Run, std::string(kCurrentVersion) + "\\Run"},
            {Category::RunOnce, std::string(kCurrentVersion) + "\\RunOnce"},
            {Category::PoliciesRun, std::string(kCurrentVersion) + "\\Policies\\Explorer\\Run"},
        };
        for (const auto& [category, key] : keys) {
            for (const RegistryRoot root : kStores) {
                for (const std::string& path : Places(root, key)) {
                    AddEveryValue(category, root, path);
                }
            }
        }
        // RunOnceEx keeps its commands in numbered subkeys.
        for (const RegistryRoot root : kStores) {
            for (const std::string& path :
                 Places(root, std::string(kCurrentVersion) + "\\RunOnceEx")) {
                for (const std::string& sub : SubKeys(root, path)) {
                    AddEveryValue(Category::RunOnceEx, root, path + "\\" + sub);
                }
            }
        }
    }

    void ReadWinlogon() {
        const std::string key = std::string(kNtCurrentVersion) + "\\Winlogon";
        for (const RegistryRoot root : kStores) {
            for (const std::string& path : Places(root, key)) {
                AddValue(Category::WinlogonShell, root, path, "Shell", "");
                AddValue(Category::WinlogonUserinit, root, path, "Userinit", "");
            }
        }
    }

    void ReadAppInit() {
        const std::string key = std::string(kNtCurrentVersion) + "\\Windows";
        for (const std::string& path : Places(RegistryRoot::LocalMachine, key)) {
            const std::optional<std::string> load =
                Text(RegistryRoot::LocalMachine, path, "LoadAppInit_DLLs");
            AddValue(Category::AppInit, RegistryRoot::LocalMachine, path, "AppInit_DLLs", "",
                     load && base::LeadingNumber(*load) != 0);
        }
    }

    // A value set per program in the subkeys named after the programs.
    void ReadPerProgram(Category category, std::string_view keyName, std::string_view valueName) {
        const std::string key = std::string(kNtCurrentVersion) + "\\" + std::string(keyName);
        for (const std::string& path : Places(RegistryRoot::LocalMachine, key)) {
            for (const std::string& program : SubKeys(RegistryRoot::LocalMachine, path)) {
                AddValue(category, RegistryRoot::LocalMachine, path + "\\" + program, valueName,
                         program);
            }
        }
    }

    void ReadProxy() {
        const std::string key = std::string(kCurrentVersion) + "\\Internet Settings";
        for (const RegistryRoot root : {RegistryRoot::CurrentUser, RegistryRoot::LocalMachine}) {
            for (const std::string& path : Places(root, key)) {
                const std::optional<std::string> enable = Text(root, path, "ProxyEnable");
                AddValue(Category::Proxy, root, path, "ProxyServer", "ProxyServer",
                         enable && base::LeadingNumber(*enable) != 0);
                AddValue(Category::ProxyScript, root, path, "AutoConfigURL", "AutoConfigURL");
            }
        }
    }

    void ReadDns() {
        const std::string parameters(kTcpipParameters);
        AddValue(Category::Dns, RegistryRoot::LocalMachine, parameters, "NameServer", "");
        const std::string interfaces = parameters + "\\Interfaces";
        for (const std::string& name : SubKeys(RegistryRoot::LocalMachine, interfaces)) {
            AddValue(Category::Dns, RegistryRoot::LocalMachine, interfaces + "\\" + name,
                     "NameServer", name);
        }
    }

    std::vector<StartupEntry> Take() { return std::move(m_entries); }

private:
    platform::Registry& m_registry;
    std::vector<StartupEntry> m_entries;
};

// The words of a line, split at blanks and tabs; a CR of a CR LF line end
// is none of them.
std::vector<std::string_view> Words(std::string_view line) {
    constexpr std::string_view kBlanks = " \t\r";
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(kBlanks, at);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(line.find_first_of(kBlanks, start), line.size());
        words.push_back(line.substr(start, end - start));
        at = end;
    }
    return words;
}

}  // namespace

std::vector<StartupEntry> ReadRegistryPlaces(platform::Registry& registry) {
    PlaceReader reader(registry);
    reader.ReadRunKeys();
    reader.ReadWinlogon();
    reader.ReadAppInit();
    reader.ReadPerProgram(Category::Debugger, "Image File Execution Options", "Debugger");
    reader.ReadPerProgram(Category::MonitorProcess, "SilentProcessExit", "MonitorProcess");
    reader.ReadProxy();
    reader.ReadDns();
    return reader.Take();
}

std::string HostsFilePath(platform::Registry& registry, platform::ShellFolders& shellFolders,
                          platform::Environment& environment) {
    PlaceReader reader(registry);
    const std::optional<std::string> folder =
        reader.Text(RegistryRoot::LocalMachine, std::string(kTcpipParameters), "DataBasePath");
    if (folder && !base::Trim(*folder).empty()) {
        std::string path = ExpandVariables(base::Trim(*folder), environment);
        while (!path.empty() && path.back() == '\\') {
            path.pop_back();
        }
        return path + "\\hosts";
    }
    return shellFolders.FolderPath(platform::csidl::kSystem).value_or("C:\\Windows\\System32") +
           "\\drivers\\etc\\hosts";
}

std::vector<StartupEntry> ParseHostsFile(std::string_view path, std::string_view content,
                                         std::size_t& blockingLines) {
    std::vector<StartupEntry> entries;
    blockingLines = 0;
    std::size_t lineNumber = 0;
    std::size_t at = 0;
    while (at < content.size()) {
        const std::size_t end = std::min(content.find('\n', at), content.size());
        std::string_view line = content.substr(at, end - at);
        at = end + 1;
        ++lineNumber;
        line = line.substr(0, std::min(line.find('#'), line.size()));
        const std::vector<std::string_view> words = Words(line);
        if (words.size() < 2) {
            continue;
        }
        std::string cleaned;
        for (const std::string_view word : words) {
            cleaned += (cleaned.empty() ? "" : " ") + std::string(word);
        }
        if (IsLoopbackOrNullAddress(words.front())) {
            ++blockingLines;
            continue;
        }
        StartupEntry entry;
        entry.category = Category::Hosts;
        entry.where = std::string(path) + ": " + cleaned;
        entry.data = cleaned;
        for (std::size_t i = 1; i < words.size(); ++i) {
            entry.name += (i == 1 ? "" : " ") + std::string(words[i]);
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool IsLoopbackOrNullAddress(std::string_view address) {
    const std::string text = base::LowerCase(address);
    if (text.rfind("127.", 0) == 0 || text == "0.0.0.0" || text == "::1" || text == "::") {
        return true;
    }
    // The long forms of the IPv6 loopback and null addresses.
    std::string digits;
    for (const char c : text) {
        if (c != ':' && c != '0') {
            digits += c;
        }
    }
    return text.find(':') != std::string::npos && (digits.empty() || digits == "1") &&
           text.find_first_not_of("0:1") == std::string::npos &&
           (digits.empty() || text.back() == '1');
}

namespace {

struct Browser {
    std::string_view name;
    // What a shortcut's name says when it is meant to start this browser.
    std::string_view nameWord;
    // Its program files; "" where it has fewer.
    std::array<std::string_view, 2> programs;
};

const Browser kBrowsers[] = {
    {"Chrome", "chrome", {"chrome.exe", ""}},
    {"Edge", "edge", {"msedge.exe", "msedge_proxy.exe"}},
    {"Firefox", "firefox", {"firefox.exe", ""}},
    {"Brave", "brave", {"brave.exe", ""}},
    {"Opera", "opera", {"opera.exe", "launcher.exe"}},
    {"Vivaldi", "vivaldi", {"vivaldi.exe", ""}},
    {"Internet Explorer", "internet explorer", {"iexplore.exe", ""}},
};

// The shortcuts (and, in the Startup folders, every file) of a folder.
void AddFolderFiles(platform::FileSystem& fileSystem, platform::Shell& shell,
                    const std::string& folder, Category category,
                    std::vector<StartupEntry>& entries) {
    if (folder.empty()) {
        return;
    }
    for (const std::string& file : fileSystem.ListFiles(folder)) {
        const std::string path = folder + "\\" + file;
        const bool isShortcut =
            file.size() > 4 && base::EqualsIgnoreCase(file.substr(file.size() - 4), ".lnk");
        if (base::EqualsIgnoreCase(file, "desktop.ini") ||
            (category == Category::BrowserShortcut && !isShortcut)) {
            continue;
        }
        StartupEntry entry;
        entry.category = category;
        entry.where = path;
        entry.name = isShortcut ? file.substr(0, file.size() - 4) : file;
        if (isShortcut) {
            const std::optional<platform::ShortcutLink> link = shell.ReadShortcut(path);
            if (!link) {
                continue;
            }
            if (category == Category::BrowserShortcut && BrowserOfProgram(link->target).empty() &&
                BrowserOfName(entry.name).empty()) {
                continue;
            }
            entry.data = link->target.empty() ? "" : "\"" + link->target + "\"";
            if (!link->arguments.empty()) {
                entry.data += " " + link->arguments;
            }
        } else {
            entry.data = "\"" + path + "\"";
        }
        entries.push_back(std::move(entry));
    }
}

}  // namespace

std::vector<StartupEntry> ReadShortcutPlaces(platform::FileSystem& fileSystem,
                                             platform::ShellFolders& shellFolders,
                                             platform::Shell& shell) {
    std::vector<StartupEntry> entries;
    const auto folder = [&shellFolders](int csidl) {
        return shellFolders.FolderPath(csidl).value_or("");
    };
    for (const int csidl : {platform::csidl::kStartup, platform::csidl::kCommonStartup}) {
        AddFolderFiles(fileSystem, shell, folder(csidl), Category::StartupFolder, entries);
    }
    std::vector<std::string> folders;
    for (const int csidl :
         {platform::csidl::kDesktopDirectory, platform::csidl::kCommonDesktopDirectory,
          platform::csidl::kStartMenu, platform::csidl::kCommonStartMenu}) {
        folders.push_back(folder(csidl));
    }
    // The programs' folders, and the folders of their vendors one below.
    for (const int csidl : {platform::csidl::kPrograms, platform::csidl::kCommonPrograms}) {
        const std::string programs = folder(csidl);
        if (programs.empty()) {
            continue;
        }
        folders.push_back(programs);
        for (const platform::DirectoryEntry& sub :
             fileSystem.ListEntries(programs).value_or(std::vector<platform::DirectoryEntry>{})) {
            if (sub.directory && !sub.reparsePoint &&
                !base::EqualsIgnoreCase(sub.name, "Startup")) {
                folders.push_back(programs + "\\" + sub.name);
            }
        }
    }
    const std::string roaming = folder(platform::csidl::kAppData);
    if (!roaming.empty()) {
        const std::string quickLaunch = roaming + "\\Microsoft\\Internet Explorer\\Quick Launch";
        folders.push_back(quickLaunch);
        folders.push_back(quickLaunch + "\\User Pinned\\TaskBar");
    }
    for (const std::string& path : folders) {
        AddFolderFiles(fileSystem, shell, path, Category::BrowserShortcut, entries);
    }
    return entries;
}

std::string_view BrowserOfProgram(std::string_view path) {
    const std::string file = LowerFileName(path);
    for (const Browser& browser : kBrowsers) {
        for (const std::string_view program : browser.programs) {
            if (!program.empty() && file == program) {
                return browser.name;
            }
        }
    }
    return {};
}

std::string_view BrowserOfName(std::string_view shortcutName) {
    const std::string name = base::LowerCase(shortcutName);
    for (const Browser& browser : kBrowsers) {
        if (name.find(browser.nameWord) != std::string::npos) {
            return browser.name;
        }
    }
    return {};
}

std::string_view CategoryName(Category category) {
    switch (category) {
        case Category::Run:
            return "Run";
        case Category::RunOnce:
            return "RunOnce";
        case Category::RunOnceEx:
            return "RunOnceEx";
        case Category::PoliciesRun:
            return "Policies Run";
        case Category::WinlogonShell:
            return "Winlogon Shell";
        case Category::WinlogonUserinit:
            return "Winlogon Userinit";
        case Category::AppInit:
            return "AppInit_DLLs";
        case Category::Debugger:
            return "IFEO Debugger";
        case Category::MonitorProcess:
            return "SilentProcessExit";
        case Category::Hosts:
            return "Hosts";
        case Category::Proxy:
            return "Proxy";
        case Category::ProxyScript:
            return "Proxy script";
        case Category::Dns:
            return "DNS";
        case Category::StartupFolder:
            return "Startup folder";
        case Category::BrowserShortcut:
            return "Browser shortcut";
        case Category::Service:
            return "Service";
        case Category::Task:
            return "Task";
    }
    return "Run";
}

std::string RegistryWhere(const RegistryPlace& place) {
    const std::string root =
        place.root == RegistryRoot::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
    return root + "\\" + place.keyPath + "\\" + place.valueName;
}

}  // namespace startup_items
