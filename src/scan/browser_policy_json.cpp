#include "scan/browser_policy_json.h"

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

std::vector<std::string> InstalledExtensionIds(const core::JsonValue& settings) {
    std::vector<std::string> ids;
    for (const auto& [id, entry] : settings.members) {
        const std::string mode = entry.StringMember("installation_mode");
        if (id != "*" && (mode == "force_installed" || mode == "normal_installed")) {
            ids.push_back(id);
        }
    }
    return ids;
}

std::vector<PolicyEffect> PolicyFileEffects(const core::JsonValue& document) {
    std::vector<PolicyEffect> effects;
    const core::JsonValue* policies = document.Member("policies");
    if (policies == nullptr || !policies->IsObject()) {
        return effects;
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
    if (const core::JsonValue* extensions = policies->Member("Extensions")) {
        AddJoined(effects, PolicyKind::ForcedExtension, Strings(extensions->Member("Install")));
    }
    if (const core::JsonValue* settings = policies->Member("ExtensionSettings")) {
        AddJoined(effects, PolicyKind::ForcedExtension, InstalledExtensionIds(*settings));
    }
    return effects;
}

}  // namespace scan
