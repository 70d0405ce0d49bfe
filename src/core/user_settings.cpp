#include "core/user_settings.h"

namespace core {

namespace {

std::string SectionPath(std::string_view application, std::string_view section) {
    std::string path(kUserSettingsRoot);
    path.append("\\").append(application).append("\\").append(section);
    return path;
}

}  // namespace

std::string ReadUserSetting(platform::Registry& registry, std::string_view application,
                            std::string_view section, std::string_view key,
                            std::string_view defaultValue) {
    platform::RegistryOpenResult opened =
        registry.OpenKey(platform::RegistryRoot::CurrentUser, SectionPath(application, section),
                         platform::reg_access::kRead);
    if (opened.status != platform::reg_status::kOk) {
        return std::string(defaultValue);
    }
    platform::RegistryValue value;
    if (opened.key->QueryValue(key, value) != platform::reg_status::kOk ||
        (value.type != platform::reg_type::kString &&
         value.type != platform::reg_type::kExpandString)) {
        return std::string(defaultValue);
    }
    return value.data.substr(0, value.data.find('\0'));
}

void WriteUserSetting(platform::Registry& registry, std::string_view application,
                      std::string_view section, std::string_view key, std::string_view value) {
    platform::RegistryOpenResult opened =
        registry.CreateKey(platform::RegistryRoot::CurrentUser, SectionPath(application, section),
                           platform::reg_access::kWrite);
    if (opened.status != platform::reg_status::kOk) {
        return;
    }
    [[maybe_unused]] const long ignored = opened.key->SetValue(key, platform::StringValue(value));
}

}  // namespace core
