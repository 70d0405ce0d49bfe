#pragma once

// Every extension of every browser profile on the machine, and those that
// installers registered for a browser to pick up: Chrome, Edge, Brave,
// Vivaldi, Opera and Chromium from their profiles' Preferences and Secure
// Preferences and the browsers' Extensions registry keys; Firefox from its
// profiles' extensions.json and its Extensions registry keys. A file that
// cannot be read, or is damaged, adds nothing.

#include <string>
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

// The family's name as the definitions write it: "chromium" or "firefox".
[[nodiscard]] std::string_view FamilyName(BrowserFamily family) noexcept;

}  // namespace browsers
