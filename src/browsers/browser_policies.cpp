#include "browsers/browser_policies.h"

#include <optional>

#include "base/json_reader.h"
#include "base/text.h"
#include "browsers/browser_policy_json.h"
#include "scan/registry_scan.h"
#include "scan/registry_views.h"

namespace scan {

namespace {

struct PolicyKey {
    std::string_view browser;
    std::string_view path;  // below SOFTWARE, as the browser names it
    bool firefox = false;
};

constexpr PolicyKey kPolicyKeys[] = {
    {"Chrome", "Policies\\Google\\Chrome", false},
    {"Edge", "Policies\\Microsoft\\Edge", false},
    {"Brave", "Policies\\BraveSoftware\\Brave", false},
    {"Firefox", "Policies\\Mozilla\\Firefox", true},
};

// A policy's text: a string as ReadRegistryValue reads it, or a multi-string's
// lines joined by line ends (Firefox's administrative template writes
// ExtensionSettings so). 0, -1 when absent or not text, or the read's status.
long ReadPolicyText(platform::RegistryKey& key, std::string_view name, std::string& text) {
    platform::RegistryValue data;
    const long status = key.QueryValue(name, data);
    if (status != platform::reg_status::kOk || data.type != platform::reg_type::kMultiString) {
        return ReadRegistryValue(key, name, text);
    }
    text.clear();
    std::string_view rest = data.data;
    while (!rest.empty() && rest.front() != '\0') {
        const std::size_t end = std::min(rest.find('\0'), rest.size());
        text += (text.empty() ? "" : "\n") + std::string(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return 0;
}

std::string Joined(const std::vector<std::string>& values) {
    std::string joined;
    for (const std::string& value : values) {
        joined += (joined.empty() ? "" : ", ") + value;
    }
    return joined;
}

class KeyReader {
public:
    KeyReader(platform::Registry& registry, platform::RegistryRoot root, std::string_view browser,
              std::vector<BrowserPolicy>& found)
        : m_registry(registry), m_root(root), m_browser(browser), m_found(found) {}

    std::unique_ptr<platform::RegistryKey> Open(const std::string& path) {
        platform::RegistryOpenResult opened =
            m_registry.OpenKey(m_root, path, platform::reg_access::kRead, LiteralView(m_registry));
        return std::move(opened.key);
    }

    void Add(const std::string& path, const std::string& valueName, PolicyKind kind,
             std::string value, std::string setting = {}) {
        BrowserPolicy policy;
        policy.browser = std::string(m_browser);
        policy.effects.push_back({kind, std::move(value), std::move(setting)});
        policy.root = m_root;
        policy.keyPath = path;
        policy.valueName = valueName;
        m_found.push_back(std::move(policy));
    }

    // A text value that says something; a number counts as its digits.
    void AddValue(platform::RegistryKey& key, const std::string& path, const std::string& name,
                  PolicyKind kind) {
        std::string value;
        if (ReadRegistryValue(key, name, value) == 0 && !base::Trim(value).empty()) {
            Add(path, name, kind, value);
        }
    }

    // Every value of a list key ("1", "2", …), each its own policy; `cut`
    // keeps the text before the first ';' (an extension's id before its
    // update address).
    void AddList(const std::string& path, PolicyKind kind, bool cut) {
        std::unique_ptr<platform::RegistryKey> key = Open(path);
        std::vector<platform::NamedRegistryValue> values;
        if (!key || key->EnumerateValues(values) != platform::reg_status::kOk) {
            return;
        }
        for (const platform::NamedRegistryValue& entry : values) {
            std::string value;
            if (ReadRegistryValue(*key, entry.name, value) != 0) {
                continue;
            }
            if (cut) {
                value = value.substr(0, value.find(';'));
            }
            if (!base::Trim(value).empty()) {
                Add(path, entry.name, kind, base::Trim(value));
            }
        }
    }

    void AddUnreadable(const std::string& path, const std::string& valueName) {
        Add(path, valueName, PolicyKind::Unreadable, valueName);
    }

    // The JSON a value holds, when it holds some: a value there but unread
    // within the limits is a policy of its own, since the browser may apply
    // it.
    std::optional<base::JsonValue> JsonOf(platform::RegistryKey& key, const std::string& path,
                                          const std::string& name) {
        std::string text;
        const long status = ReadPolicyText(key, name, text);
        if (status == -1) {
            return std::nullopt;
        }
        base::JsonReadResult read;
        if (status == 0) {
            read = base::ReadJson(text);
        } else {
            read.status = base::JsonStatus::BeyondLimits;
        }
        if (read.status == base::JsonStatus::BeyondLimits) {
            AddUnreadable(path, name);
        }
        return std::move(read.value);
    }

    void AddExtensionSettings(platform::RegistryKey& key, const std::string& path) {
        const std::optional<base::JsonValue> settings = JsonOf(key, path, "ExtensionSettings");
        if (settings && settings->IsObject()) {
            const std::vector<std::string> ids = InstalledExtensionIds(*settings);
            if (!ids.empty()) {
                Add(path, "ExtensionSettings", PolicyKind::ForcedExtension, Joined(ids));
            }
        }
        // The same dictionary as a key per extension, each with its own
        // installation_mode value: each such key is a policy.
        const std::string tree = path + "\\ExtensionSettings";
        std::unique_ptr<platform::RegistryKey> settingsKey = Open(tree);
        std::vector<std::string> ids;
        if (!settingsKey || settingsKey->EnumerateSubKeys(ids) != platform::reg_status::kOk) {
            return;
        }
        for (const std::string& id : ids) {
            std::unique_ptr<platform::RegistryKey> entry = Open(tree + "\\" + id);
            std::string mode;
            if (id != "*" && entry && ReadRegistryValue(*entry, "installation_mode", mode) == 0 &&
                InstallsExtension(mode)) {
                Add(tree + "\\" + id, "", PolicyKind::ForcedExtension, id);
            }
        }
    }

    // A list policy written as one string holding a JSON array, as the
    // browsers take it too; `cut` as in AddList.
    void AddJsonList(platform::RegistryKey& key, const std::string& path, const std::string& name,
                     PolicyKind kind, bool cut) {
        const std::optional<base::JsonValue> list = JsonOf(key, path, name);
        if (!list || !list->IsArray()) {
            return;
        }
        std::vector<std::string> values;
        for (const base::JsonValue& item : list->items) {
            std::string value = item.IsString() ? item.text : std::string();
            if (cut) {
                value = value.substr(0, value.find(';'));
            }
            if (!base::Trim(value).empty()) {
                values.push_back(base::Trim(value));
            }
        }
        if (!values.empty()) {
            Add(path, name, kind, Joined(values));
        }
    }

    // A Chromium browser's policies; its Recommended key, which sets the
    // pages and the search engine until the user changes them, has no
    // extension policies.
    void ReadChromium(const std::string& path, bool recommended) {
        std::unique_ptr<platform::RegistryKey> key = Open(path);
        if (!key) {
            return;
        }
        AddValue(*key, path, "HomepageLocation", PolicyKind::StartPage);
        AddValue(*key, path, "NewTabPageLocation", PolicyKind::NewTabPage);
        std::vector<platform::NamedRegistryValue> values;
        if (key->EnumerateValues(values) == platform::reg_status::kOk) {
            for (const platform::NamedRegistryValue& entry : values) {
                if (!base::StartsWithIgnoreCase(entry.name, "DefaultSearchProvider")) {
                    continue;
                }
                const bool engine =
                    base::EqualsIgnoreCase(entry.name, "DefaultSearchProviderSearchURL") ||
                    base::EqualsIgnoreCase(entry.name, "DefaultSearchProviderName");
                std::string value;
                if (ReadRegistryValue(*key, entry.name, value) == 0) {
                    Add(path, entry.name,
                        engine ? PolicyKind::SearchEngine : PolicyKind::SearchSetting, value,
                        entry.name);
                }
            }
        }
        AddList(path + "\\RestoreOnStartupURLs", PolicyKind::StartupPage, false);
        AddJsonList(*key, path, "RestoreOnStartupURLs", PolicyKind::StartupPage, false);
        if (recommended) {
            return;
        }
        AddExtensionSettings(*key, path);
        AddList(path + "\\ExtensionInstallForcelist", PolicyKind::ForcedExtension, true);
        AddJsonList(*key, path, "ExtensionInstallForcelist", PolicyKind::ForcedExtension, true);
        ReadChromium(path + "\\Recommended", true);
    }

    void ReadFirefox(const std::string& path) {
        std::unique_ptr<platform::RegistryKey> key = Open(path);
        if (!key) {
            return;
        }
        if (std::unique_ptr<platform::RegistryKey> homepage = Open(path + "\\Homepage")) {
            AddValue(*homepage, path + "\\Homepage", "URL", PolicyKind::StartPage);
            AddValue(*homepage, path + "\\Homepage", "StartPage", PolicyKind::StartupMode);
        }
        AddList(path + "\\Homepage\\Additional", PolicyKind::StartupPage, false);
        const std::string search = path + "\\SearchEngines";
        if (std::unique_ptr<platform::RegistryKey> engines = Open(search)) {
            AddValue(*engines, search, "Default", PolicyKind::SearchEngine);
        }
        // Each engine added is a key of its own ("Add\1" with Name,
        // URLTemplate, …): the whole key is the policy.
        if (std::unique_ptr<platform::RegistryKey> added = Open(search + "\\Add")) {
            std::vector<std::string> names;
            if (added->EnumerateSubKeys(names) == platform::reg_status::kOk) {
                for (const std::string& name : names) {
                    const std::string enginePath = search + "\\Add\\" + name;
                    std::string engineName;
                    if (std::unique_ptr<platform::RegistryKey> engine = Open(enginePath)) {
                        static_cast<void>(ReadRegistryValue(*engine, "Name", engineName));
                    }
                    Add(enginePath, "", PolicyKind::AddedSearchEngine,
                        base::Trim(engineName).empty() ? name : engineName);
                }
            }
        }
        AddList(path + "\\Extensions\\Install", PolicyKind::ForcedExtension, false);
        AddExtensionSettings(*key, path);
    }

private:
    platform::Registry& m_registry;
    platform::RegistryRoot m_root;
    std::string_view m_browser;
    std::vector<BrowserPolicy>& m_found;
};

}  // namespace

std::vector<BrowserPolicy> ReadRegistryPolicies(platform::Registry& registry) {
    std::vector<BrowserPolicy> found;
    for (const platform::RegistryRoot root :
         {platform::RegistryRoot::LocalMachine, platform::RegistryRoot::CurrentUser}) {
        for (const std::string& software : KeyPlaces(registry, root, "SOFTWARE\\Policies")) {
            // The view's place of SOFTWARE\Policies, with the browser's key below it.
            const std::string base = software.substr(0, software.size() - 8);
            for (const PolicyKey& browser : kPolicyKeys) {
                KeyReader reader(registry, root, browser.browser, found);
                const std::string path = base + std::string(browser.path);
                if (browser.firefox) {
                    reader.ReadFirefox(path);
                } else {
                    reader.ReadChromium(path, false);
                }
            }
        }
    }
    return found;
}

bool IsPolicyListKey(std::string_view keyPath) {
    const std::string path = base::UpperCase(keyPath);
    if (path.find("\\POLICIES\\") == std::string::npos) {
        return false;
    }
    for (const std::string_view list :
         {"\\RESTOREONSTARTUPURLS", "\\EXTENSIONINSTALLFORCELIST", "\\HOMEPAGE\\ADDITIONAL",
          "\\EXTENSIONS\\INSTALL", "\\EXTENSIONSETTINGS"}) {
        if (path.ends_with(list)) {
            return true;
        }
    }
    return false;
}

std::vector<BrowserPolicy> ReadPolicyFiles(platform::FileSystem& fileSystem,
                                           platform::ShellFolders& shellFolders) {
    std::vector<BrowserPolicy> found;
    std::vector<std::string> folders;
    for (const int csidl : {platform::csidl::kProgramFiles, platform::csidl::kProgramFilesX86}) {
        const std::optional<std::string> folder = shellFolders.FolderPath(csidl);
        if (!folder || base::Trim(*folder).empty()) {
            continue;
        }
        bool seen = false;
        for (const std::string& known : folders) {
            seen = seen || base::EqualsIgnoreCase(known, *folder);
        }
        if (!seen) {
            folders.push_back(*folder);
        }
    }
    for (std::string folder : folders) {
        if (folder.back() == '\\') {
            folder.pop_back();
        }
        const std::string path = folder + "\\Mozilla Firefox\\distribution\\policies.json";
        const std::optional<std::uint64_t> size = fileSystem.FileSize(path);
        if (!size) {
            continue;
        }
        // There, but unread (too long, too deep, or not to be opened): what
        // Firefox takes from it is unknown, and that is said.
        base::JsonReadResult read;
        read.status = base::JsonStatus::BeyondLimits;
        if (*size <= base::kJsonMaxSize) {
            if (const std::optional<std::string> text = fileSystem.ReadWholeFile(path)) {
                read = base::ReadJson(*text);
            }
        }
        if (read.status == base::JsonStatus::NotJson) {
            continue;
        }
        BrowserPolicy policy;
        policy.browser = "Firefox";
        policy.effects = read.value ? PolicyFileEffects(*read.value)
                                    : std::vector<PolicyEffect>{{PolicyKind::Unreadable, path, {}}};
        policy.file = path;
        if (!policy.effects.empty()) {
            found.push_back(std::move(policy));
        }
    }
    return found;
}

}  // namespace scan
