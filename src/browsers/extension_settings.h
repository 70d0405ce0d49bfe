#pragma once

// What the browsers' own files say of their extensions, read from their text
// alone: a Chromium profile's Preferences and Secure Preferences, an
// extension's manifest.json and its _locales messages, an external
// extension's JSON file, and Firefox's extensions.json. Text that is not
// JSON, or not of the expected shape, says nothing.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace browsers {

// Where an extension came from, as the browser records it.
enum class ExtensionSource {
    Store,         // the browser's extension store
    Registry,      // an installer, through the browser's Extensions registry key
    ExternalFile,  // an installer, through an external extensions JSON file
    Unpacked,      // loaded from a folder by the user (developer mode)
    CommandLine,   // the browser's command line
    Policy,        // an organisation's policy
    Browser,       // the browser itself or its maker (components, defaults)
    Other,         // anything else: sideloaded, or a kind the program does not know
};

// What a manifest asks to change.
struct ExtensionOverrides {
    bool searchProvider = false;
    bool homePage = false;
    bool startupPages = false;
    bool newTabPage = false;

    [[nodiscard]] bool Any() const noexcept {
        return searchProvider || homePage || startupPages || newTabPage;
    }
};

// One extension as a settings file records it. `path` is as written: for a
// Chromium store extension relative to the profile's Extensions folder, for
// an unpacked one absolute.
struct RecordedExtension {
    std::string id;
    std::string name;  // "" when the settings hold no manifest
    std::string version;
    std::string type;  // Firefox's add-on type; "" for Chromium
    ExtensionSource source = ExtensionSource::Other;
    bool enabled = true;
    std::string path;
    std::string defaultLocale;
    ExtensionOverrides overrides;
    bool hasManifest = false;  // the settings carried the manifest
};

// Longest name or version kept: a row needs no more to tell it apart.
inline constexpr std::size_t kLongestExtensionText = 120;

// Whether the text is a Chromium extension ID (32 letters a to p).
[[nodiscard]] bool IsChromiumExtensionId(std::string_view id) noexcept;

// The extensions of `extensions.settings` in a Preferences or Secure
// Preferences text, in the order written; entries whose name is not an ID
// are passed over.
[[nodiscard]] std::vector<RecordedExtension> ReadChromiumSettings(std::string_view text);

// What a manifest.json gives: name (still "__MSG_x__" if so written),
// version, default locale and overrides. Nothing when it is not a manifest.
[[nodiscard]] std::optional<RecordedExtension> ReadManifest(std::string_view text);

// The message a `_locales/<locale>/messages.json` holds for a "__MSG_key__"
// name (keys compared without regard to case, as the browsers do); the name
// as it is when it is no such reference or the message is missing.
[[nodiscard]] std::string ResolveMessageName(std::string_view name, std::string_view messages);

// The key of a "__MSG_key__" name, or "" when it is none.
[[nodiscard]] std::string MessageKey(std::string_view name);

// Firefox's extensions.json: every add-on with an ID.
[[nodiscard]] std::vector<RecordedExtension> ReadFirefoxAddons(std::string_view text);

// What Firefox's extension-settings.json records that each add-on asks to
// change (an add-on's manifest lies inside its packed file, but Firefox
// writes down every override it was asked for, applied or not), by add-on
// ID, in the order first named.
[[nodiscard]] std::vector<std::pair<std::string, ExtensionOverrides>> ReadFirefoxOverrides(
    std::string_view text);

// The IDs an external extensions file names: a "<id>.json" file its own,
// external_extensions.json each of its members, when it says where to get
// the extension (an update address or a package).
[[nodiscard]] std::vector<std::string> ExternalExtensionIds(std::string_view fileName,
                                                            std::string_view text);

// A text cut to `kLongestExtensionText` bytes (not inside a character),
// on one line.
[[nodiscard]] std::string ShortText(std::string_view text);

}  // namespace browsers
