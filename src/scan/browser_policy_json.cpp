#include "scan/browser_policy_json.h"

#include <algorithm>

#include "core/text.h"

namespace scan {

namespace {

void AddIfSet(std::vector<PolicyEffect>& effects, PolicyKind kind, const std::string& value) {
    if (!core::Trim(value).empty()) {
        effects.push_back({kind, value, {}});
    }
}

void AddJoined(std::vector<PolicyEffect>& effects, PolicyKind kind,
               const std::vector<std::string>& values) {
    if (values.empty()) {
        return;
    }
    std::string joined = values.front();
    for (std::size_t i = 1; i < values.size(); ++i) {
        joined += ", " + values[i];
    }
    effects.push_back({kind, std::move(joined), {}});
}

void AddOnce(std::vector<std::string>& texts, const std::string& text) {
    if (!core::Trim(text).empty() && std::find(texts.begin(), texts.end(), text) == texts.end()) {
        texts.push_back(text);
    }
}

// The texts of an array's string items.
std::vector<std::string> Strings(const core::JsonValue* array) {
    std::vector<std::string> texts;
    if (array != nullptr && array->IsArray()) {
        for (const core::JsonValue& item : array->items) {
            if (item.IsString() && !core::Trim(item.text).empty()) {
                texts.push_back(item.text);
            }
        }
    }
    return texts;
}

}  // namespace

bool InstallsExtension(std::string_view mode) {
    return mode == "force_installed" || mode == "normal_installed";
}

std::vector<std::string> InstalledExtensionIds(const core::JsonValue& settings) {
    std::vector<std::string> ids;
    for (const core::JsonMember& entry : settings.members) {
        for (const core::JsonValue* mode : entry.value.MembersNamed("installation_mode")) {
            if (entry.name != "*" && mode->IsString() && InstallsExtension(mode->text)) {
                AddOnce(ids, entry.name);
            }
        }
    }
    return ids;
}

std::vector<PolicyEffect> PolicyFileEffects(const core::JsonValue& document) {
    std::vector<PolicyEffect> effects;
    // What a browser applies: the last of two equal names (Member gives
    // nullptr for anything but an object).
    const core::JsonValue* policies = document.Member("policies");
    const core::JsonValue none;
    if (policies == nullptr) {
        policies = &none;
    }
    if (const core::JsonValue* homepage = policies->Member("Homepage")) {
        AddIfSet(effects, PolicyKind::StartPage, homepage->StringMember("URL"));
        AddJoined(effects, PolicyKind::StartupPage, Strings(homepage->Member("Additional")));
        AddIfSet(effects, PolicyKind::StartupMode, homepage->StringMember("StartPage"));
    }
    if (const core::JsonValue* search = policies->Member("SearchEngines")) {
        AddIfSet(effects, PolicyKind::SearchEngine, search->StringMember("Default"));
        const core::JsonValue* added = search->Member("Add");
        if (added != nullptr && added->IsArray()) {
            std::vector<std::string> names;
            for (const core::JsonValue& engine : added->items) {
                const std::string name = engine.StringMember("Name");
                if (!core::Trim(name).empty()) {
                    names.push_back(name);
                }
            }
            AddJoined(effects, PolicyKind::AddedSearchEngine, names);
        }
    }
    // Forced installations from every occurrence of a repeated name, so
    // that none hides behind another.
    std::vector<std::string> installed;
    std::vector<std::string> settled;
    for (const core::JsonValue* each : document.MembersNamed("policies")) {
        for (const core::JsonValue* extensions : each->MembersNamed("Extensions")) {
            for (const core::JsonValue* install : extensions->MembersNamed("Install")) {
                for (const std::string& id : Strings(install)) {
                    AddOnce(installed, id);
                }
            }
        }
        for (const core::JsonValue* settings : each->MembersNamed("ExtensionSettings")) {
            for (const std::string& id : InstalledExtensionIds(*settings)) {
                AddOnce(settled, id);
            }
        }
    }
    AddJoined(effects, PolicyKind::ForcedExtension, installed);
    AddJoined(effects, PolicyKind::ForcedExtension, settled);
    return effects;
}

}  // namespace scan
