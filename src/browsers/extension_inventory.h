#pragma once

// Every extension of every browser profile on the machine, and those that
// installers registered for a browser to pick up: Chrome, Edge, Brave,
// Vivaldi, Opera and Chromium from their profiles' Preferences and Secure
// Preferences and the browsers' Extensions registry keys; Firefox from its
// profiles' extensions.json and its Extensions registry keys. A file that
// cannot be read, or is damaged, adds nothing.

#include <string>
#include <string_view>
#include <vector>

#include "browsers/extension_settings.h"

namespace platform {
class FileSystem;
class Registry;
class ShellFolders;
class TextCodec;
}  // namespace platform

namespace browsers {

enum class BrowserFamily { Chromium, Firefox };

struct InstalledExtension {
    std::string browser;  // "Chrome", "Edge", "Firefox", …
    BrowserFamily family = BrowserFamily::Chromium;
    std::string profile;  // the profile's folder name; "" for a registration no profile holds
    RecordedExtension extension;
    std::string folder;      // where its files are; "" when unknown
    std::string recordedIn;  // the settings file or registry key that records it
};

// The inventory, browser by browser, profiles in listing order, then the
// registrations that no profile of that browser has taken up.
[[nodiscard]] std::vector<InstalledExtension> FindExtensions(platform::ShellFolders& folders,
                                                             platform::FileSystem& fs,
                                                             platform::Registry& registry,
                                                             platform::TextCodec& codec);

// The registrations that would install extensions into the browser (by its
// name in the inventory) again after their removal: its keys or values below
// the browser's Extensions registry keys, and its external extensions files
// (Chromium browsers only), whether a profile holds them or not.
[[nodiscard]] std::vector<InstalledExtension> FindRegistrations(platform::ShellFolders& folders,
                                                                platform::FileSystem& fs,
                                                                platform::Registry& registry,
                                                                std::string_view browser);

// What changes when any profile's extensions may have: the size and time of
// every file that records them (Chromium's Preferences and Secure
// Preferences, Firefox's extensions.json), without reading one.
[[nodiscard]] std::string ExtensionSettingsStamp(platform::ShellFolders& folders,
                                                 platform::FileSystem& fs,
                                                 platform::TextCodec& codec);

// Whether the browser runs with this profile: a Chromium browser holds the
// "lockfile" of its user data folder (Opera's is its profile folder) open,
// Firefox the profile's "parent.lock", and neither can be deleted then. One
// left behind by a browser that ended is deleted here, as the browser itself
// would replace it.
[[nodiscard]] bool ProfileInUse(platform::FileSystem& fs, std::string_view profileFolder,
                                BrowserFamily family);

// The family's name as the definitions write it: "chromium" or "firefox".
[[nodiscard]] std::string_view FamilyName(BrowserFamily family) noexcept;

}  // namespace browsers
