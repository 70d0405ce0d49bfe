#include "scan/cookie_store_locations.h"

#include <optional>
#include <string_view>

#include "core/text.h"
#include "platform/file_system.h"
#include "platform/shell_folders.h"

namespace scan {

namespace {

struct ChromiumBrowser {
    std::string_view name;
    std::string_view userData;  // below the local application data
};

constexpr ChromiumBrowser kChromiumBrowsers[] = {
    {"Chrome", "Google\\Chrome\\User Data"},
    {"Edge", "Microsoft\\Edge\\User Data"},
    {"Brave", "BraveSoftware\\Brave-Browser\\User Data"},
    {"Vivaldi", "Vivaldi\\User Data"},
};

// Newer versions keep the store in "Network"; older ones in the profile.
constexpr std::string_view kChromiumStores[] = {"Network\\Cookies", "Cookies"};
constexpr std::string_view kFirefoxProfiles = "Mozilla\\Firefox\\Profiles";
constexpr std::string_view kFirefoxStore = "cookies.sqlite";

std::optional<std::string> Folder(platform::ShellFolders& folders, int csidl) {
    std::optional<std::string> path = folders.FolderPath(csidl);
    if (!path) {
        return std::nullopt;
    }
    path->resize(path->find('\0') == std::string::npos ? path->size() : path->find('\0'));
    if (core::Trim(*path).empty()) {
        return std::nullopt;
    }
    while (!path->empty() && path->back() == '\\') {
        path->pop_back();
    }
    return path;
}

bool IsFile(platform::FileSystem& fs, const std::string& path) {
    const std::optional<platform::PathAttributes> attributes = fs.Attributes(path);
    return attributes && !attributes->directory && !attributes->reparsePoint;
}

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

}  // namespace

std::vector<CookieStoreLocation> FindCookieStores(platform::ShellFolders& folders,
                                                  platform::FileSystem& fs) {
    std::vector<CookieStoreLocation> stores;
    if (const std::optional<std::string> local = Folder(folders, platform::csidl::kLocalAppData)) {
        for (const ChromiumBrowser& browser : kChromiumBrowsers) {
            const std::string userData = *local + "\\" + std::string(browser.userData);
            for (const std::string& profile : ProfileFolders(fs, userData)) {
                for (const std::string_view store : kChromiumStores) {
                    const std::string path = userData + "\\" + profile + "\\" + std::string(store);
                    if (IsFile(fs, path)) {
                        stores.push_back({std::string(browser.name), profile, path});
                        break;
                    }
                }
            }
        }
    }
    if (const std::optional<std::string> roaming = Folder(folders, platform::csidl::kAppData)) {
        const std::string profiles = *roaming + "\\" + std::string(kFirefoxProfiles);
        for (const std::string& profile : ProfileFolders(fs, profiles)) {
            const std::string path = profiles + "\\" + profile + "\\" + std::string(kFirefoxStore);
            if (IsFile(fs, path)) {
                stores.push_back({"Firefox", profile, path});
            }
        }
    }
    return stores;
}

std::string BrowserOfStore(std::string_view storePath) {
    const std::string upper = core::UpperCase(storePath);
    for (const ChromiumBrowser& browser : kChromiumBrowsers) {
        if (upper.find("\\" + core::UpperCase(browser.userData) + "\\") != std::string::npos) {
            return std::string(browser.name);
        }
    }
    if (upper.find("\\" + core::UpperCase(kFirefoxProfiles) + "\\") != std::string::npos) {
        return "Firefox";
    }
    return {};
}

}  // namespace scan
