#include "browsers/extension_settings.h"

#include <algorithm>

#include "base/json_reader.h"
#include "base/text.h"

namespace browsers {

namespace {

// Chromium's numbers for where an extension came from.
ExtensionSource ChromiumSource(long location) {
    switch (location) {
        case 1:
            return ExtensionSource::Store;
        case 2:
        case 6:
            return ExtensionSource::ExternalFile;
        case 3:
            return ExtensionSource::Registry;
        case 4:
            return ExtensionSource::Unpacked;
        case 5:
        case 10:
            return ExtensionSource::Browser;
        case 7:
        case 9:
            return ExtensionSource::Policy;
        case 8:
            return ExtensionSource::CommandLine;
        default:
            return ExtensionSource::Other;
    }
}

std::optional<base::JsonValue> ReadSettingsJson(std::string_view text) {
    return base::ReadJson(text, base::kJsonMaxSettingsSize).value;
}

long NumberMember(const base::JsonValue& object, std::string_view name, long otherwise) {
    const base::JsonValue* member = object.Member(name);
    if (member == nullptr || member->kind != base::JsonValue::Kind::Number) {
        return otherwise;
    }
    return static_cast<long>(base::LeadingNumber(member->text));
}

// Whether a Chromium entry says the extension is switched off: the old
// "state" of 0, or any reason in "disable_reasons" (a number or a list).
bool ChromiumDisabled(const base::JsonValue& entry) {
    if (NumberMember(entry, "state", 1) == 0) {
        return true;
    }
    const base::JsonValue* reasons = entry.Member("disable_reasons");
    if (reasons == nullptr) {
        return false;
    }
    if (reasons->IsArray()) {
        return !reasons->items.empty();
    }
    return reasons->kind == base::JsonValue::Kind::Number &&
           base::LeadingNumber(reasons->text) != 0;
}

void ReadManifestInto(const base::JsonValue& manifest, RecordedExtension& extension) {
    extension.name = ShortText(manifest.StringMember("name"));
    extension.version = ShortText(manifest.StringMember("version"));
    extension.defaultLocale = ShortText(manifest.StringMember("default_locale"));
    if (const base::JsonValue* settings = manifest.Member("chrome_settings_overrides");
        settings != nullptr && settings->IsObject()) {
        extension.overrides.searchProvider = settings->Member("search_provider") != nullptr;
        extension.overrides.homePage = settings->Member("homepage") != nullptr;
        extension.overrides.startupPages = settings->Member("startup_pages") != nullptr;
    }
    if (const base::JsonValue* pages = manifest.Member("chrome_url_overrides");
        pages != nullptr && pages->IsObject()) {
        extension.overrides.newTabPage = pages->Member("newtab") != nullptr;
    }
    extension.hasManifest = true;
}

}  // namespace

bool IsChromiumExtensionId(std::string_view id) noexcept {
    if (id.size() != 32) {
        return false;
    }
    for (const char c : id) {
        if (c < 'a' || c > 'p') {
            return false;
        }
    }
    return true;
}

std::string ShortText(std::string_view text) {
    std::string shortText(text.substr(0, kLongestExtensionText + 1));
    for (char& c : shortText) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = ' ';
        }
    }
    if (shortText.size() > kLongestExtensionText) {
        std::size_t cut = kLongestExtensionText;
        while (cut > 0 && (static_cast<unsigned char>(shortText[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        shortText = shortText.substr(0, cut) + "...";
    }
    return base::Trim(shortText);
}

std::vector<RecordedExtension> ReadChromiumSettings(std::string_view text) {
    std::vector<RecordedExtension> found;
    const std::optional<base::JsonValue> document = ReadSettingsJson(text);
    if (!document) {
        return found;
    }
    const base::JsonValue* extensions = document->Member("extensions");
    const base::JsonValue* settings =
        extensions != nullptr ? extensions->Member("settings") : nullptr;
    if (settings == nullptr || !settings->IsObject()) {
        return found;
    }
    for (const base::JsonMember& member : settings->members) {
        if (!IsChromiumExtensionId(member.name) || !member.value.IsObject()) {
            continue;
        }
        const base::JsonValue& entry = member.value;
        RecordedExtension extension;
        extension.id = member.name;
        extension.source = ChromiumSource(NumberMember(entry, "location", 0));
        extension.enabled = !ChromiumDisabled(entry);
        extension.path = entry.StringMember("path");
        if (const base::JsonValue* manifest = entry.Member("manifest");
            manifest != nullptr && manifest->IsObject()) {
            ReadManifestInto(*manifest, extension);
        }
        found.push_back(std::move(extension));
    }
    return found;
}

std::optional<RecordedExtension> ReadManifest(std::string_view text) {
    const std::optional<base::JsonValue> manifest = base::ParseJson(text);
    if (!manifest || !manifest->IsObject()) {
        return std::nullopt;
    }
    RecordedExtension extension;
    ReadManifestInto(*manifest, extension);
    return extension;
}

std::string MessageKey(std::string_view name) {
    if (name.size() < 9 || !name.starts_with("__MSG_") || !name.ends_with("__")) {
        return {};
    }
    return std::string(name.substr(6, name.size() - 8));
}

std::string ResolveMessageName(std::string_view name, std::string_view messages) {
    const std::string key = MessageKey(name);
    if (key.empty()) {
        return std::string(name);
    }
    const std::optional<base::JsonValue> document = base::ParseJson(messages);
    if (!document || !document->IsObject()) {
        return std::string(name);
    }
    for (const base::JsonMember& member : document->members) {
        if (base::EqualsIgnoreCase(member.name, key) && member.value.IsObject()) {
            const std::string message = ShortText(member.value.StringMember("message"));
            if (!message.empty()) {
                return message;
            }
        }
    }
    return std::string(name);
}

std::vector<RecordedExtension> ReadFirefoxAddons(std::string_view text) {
    std::vector<RecordedExtension> found;
    const std::optional<base::JsonValue> document = ReadSettingsJson(text);
    const base::JsonValue* addons = document ? document->Member("addons") : nullptr;
    if (addons == nullptr || !addons->IsArray()) {
        return found;
    }
    for (const base::JsonValue& addon : addons->items) {
        const std::string id = ShortText(addon.StringMember("id"));
        if (!addon.IsObject() || id.empty()) {
            continue;
        }
        RecordedExtension extension;
        extension.id = id;
        extension.type = ShortText(addon.StringMember("type"));
        extension.version = ShortText(addon.StringMember("version"));
        extension.path = addon.StringMember("path");
        if (const base::JsonValue* locale = addon.Member("defaultLocale");
            locale != nullptr && locale->IsObject()) {
            extension.name = ShortText(locale->StringMember("name"));
        }
        const base::JsonValue* active = addon.Member("active");
        extension.enabled =
            active != nullptr && active->kind == base::JsonValue::Kind::Bool && active->boolean;
        const std::string location = addon.StringMember("location");
        std::string installedFrom;
        if (const base::JsonValue* telemetry = addon.Member("installTelemetryInfo");
            telemetry != nullptr && telemetry->IsObject()) {
            installedFrom = telemetry->StringMember("source");
        }
        const std::string sourceUri = addon.StringMember("sourceURI");
        if (location.starts_with("winreg-")) {
            extension.source = ExtensionSource::Registry;
        } else if (location == "app-builtin" || location == "app-system-defaults" ||
                   location == "app-system-addons" || location == "app-temporary") {
            extension.source =
                location == "app-temporary" ? ExtensionSource::Unpacked : ExtensionSource::Browser;
        } else if (location != "app-profile") {
            extension.source = ExtensionSource::ExternalFile;
        } else if (installedFrom == "enterprise-policy") {
            extension.source = ExtensionSource::Policy;
        } else if (installedFrom == "amo" || installedFrom == "disco" ||
                   installedFrom == "about:addons" ||
                   sourceUri.starts_with("https://addons.mozilla.org/")) {
            extension.source = ExtensionSource::Store;
        } else if (installedFrom == "sideload") {
            extension.source = ExtensionSource::ExternalFile;
        } else {
            extension.source = ExtensionSource::Other;
        }
        found.push_back(std::move(extension));
    }
    return found;
}

std::vector<std::string> ExternalExtensionIds(std::string_view fileName, std::string_view text) {
    std::vector<std::string> ids;
    const std::optional<base::JsonValue> document = base::ParseJson(text);
    if (!document || !document->IsObject()) {
        return ids;
    }
    const auto saysWhere = [](const base::JsonValue& entry) {
        return entry.IsObject() && (entry.Member("external_update_url") != nullptr ||
                                    entry.Member("external_crx") != nullptr);
    };
    if (base::EqualsIgnoreCase(fileName, "external_extensions.json")) {
        for (const base::JsonMember& member : document->members) {
            const std::string id = base::LowerCase(member.name);
            if (IsChromiumExtensionId(id) && saysWhere(member.value)) {
                ids.push_back(id);
            }
        }
        return ids;
    }
    if (fileName.size() > 5 &&
        base::EqualsIgnoreCase(fileName.substr(fileName.size() - 5), ".json")) {
        const std::string id = base::LowerCase(fileName.substr(0, fileName.size() - 5));
        if (IsChromiumExtensionId(id) && saysWhere(*document)) {
            ids.push_back(id);
        }
    }
    return ids;
}

std::vector<std::pair<std::string, ExtensionOverrides>> ReadFirefoxOverrides(
    std::string_view text) {
    std::vector<std::pair<std::string, ExtensionOverrides>> found;
    const std::optional<base::JsonValue> document = ReadSettingsJson(text);
    if (!document || !document->IsObject()) {
        return found;
    }
    // Every add-on of a setting's precedence list asks for that setting.
    const auto mark = [&found](const base::JsonValue* setting, bool ExtensionOverrides::*what) {
        const base::JsonValue* list =
            setting != nullptr ? setting->Member("precedenceList") : nullptr;
        if (list == nullptr || !list->IsArray()) {
            return;
        }
        for (const base::JsonValue& entry : list->items) {
            const std::string id = ShortText(entry.StringMember("id"));
            if (id.empty()) {
                continue;
            }
            auto at = std::find_if(found.begin(), found.end(),
                                   [&id](const auto& pair) { return pair.first == id; });
            if (at == found.end()) {
                at = found.insert(found.end(), {id, ExtensionOverrides{}});
            }
            at->second.*what = true;
        }
    };
    if (const base::JsonValue* prefs = document->Member("prefs"); prefs != nullptr) {
        mark(prefs->Member("homepage_override"), &ExtensionOverrides::homePage);
    }
    if (const base::JsonValue* urls = document->Member("url_overrides"); urls != nullptr) {
        mark(urls->Member("newTabURL"), &ExtensionOverrides::newTabPage);
    }
    // The search engine's setting has had more than one name.
    if (const base::JsonValue* search = document->Member("default_search");
        search != nullptr && search->IsObject()) {
        for (const base::JsonMember& setting : search->members) {
            mark(&setting.value, &ExtensionOverrides::searchProvider);
        }
    }
    return found;
}

}  // namespace browsers
