#include "browsers/cookie_store_locations.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "base/text.h"
#include "browsers/browser_folders.h"
#include "platform/file_system.h"
#include "platform/shell_folders.h"
#include "platform/text_codec.h"

namespace scan {

namespace {

struct ChromiumBrowser {
    std::string_view name;
    std::string_view userData;  // below the local application data
};

constexpr ChromiumBrowser kChromiumBrowsers[] = {
    {"Chrome", "Google\\Chrome\\User Data"},
    {"Chrome Beta", "Google\\Chrome Beta\\User Data"},
    {"Chrome Dev", "Google\\Chrome Dev\\User Data"},
    {"Chrome Canary", "Google\\Chrome SxS\\User Data"},
    {"Edge", "Microsoft\\Edge\\User Data"},
    {"Edge Beta", "Microsoft\\Edge Beta\\User Data"},
    {"Edge Dev", "Microsoft\\Edge Dev\\User Data"},
    {"Edge Canary", "Microsoft\\Edge SxS\\User Data"},
    {"Brave", "BraveSoftware\\Brave-Browser\\User Data"},
    {"Vivaldi", "Vivaldi\\User Data"},
};

// Newer versions keep the store in "Network"; older ones in the profile.
constexpr std::string_view kChromiumStores[] = {"Network\\Cookies", "Cookies"};
constexpr std::string_view kFirefoxFolder = "Mozilla\\Firefox";
constexpr std::string_view kFirefoxStore = "cookies.sqlite";
// The Microsoft Store's Firefox keeps what others roam below its package's
// folder in the local application data.
constexpr std::string_view kPackages = "Packages";
constexpr std::string_view kFirefoxPackagePrefix = "Mozilla.Firefox";
constexpr std::string_view kPackageRoaming = "LocalCache\\Roaming";

std::vector<std::string> ProfileFolders(platform::FileSystem& fs, const std::string& parent) {
    std::vector<std::string> names;
    for (const platform::DirectoryEntry& entry :
         fs.ListEntries(parent).value_or(std::vector<platform::DirectoryEntry>{})) {
        if (entry.directory && !entry.reparsePoint) {
            names.push_back(entry.name);
        }
    }
    return names;
}

// The profile folders that Firefox's profiles.ini names, in its order: a
// relative path ("Profiles/x.default") below the Firefox folder, an absolute
// one (IsRelative=0) where it says. The file is UTF-8.
std::vector<std::string> IniProfiles(platform::FileSystem& fs, platform::TextCodec& codec,
                                     const std::string& firefox) {
    std::vector<std::string> folders;
    const std::optional<std::string> ini = fs.ReadWholeFile(firefox + "\\profiles.ini");
    if (!ini) {
        return folders;
    }
    std::string_view text = *ini;
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    bool inProfile = false;
    std::string path;
    bool relative = true;
    const auto endSection = [&] {
        if (inProfile && !path.empty()) {
            std::string folder = relative ? firefox + "\\" + base::ReplaceAll(path, "/", "\\")
                                          : codec.Utf8ToAnsi(path);
            while (!folder.empty() && folder.back() == '\\') {
                folder.pop_back();
            }
            folders.push_back(std::move(folder));
        }
        path.clear();
        relative = true;
    };
    for (const std::string& raw : base::SplitLines(text)) {
        const std::string line = base::Trim(raw);
        if (line.starts_with("[")) {
            endSection();
            inProfile = base::StartsWithIgnoreCase(line, "[Profile");
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inProfile || equals == std::string::npos) {
            continue;
        }
        const std::string key = base::Trim(std::string_view(line).substr(0, equals));
        const std::string value = base::Trim(std::string_view(line).substr(equals + 1));
        if (base::EqualsIgnoreCase(key, "Path")) {
            path = value;
        } else if (base::EqualsIgnoreCase(key, "IsRelative")) {
            relative = value != "0";
        }
    }
    endSection();
    return folders;
}

std::string LastPart(std::string_view path) {
    const std::size_t slash = path.find_last_of('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// Firefox's folders: the usual roaming one and the Microsoft Store's.
std::vector<std::string> FirefoxFolders(platform::ShellFolders& shellFolders,
                                        platform::FileSystem& fs) {
    std::vector<std::string> folders;
    if (const std::optional<std::string> roaming =
            browsers::ShellFolder(shellFolders, platform::csidl::kAppData)) {
        folders.push_back(*roaming + "\\" + std::string(kFirefoxFolder));
    }
    if (const std::optional<std::string> local =
            browsers::ShellFolder(shellFolders, platform::csidl::kLocalAppData)) {
        const std::string packages = *local + "\\" + std::string(kPackages);
        for (const std::string& package : ProfileFolders(fs, packages)) {
            if (base::StartsWithIgnoreCase(package, kFirefoxPackagePrefix)) {
                folders.push_back(packages + "\\" + package + "\\" + std::string(kPackageRoaming) +
                                  "\\" + std::string(kFirefoxFolder));
            }
        }
    }
    return folders;
}

}  // namespace

std::vector<std::string> FindFirefoxProfiles(platform::ShellFolders& folders,
                                             platform::FileSystem& fs, platform::TextCodec& codec) {
    std::vector<std::string> found;
    std::vector<std::string> seen;
    for (const std::string& firefox : FirefoxFolders(folders, fs)) {
        std::vector<std::string> profiles;
        for (const std::string& name : ProfileFolders(fs, firefox + "\\Profiles")) {
            profiles.push_back(firefox + "\\Profiles\\" + name);
        }
        for (std::string& folder : IniProfiles(fs, codec, firefox)) {
            profiles.push_back(std::move(folder));
        }
        for (std::string& profile : profiles) {
            const std::string key = base::UpperCase(profile);
            if (std::find(seen.begin(), seen.end(), key) != seen.end() ||
                !browsers::IsRealFolder(fs, profile)) {
                continue;
            }
            seen.push_back(key);
            found.push_back(std::move(profile));
        }
    }
    return found;
}

std::vector<CookieStoreLocation> FindCookieStores(platform::ShellFolders& folders,
                                                  platform::FileSystem& fs,
                                                  platform::TextCodec& codec) {
    std::vector<CookieStoreLocation> stores;
    if (const std::optional<std::string> local =
            browsers::ShellFolder(folders, platform::csidl::kLocalAppData)) {
        for (const ChromiumBrowser& browser : kChromiumBrowsers) {
            const std::string userData = *local + "\\" + std::string(browser.userData);
            for (const std::string& profile : ProfileFolders(fs, userData)) {
                for (const std::string_view store : kChromiumStores) {
                    const std::string path = userData + "\\" + profile + "\\" + std::string(store);
                    if (browsers::IsFile(fs, path)) {
                        stores.push_back({std::string(browser.name), profile, path});
                        break;
                    }
                }
            }
        }
    }
    for (const std::string& profile : FindFirefoxProfiles(folders, fs, codec)) {
        const std::string path = profile + "\\" + std::string(kFirefoxStore);
        if (browsers::IsFile(fs, path)) {
            stores.push_back({"Firefox", LastPart(profile), path});
        }
    }
    return stores;
}

std::string BrowserOfStore(std::string_view storePath) {
    const std::string upper = base::UpperCase(storePath);
    for (const ChromiumBrowser& browser : kChromiumBrowsers) {
        if (upper.find("\\" + base::UpperCase(browser.userData) + "\\") != std::string::npos) {
            return std::string(browser.name);
        }
    }
    // A profile that profiles.ini places anywhere still has Firefox's store.
    if (upper.find("\\" + base::UpperCase(kFirefoxFolder) + "\\") != std::string::npos ||
        upper.ends_with("\\" + base::UpperCase(kFirefoxStore))) {
        return "Firefox";
    }
    return {};
}

}  // namespace scan
