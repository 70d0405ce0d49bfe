#include "browsers/extension_inventory.h"

#include <algorithm>
#include <optional>

#include "base/json_reader.h"
#include "base/text.h"
#include "browsers/browser_folders.h"
#include "browsers/cookie_store_locations.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/shell_folders.h"
#include "platform/text_codec.h"
#include "scan/registry_views.h"

namespace browsers {

namespace {

struct ChromiumBrowser {
    std::string_view name;
    int folder;                    // the shell folder the user data lies below
    std::string_view userData;     // below that folder
    std::string_view registryKey;  // below SOFTWARE; "" when the browser reads none
};

constexpr ChromiumBrowser kChromiumBrowsers[] = {
    {"Chrome", platform::csidl::kLocalAppData, "Google\\Chrome\\User Data",
     "Google\\Chrome\\Extensions"},
    {"Chrome Beta", platform::csidl::kLocalAppData, "Google\\Chrome Beta\\User Data", ""},
    {"Chrome Dev", platform::csidl::kLocalAppData, "Google\\Chrome Dev\\User Data", ""},
    {"Chrome Canary", platform::csidl::kLocalAppData, "Google\\Chrome SxS\\User Data", ""},
    {"Edge", platform::csidl::kLocalAppData, "Microsoft\\Edge\\User Data",
     "Microsoft\\Edge\\Extensions"},
    {"Brave", platform::csidl::kLocalAppData, "BraveSoftware\\Brave-Browser\\User Data",
     "BraveSoftware\\Brave-Browser\\Extensions"},
    {"Vivaldi", platform::csidl::kLocalAppData, "Vivaldi\\User Data", ""},
    {"Chromium", platform::csidl::kLocalAppData, "Chromium\\User Data", "Chromium\\Extensions"},
    // Opera keeps its one profile in the folder itself, below the roaming data.
    {"Opera", platform::csidl::kAppData, "Opera Software\\Opera Stable", ""},
};

constexpr std::string_view kFirefoxRegistryKey = "Mozilla\\Firefox\\Extensions";

// Larger than any manifest or messages file; one above it is not read.
constexpr std::uint64_t kLargestManifest = 1U << 20;

std::optional<std::string> ReadLimited(platform::FileSystem& fs, const std::string& path,
                                       std::uint64_t largest) {
    const std::optional<std::uint64_t> size = fs.FileSize(path);
    if (!size || *size > largest || !IsFile(fs, path)) {
        return std::nullopt;
    }
    return fs.ReadWholeFile(path);
}

// A name taken from a file, used as one part of a path: no separators, no
// climbing out, nothing empty.
bool IsPlainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("\\/:") == std::string_view::npos;
}

// A relative path from a settings file that stays below its folder.
bool StaysBelow(std::string_view path) {
    if (path.empty() || path.find(':') != std::string_view::npos || path.front() == '\\' ||
        path.front() == '/') {
        return false;
    }
    for (const std::string& part : base::Split(base::ReplaceAll(path, "/", "\\"), "\\")) {
        if (part == "..") {
            return false;
        }
    }
    return true;
}

std::string LastPart(std::string_view path) {
    const std::size_t slash = path.find_last_of('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// The profile folders of a Chromium browser: those its Local State lists
// and every folder holding Preferences; Opera's folder is its profile.
std::vector<std::string> ChromiumProfiles(platform::FileSystem& fs, const std::string& userData) {
    std::vector<std::string> names;
    const auto add = [&](const std::string& name) {
        if (IsPlainName(name) && IsRealFolder(fs, userData + "\\" + name) &&
            std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(name);
        }
    };
    if (const std::optional<std::string> state =
            ReadLimited(fs, userData + "\\Local State", base::kJsonMaxSettingsSize)) {
        const std::optional<base::JsonValue> document =
            base::ReadJson(*state, base::kJsonMaxSettingsSize).value;
        const base::JsonValue* profile = document ? document->Member("profile") : nullptr;
        const base::JsonValue* cache = profile ? profile->Member("info_cache") : nullptr;
        if (cache != nullptr && cache->IsObject()) {
            for (const base::JsonMember& member : cache->members) {
                add(member.name);
            }
        }
    }
    for (const platform::DirectoryEntry& entry :
         fs.ListEntries(userData).value_or(std::vector<platform::DirectoryEntry>{})) {
        if (entry.directory && !entry.reparsePoint &&
            IsFile(fs, userData + "\\" + entry.name + "\\Preferences")) {
            add(entry.name);
        }
    }
    return names;
}

// The extension's folder: a store extension's below the profile's
// Extensions folder (its newest version when the settings name none), an
// unpacked one where the settings say.
std::string ChromiumFolder(platform::FileSystem& fs, platform::TextCodec& codec,
                           const std::string& profileFolder, const RecordedExtension& extension) {
    if (extension.source == ExtensionSource::Unpacked) {
        const std::string path = codec.Utf8ToAnsi(extension.path);
        return path.size() > 2 && path[1] == ':' ? path : std::string();
    }
    const std::string base = profileFolder + "\\Extensions\\" + extension.id;
    if (!extension.path.empty()) {
        if (!StaysBelow(extension.path)) {
            return {};
        }
        const std::string relative = base::ReplaceAll(codec.Utf8ToAnsi(extension.path), "/", "\\");
        return profileFolder + "\\Extensions\\" + relative;
    }
    std::vector<std::string> versions;
    for (const platform::DirectoryEntry& entry :
         fs.ListEntries(base).value_or(std::vector<platform::DirectoryEntry>{})) {
        if (entry.directory && !entry.reparsePoint) {
            versions.push_back(entry.name);
        }
    }
    std::sort(versions.begin(), versions.end());
    return versions.empty() ? std::string() : base + "\\" + versions.back();
}

// Name, version and overrides from the extension's own manifest when the
// settings lack them, and a "__MSG_…__" name from the default locale.
void CompleteFromFolder(platform::FileSystem& fs, InstalledExtension& found) {
    RecordedExtension& extension = found.extension;
    if (found.folder.empty()) {
        return;
    }
    if (!extension.hasManifest) {
        if (const std::optional<std::string> text =
                ReadLimited(fs, found.folder + "\\manifest.json", kLargestManifest)) {
            if (const std::optional<RecordedExtension> manifest = ReadManifest(*text)) {
                extension.name = manifest->name;
                extension.version = manifest->version;
                extension.defaultLocale = manifest->defaultLocale;
                extension.overrides = manifest->overrides;
                extension.hasManifest = true;
            }
        }
    }
    if (!MessageKey(extension.name).empty() && IsPlainName(extension.defaultLocale)) {
        if (const std::optional<std::string> messages = ReadLimited(
                fs, found.folder + "\\_locales\\" + extension.defaultLocale + "\\messages.json",
                kLargestManifest)) {
            extension.name = ResolveMessageName(extension.name, *messages);
        }
    }
}

// One profile's extensions: Secure Preferences first (where the browsers
// keep them on Windows), then what Preferences adds or knows better.
void AddChromiumProfile(platform::FileSystem& fs, platform::TextCodec& codec,
                        const ChromiumBrowser& browser, const std::string& profileFolder,
                        const std::string& profile, std::vector<InstalledExtension>& found) {
    const std::size_t first = found.size();
    for (const std::string_view file : {"Secure Preferences", "Preferences"}) {
        const std::string path = profileFolder + "\\" + std::string(file);
        const std::optional<std::string> text = ReadLimited(fs, path, base::kJsonMaxSettingsSize);
        if (!text) {
            continue;
        }
        for (RecordedExtension& extension : ReadChromiumSettings(*text)) {
            const auto same = std::find_if(
                found.begin() + static_cast<std::ptrdiff_t>(first), found.end(),
                [&](const InstalledExtension& e) { return e.extension.id == extension.id; });
            if (same != found.end()) {
                if (!same->extension.hasManifest && extension.hasManifest) {
                    same->extension.name = extension.name;
                    same->extension.version = extension.version;
                    same->extension.overrides = extension.overrides;
                    same->extension.defaultLocale = extension.defaultLocale;
                    same->extension.hasManifest = true;
                }
                continue;
            }
            InstalledExtension entry;
            entry.browser = std::string(browser.name);
            entry.family = BrowserFamily::Chromium;
            entry.profile = profile;
            entry.extension = std::move(extension);
            entry.recordedIn = path;
            found.push_back(std::move(entry));
        }
    }
    for (std::size_t i = first; i < found.size(); ++i) {
        found[i].folder = ChromiumFolder(fs, codec, profileFolder, found[i].extension);
        CompleteFromFolder(fs, found[i]);
    }
}

// A registration that no profile of the browser has taken up yet.
void AddUnclaimed(std::vector<InstalledExtension>& found, std::string_view browser,
                  BrowserFamily family, std::string id, ExtensionSource source,
                  std::string recordedIn, std::string folder) {
    if (std::any_of(found.begin(), found.end(), [&](const InstalledExtension& e) {
            return e.browser == browser && e.extension.id == id;
        })) {
        return;
    }
    InstalledExtension entry;
    entry.browser = std::string(browser);
    entry.family = family;
    entry.extension.id = std::move(id);
    entry.extension.source = source;
    entry.recordedIn = std::move(recordedIn);
    entry.folder = std::move(folder);
    found.push_back(std::move(entry));
}

// The external extensions files of a Chromium browser's user data: each
// an installer's request to install an extension.
void AddExternalFiles(platform::FileSystem& fs, std::string_view browser,
                      const std::string& userData, std::vector<InstalledExtension>& found) {
    const std::string folder = userData + "\\External Extensions";
    for (const platform::DirectoryEntry& entry :
         fs.ListEntries(folder).value_or(std::vector<platform::DirectoryEntry>{})) {
        const std::string path = folder + "\\" + entry.name;
        if (entry.directory || entry.reparsePoint) {
            continue;
        }
        if (const std::optional<std::string> text = ReadLimited(fs, path, kLargestManifest)) {
            for (std::string& id : ExternalExtensionIds(entry.name, *text)) {
                AddUnclaimed(found, browser, BrowserFamily::Chromium, std::move(id),
                             ExtensionSource::ExternalFile, path, "");
            }
        }
    }
}

// The add-ons that Firefox's installations bring along for every profile,
// in their distribution folders; each file is named by the add-on's ID.
void AddDistributionAddons(platform::ShellFolders& folders, platform::FileSystem& fs,
                           std::vector<InstalledExtension>& found) {
    std::vector<std::string> seen;
    for (const int csidl : {platform::csidl::kProgramFiles, platform::csidl::kProgramFilesX86}) {
        const std::optional<std::string> programs = ShellFolder(folders, csidl);
        if (!programs ||
            std::find(seen.begin(), seen.end(), base::UpperCase(*programs)) != seen.end()) {
            continue;
        }
        seen.push_back(base::UpperCase(*programs));
        const std::string folder = *programs + "\\Mozilla Firefox\\distribution\\extensions";
        for (const platform::DirectoryEntry& entry :
             fs.ListEntries(folder).value_or(std::vector<platform::DirectoryEntry>{})) {
            if (entry.directory || entry.reparsePoint || entry.name.size() <= 4 ||
                !base::EqualsIgnoreCase(std::string_view(entry.name).substr(entry.name.size() - 4),
                                        ".xpi")) {
                continue;
            }
            const std::string path = folder + "\\" + entry.name;
            AddUnclaimed(found, "Firefox", BrowserFamily::Firefox,
                         ShortText(std::string_view(entry.name).substr(0, entry.name.size() - 4)),
                         ExtensionSource::ExternalFile, path, path);
        }
    }
}

// The keys below a browser's Extensions key in both stores and, on 64-bit
// Windows, the machine's 32-bit view: each a registration by an installer.
// Chromium names them by the extension's ID; Firefox's are values, ID and
// folder.
void AddRegistrations(platform::Registry& registry, std::string_view browser, BrowserFamily family,
                      std::string_view key, std::vector<InstalledExtension>& found) {
    const std::string path = "SOFTWARE\\" + std::string(key);
    const std::string wow =
        "SOFTWARE\\" + std::string(scan::kWow32KeyName) + "\\" + std::string(key);
    struct Place {
        platform::RegistryRoot root;
        std::string_view rootName;
        const std::string* path;
    };
    const Place places[] = {
        {platform::RegistryRoot::LocalMachine, "HKEY_LOCAL_MACHINE", &path},
        {platform::RegistryRoot::LocalMachine, "HKEY_LOCAL_MACHINE", &wow},
        {platform::RegistryRoot::CurrentUser, "HKEY_CURRENT_USER", &path},
    };
    const platform::RegistryView view = scan::LiteralView(registry);
    for (const Place& place : places) {
        if (place.path == &wow && !registry.HasWow32View()) {
            continue;
        }
        const platform::RegistryOpenResult opened =
            registry.OpenKey(place.root, *place.path, platform::reg_access::kRead, view);
        if (opened.status != platform::reg_status::kOk) {
            continue;
        }
        const std::string where = std::string(place.rootName) + "\\" + *place.path;
        std::vector<std::pair<std::string, std::string>> ids;  // with the folder, if said
        if (family == BrowserFamily::Chromium) {
            std::vector<std::string> names;
            if (opened.key->EnumerateSubKeys(names) == platform::reg_status::kOk) {
                for (std::string& name : names) {
                    std::string id = base::LowerCase(name);
                    if (IsChromiumExtensionId(id)) {
                        ids.emplace_back(std::move(id), "");
                    }
                }
            }
        } else {
            std::vector<platform::NamedRegistryValue> values;
            if (opened.key->EnumerateValues(values) == platform::reg_status::kOk) {
                for (const platform::NamedRegistryValue& value : values) {
                    std::string folder;
                    if (value.value.type == platform::reg_type::kString ||
                        value.value.type == platform::reg_type::kExpandString) {
                        folder = value.value.data.substr(0, value.value.data.find('\0'));
                    }
                    if (!base::Trim(value.name).empty()) {
                        ids.emplace_back(ShortText(value.name),
                                         folder.size() > 2 && folder[1] == ':' ? folder : "");
                    }
                }
            }
        }
        for (auto& [id, folder] : ids) {
            std::string recordedIn = where + "\\" + id;
            AddUnclaimed(found, browser, family, std::move(id), ExtensionSource::Registry,
                         std::move(recordedIn), std::move(folder));
        }
    }
}

}  // namespace

std::vector<InstalledExtension> FindRegistrations(platform::ShellFolders& folders,
                                                  platform::FileSystem& fs,
                                                  platform::Registry& registry,
                                                  std::string_view browser) {
    std::vector<InstalledExtension> found;
    for (const ChromiumBrowser& known : kChromiumBrowsers) {
        if (known.name != browser) {
            continue;
        }
        // Each kind listed on its own: one that names the extension does not
        // hide the other.
        if (const std::optional<std::string> root = ShellFolder(folders, known.folder)) {
            AddExternalFiles(fs, known.name, *root + "\\" + std::string(known.userData), found);
        }
        if (!known.registryKey.empty()) {
            std::vector<InstalledExtension> keys;
            AddRegistrations(registry, known.name, BrowserFamily::Chromium, known.registryKey,
                             keys);
            found.insert(found.end(), keys.begin(), keys.end());
        }
    }
    if (browser == "Firefox") {
        AddRegistrations(registry, "Firefox", BrowserFamily::Firefox, kFirefoxRegistryKey, found);
    }
    return found;
}

std::string ExtensionSettingsStamp(platform::ShellFolders& folders, platform::FileSystem& fs,
                                   platform::TextCodec& codec) {
    std::string stamp;
    const auto add = [&](const std::string& path) {
        const std::optional<platform::PathAttributes> attributes = fs.Attributes(path);
        if (attributes && !attributes->directory) {
            stamp += path + "|" + std::to_string(fs.FileSize(path).value_or(0)) + "|" +
                     std::to_string(attributes->lastWrite) + "\n";
        }
    };
    for (const ChromiumBrowser& browser : kChromiumBrowsers) {
        const std::optional<std::string> root = ShellFolder(folders, browser.folder);
        if (!root) {
            continue;
        }
        const std::string userData = *root + "\\" + std::string(browser.userData);
        std::vector<std::string> profiles{userData};
        for (const platform::DirectoryEntry& entry :
             fs.ListEntries(userData).value_or(std::vector<platform::DirectoryEntry>{})) {
            if (entry.directory && !entry.reparsePoint) {
                profiles.push_back(userData + "\\" + entry.name);
            }
        }
        for (const std::string& profile : profiles) {
            add(profile + "\\Preferences");
            add(profile + "\\Secure Preferences");
        }
    }
    for (const std::string& profile : scan::FindFirefoxProfiles(folders, fs, codec)) {
        add(profile + "\\extensions.json");
    }
    return stamp;
}

bool ProfileInUse(platform::FileSystem& fs, std::string_view profileFolder, BrowserFamily family) {
    std::vector<std::string> locks;
    if (family == BrowserFamily::Firefox) {
        locks.push_back(std::string(profileFolder) + "\\parent.lock");
    } else {
        locks.push_back(std::string(profileFolder) + "\\lockfile");
        const std::size_t slash = profileFolder.find_last_of('\\');
        if (slash != std::string_view::npos) {
            locks.push_back(std::string(profileFolder.substr(0, slash)) + "\\lockfile");
        }
    }
    for (const std::string& lock : locks) {
        if (fs.Attributes(lock) && !fs.RemoveFile(lock)) {
            return true;
        }
    }
    return false;
}

std::string_view FamilyName(BrowserFamily family) noexcept {
    return family == BrowserFamily::Firefox ? "firefox" : "chromium";
}

std::vector<InstalledExtension> FindExtensions(platform::ShellFolders& folders,
                                               platform::FileSystem& fs,
                                               platform::Registry& registry,
                                               platform::TextCodec& codec) {
    std::vector<InstalledExtension> found;
    for (const ChromiumBrowser& browser : kChromiumBrowsers) {
        if (const std::optional<std::string> root = ShellFolder(folders, browser.folder)) {
            const std::string userData = *root + "\\" + std::string(browser.userData);
            if (IsFile(fs, userData + "\\Preferences")) {
                AddChromiumProfile(fs, codec, browser, userData, LastPart(userData), found);
            } else {
                for (const std::string& profile : ChromiumProfiles(fs, userData)) {
                    AddChromiumProfile(fs, codec, browser, userData + "\\" + profile, profile,
                                       found);
                }
            }
        }
        if (const std::optional<std::string> root = ShellFolder(folders, browser.folder)) {
            AddExternalFiles(fs, browser.name, *root + "\\" + std::string(browser.userData), found);
        }
        if (!browser.registryKey.empty()) {
            AddRegistrations(registry, browser.name, BrowserFamily::Chromium, browser.registryKey,
                             found);
        }
    }
    for (const std::string& profile : scan::FindFirefoxProfiles(folders, fs, codec)) {
        const std::string path = profile + "\\extensions.json";
        const std::optional<std::string> text = ReadLimited(fs, path, base::kJsonMaxSettingsSize);
        if (!text) {
            continue;
        }
        const std::vector<std::pair<std::string, ExtensionOverrides>> overrides =
            ReadFirefoxOverrides(
                ReadLimited(fs, profile + "\\extension-settings.json", base::kJsonMaxSettingsSize)
                    .value_or(""));
        for (RecordedExtension& extension : ReadFirefoxAddons(*text)) {
            for (const auto& [id, asked] : overrides) {
                if (id == extension.id) {
                    extension.overrides = asked;
                }
            }
            InstalledExtension entry;
            entry.browser = "Firefox";
            entry.family = BrowserFamily::Firefox;
            entry.profile = LastPart(profile);
            entry.folder = codec.Utf8ToAnsi(extension.path);
            entry.extension = std::move(extension);
            entry.recordedIn = path;
            found.push_back(std::move(entry));
        }
    }
    AddRegistrations(registry, "Firefox", BrowserFamily::Firefox, kFirefoxRegistryKey, found);
    AddDistributionAddons(folders, fs, found);
    return found;
}

}  // namespace browsers
