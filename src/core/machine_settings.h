#pragma once

// The machine-wide settings store: named strings under HKEY_LOCAL_MACHINE,
// key "SOFTWARE", company, application and section. It holds the first-run
// mark and one help flag.

#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "platform/registry.h"

namespace core {

// A read either gives a value or fails with one of the store's fixed texts.
struct MachineSettingRead {
    std::string value;
    std::string error;  // empty on success

    [[nodiscard]] bool Failed() const noexcept { return !error.empty(); }
};

[[nodiscard]] std::string MachineSettingsKey(std::string_view company, std::string_view application,
                                             std::string_view section);

// The value, the default when the key or the value is absent, or an error:
// "AppName may not be empty", "Section may not be empty", "Key may not be
// empty", "Could not open registry section", "Registry data not a string".
[[nodiscard]] MachineSettingRead ReadMachineSetting(platform::Registry& registry,
                                                    std::string_view company,
                                                    std::string_view application,
                                                    std::string_view section, std::string_view key,
                                                    std::string_view defaultValue);

// What a refused write asks of the user; the answer decides whether the write
// is tried again.
class PermissionQuestion {
public:
    virtual ~PermissionQuestion() = default;
    // Abort ends the write, Retry repeats the failed step, Ignore ends it and
    // stops the question for good.
    virtual platform::MessageAnswer AskAboutRefusedWrite() = 0;
};

// Stores the value; a step that the platform refuses is put to the user.
// True when the value was stored.
bool WriteMachineSetting(platform::Registry& registry, PermissionQuestion& question,
                         std::string_view company, std::string_view application,
                         std::string_view section, std::string_view key, std::string_view value);

}  // namespace core
