// A browser policy file or ExtensionSettings value from outside: the JSON
// reader must answer for any bytes, and what it reads must say what the
// policy file does without crashing the reading of its effects.

#include "core/json_reader.h"
#include "fuzz_target.h"
#include "scan/browser_policy_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<core::JsonValue> value = core::ParseJson(fuzz::AsText(data, size));
    if (!value) {
        return 0;
    }
    fuzz::Require(size > 0, "an empty text is no JSON");
    for (const scan::PolicyEffect& effect : scan::PolicyFileEffects(*value)) {
        fuzz::Require(!effect.value.empty(), "an effect says what it sets");
    }
    for (const std::string& id : scan::InstalledExtensionIds(*value)) {
        fuzz::Require(id != "*", "the default entry forces no extension");
    }
    return 0;
}
