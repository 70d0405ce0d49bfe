#include "scan/browser_policies.h"

#include <optional>

#include "core/json_reader.h"
#include "core/text.h"
#include "scan/browser_policy_json.h"
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

// The places one store's key of a browser is read at: where the path leads
// literally and, in the machine's store on 64-bit Windows, where the 32-bit
// view leads when that is elsewhere.
std::vector<std::string> PlacesOf(platform::Registry& registry, platform::RegistryRoot root,
                                  const std::string& path) {
    std::vector<std::string> places{path};
    if (root != platform::RegistryRoot::LocalMachine || !registry.HasWow32View()) {
        return places;
    }
    const platform::RegistryOpenResult opened =
        registry.OpenKey(root, path, platform::reg_access::kRead, platform::RegistryView::Wow32);
    if (opened.status != platform::reg_status::kOk) {
        return places;
    }
    if (std::optional<std::string> redirected = RedirectedKeyPath(path, opened.key->KernelName())) {
        places.push_back(std::move(*redirected));
    }
    return places;
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
        if (ReadRegistryValue(key, name, value) == 0 && !core::Trim(value).empty()) {
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
            if (!core::Trim(value).empty()) {
                Add(path, entry.name, kind, core::Trim(value));
            }
        }
    }

    void AddExtensionSettings(platform::RegistryKey& key, const std::string& path) {
        std::string text;
        if (ReadRegistryValue(key, "ExtensionSettings", text) != 0) {
            return;
        }
        const std::optional<core::JsonValue> settings = core::ParseJson(text);
        if (!settings || !settings->IsObject()) {
            return;
        }
        const std::vector<std::string> ids = InstalledExtensionIds(*settings);
        if (ids.empty()) {
            return;
        }
        std::string joined = ids.front();
        for (std::size_t i = 1; i < ids.size(); ++i) {
            joined += ", " + ids[i];
        }
        Add(path, "ExtensionSettings", PolicyKind::ForcedExtension, joined);
    }

    void ReadChromium(const std::string& path) {
        std::unique_ptr<platform::RegistryKey> key = Open(path);
        if (!key) {
            return;
        }
        AddValue(*key, path, "HomepageLocation", PolicyKind::StartPage);
        AddValue(*key, path, "NewTabPageLocation", PolicyKind::NewTabPage);
        std::vector<platform::NamedRegistryValue> values;
        if (key->EnumerateValues(values) == platform::reg_status::kOk) {
            for (const platform::NamedRegistryValue& entry : values) {
                if (!core::StartsWithIgnoreCase(entry.name, "DefaultSearchProvider")) {
                    continue;
                }
                const bool engine =
                    core::EqualsIgnoreCase(entry.name, "DefaultSearchProviderSearchURL") ||
                    core::EqualsIgnoreCase(entry.name, "DefaultSearchProviderName");
                std::string value;
                if (ReadRegistryValue(*key, entry.name, value) == 0) {
                    Add(path, entry.name,
                        engine ? PolicyKind::SearchEngine : PolicyKind::SearchSetting, value,
                        entry.name);
                }
            }
        }
        AddExtensionSettings(*key, path);
        AddList(path + "\\RestoreOnStartupURLs", PolicyKind::StartupPage, false);
        AddList(path + "\\ExtensionInstallForcelist", PolicyKind::ForcedExtension, true);
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
                        core::Trim(engineName).empty() ? name : engineName);
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
        for (const std::string& software : PlacesOf(registry, root, "SOFTWARE\\Policies")) {
            // The view's place of SOFTWARE\Policies, with the browser's key below it.
            const std::string base = software.substr(0, software.size() - 8);
            for (const PolicyKey& browser : kPolicyKeys) {
                KeyReader reader(registry, root, browser.browser, found);
                const std::string path = base + std::string(browser.path);
                if (browser.firefox) {
                    reader.ReadFirefox(path);
                } else {
                    reader.ReadChromium(path);
                }
            }
        }
    }
    return found;
}

std::vector<BrowserPolicy> ReadPolicyFiles(platform::FileSystem& fileSystem,
                                           platform::ShellFolders& shellFolders) {
    std::vector<BrowserPolicy> found;
    std::vector<std::string> folders;
    for (const int csidl : {platform::csidl::kProgramFiles, platform::csidl::kProgramFilesX86}) {
        const std::optional<std::string> folder = shellFolders.FolderPath(csidl);
        if (!folder || core::Trim(*folder).empty()) {
            continue;
        }
        bool seen = false;
        for (const std::string& known : folders) {
            seen = seen || core::EqualsIgnoreCase(known, *folder);
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
        if (!size || *size > core::kJsonMaxSize) {
            continue;
        }
        const std::optional<std::string> text = fileSystem.ReadWholeFile(path);
        const std::optional<core::JsonValue> document =
            text ? core::ParseJson(*text) : std::nullopt;
        if (!document) {
            continue;
        }
        BrowserPolicy policy;
        policy.browser = "Firefox";
        policy.effects = PolicyFileEffects(*document);
        policy.file = path;
        if (!policy.effects.empty()) {
            found.push_back(std::move(policy));
        }
    }
    return found;
}

}  // namespace scan
