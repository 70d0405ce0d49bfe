// A browser policy file or ExtensionSettings value from outside: the JSON
// reader must answer for any bytes, and what it reads must say what the
// policy file does without crashing the reading of its effects.

#include "base/json_reader.h"
#include "browsers/browser_policy_json.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const base::JsonReadResult read = base::ReadJson(fuzz::AsText(data, size));
    fuzz::Require(read.value.has_value() == (read.status == base::JsonStatus::Read),
                  "a value exactly when the text was read");
    fuzz::Require(read.status != base::JsonStatus::BeyondLimits ||
                      size > static_cast<std::size_t>(base::kJsonMaxDepth) ||
                      size > base::kJsonMaxSize,
                  "only a long or deep text is beyond the limits");
    if (!read.value) {
        return 0;
    }
    const base::JsonValue& value = *read.value;
    fuzz::Require(size > 0, "an empty text is no JSON");
    for (const base::JsonMember& member : value.members) {
        const std::vector<const base::JsonValue*> named = value.MembersNamed(member.name);
        fuzz::Require(!named.empty() && value.Member(member.name) == named.back(),
                      "the last of equal names is the one applied");
    }
    for (const scan::PolicyEffect& effect : scan::PolicyFileEffects(value)) {
        fuzz::Require(!effect.value.empty(), "an effect says what it sets");
    }
    for (const std::string& id : scan::InstalledExtensionIds(value)) {
        fuzz::Require(id != "*", "the default entry forces no extension");
    }
    return 0;
}
