#include "core/machine_settings.h"

#include "base/text.h"

namespace core {

namespace {

// STANDARD_RIGHTS_READ with all six key-specific rights.
constexpr std::uint32_t kWriteAccess = 0x2003F;

}  // namespace

std::string MachineSettingsKey(std::string_view company, std::string_view application,
                               std::string_view section) {
    return "SOFTWARE\\" + base::Trim(company) + "\\" + base::Trim(application) + "\\" +
           base::Trim(section);
}

MachineSettingRead ReadMachineSetting(platform::Registry& registry, std::string_view company,
                                      std::string_view application, std::string_view section,
                                      std::string_view key, std::string_view defaultValue) {
    if (base::Trim(application).empty()) {
        return {"", "AppName may not be empty"};
    }
    if (base::Trim(section).empty()) {
        return {"", "Section may not be empty"};
    }
    if (base::Trim(key).empty()) {
        return {"", "Key may not be empty"};
    }
    platform::RegistryOpenResult opened = registry.OpenKey(
        platform::RegistryRoot::LocalMachine, MachineSettingsKey(company, application, section),
        platform::reg_access::kRead);
    if (opened.status == platform::reg_status::kNotFound) {
        return {std::string(defaultValue), ""};
    }
    if (opened.status != platform::reg_status::kOk) {
        return {"", "Could not open registry section"};
    }
    platform::RegistryValue value;
    if (opened.key->QueryValue(key, value) != platform::reg_status::kOk) {
        return {std::string(defaultValue), ""};
    }
    if (value.type != platform::reg_type::kString) {
        return {"", "Registry data not a string"};
    }
    return {value.data.substr(0, value.data.find('\0')), ""};
}

bool WriteMachineSetting(platform::Registry& registry, PermissionQuestion& question,
                         std::string_view company, std::string_view application,
                         std::string_view section, std::string_view key, std::string_view value) {
    // Each step runs until it succeeds or the user gives up on it.
    const auto attempt = [&question](const auto& step) {
        while (!step()) {
            if (question.AskAboutRefusedWrite() != platform::MessageAnswer::Retry) {
                return false;
            }
        }
        return true;
    };
    platform::RegistryOpenResult opened;
    const std::string path = MachineSettingsKey(company, application, section);
    if (!attempt([&] {
            opened = registry.CreateKey(platform::RegistryRoot::LocalMachine, path, kWriteAccess);
            if (opened.status == platform::reg_status::kAccessDenied) {
                // The setup program lets every user set values in the key,
                // and nothing more: ask for no more than that.
                opened = registry.OpenKey(platform::RegistryRoot::LocalMachine, path,
                                          platform::reg_access::kSetValue);
            }
            return opened.status == platform::reg_status::kOk;
        })) {
        return false;
    }
    // The value's characters, without a terminating NUL.
    const platform::RegistryValue data{platform::reg_type::kString, std::string(value)};
    return attempt([&] { return opened.key->SetValue(key, data) == platform::reg_status::kOk; });
}

}  // namespace core
