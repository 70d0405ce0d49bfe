#include "browsers/browser_policy_json.h"

#include <algorithm>

#include "base/text.h"

namespace scan {

namespace {

void AddIfSet(std::vector<PolicyEffect>& effects, PolicyKind kind, const std::string& value) {
    if (!base::Trim(value).empty()) {
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
    if (!base::Trim(text).empty() && std::find(texts.begin(), texts.end(), text) == texts.end()) {
        texts.push_back(text);
    }
}

// The texts of an array's string items.
std::vector<std::string> Strings(const base::JsonValue* array) {
    std::vector<std::string> texts;
    if (array != nullptr && array->IsArray()) {
        for (const base::JsonValue& item : array->items) {
            if (item.IsString() && !base::Trim(item.text).empty()) {
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

std::vector<std::string> InstalledExtensionIds(const base::JsonValue& settings) {
    std::vector<std::string> ids;
    for (const base::JsonMember& entry : settings.members) {
        for (const base::JsonValue* mode : entry.value.MembersNamed("installation_mode")) {
            if (entry.name != "*" && mode->IsString() && InstallsExtension(mode->text)) {
                AddOnce(ids, entry.name);
            }
        }
    }
    return ids;
}

std::vector<PolicyEffect> PolicyFileEffects(const base::JsonValue& document) {
    std::vector<PolicyEffect> effects;
    // What a browser applies: the last of two equal names (Member gives
    // nullptr for anything but an object).
    const base::JsonValue* policies = document.Member("policies");
    const base::JsonValue none;
    if (policies == nullptr) {
        policies = &none;
    }
    if (const base::JsonValue* homepage = policies->Member("Homepage")) {
        AddIfSet(effects, PolicyKind::StartPage, homepage->StringMember("URL"));
        AddJoined(effects, PolicyKind::StartupPage, Strings(homepage->Member("Additional")));
        AddIfSet(effects, PolicyKind::StartupMode, homepage->StringMember("StartPage"));
    }
    if (const base::JsonValue* search = policies->Member("SearchEngines")) {
        AddIfSet(effects, PolicyKind::SearchEngine, search->StringMember("Default"));
        const base::JsonValue* added = search->Member("Add");
        if (added != nullptr && added->IsArray()) {
            std::vector<std::string> names;
            for (const base::JsonValue& engine : added->items) {
                const std::string name = engine.StringMember("Name");
                if (!base::Trim(name).empty()) {
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
    for (const base::JsonValue* each : document.MembersNamed("policies")) {
        for (const base::JsonValue* extensions : each->MembersNamed("Extensions")) {
            for (const base::JsonValue* install : extensions->MembersNamed("Install")) {
                for (const std::string& id : Strings(install)) {
                    AddOnce(installed, id);
                }
            }
        }
        for (const base::JsonValue* settings : each->MembersNamed("ExtensionSettings")) {
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
