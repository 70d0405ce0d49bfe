#include "shields/registry_text.h"

namespace shields {

namespace {

// All six key rights, without the standard ones.
constexpr std::uint32_t kFullKeyAccess = 0x3F;
constexpr std::size_t kValueBufferBytes = 1024;

}  // namespace

bool ReadRegistryText(platform::Registry& registry, platform::RegistryRoot root,
                      std::string_view keyPath, std::string_view valueName, std::string& text) {
    platform::RegistryOpenResult opened = registry.OpenKey(root, keyPath, kFullKeyAccess);
    if (opened.status != platform::reg_status::kOk) {
        text.clear();
        return false;
    }
    platform::RegistryValue value;
    if (opened.key->QueryValue(valueName, value) != platform::reg_status::kOk ||
        value.data.size() > kValueBufferBytes) {
        text.clear();
        return false;
    }
    if (value.type == platform::reg_type::kString) {
        std::string data = std::move(value.data);
        if (!data.empty() && data.back() == '\0') {
            data.pop_back();
        }
        text = std::move(data);
    } else if (value.type == platform::reg_type::kDword && value.data.size() == 4) {
        // A number reads as its decimal text; its bytes are little-endian.
        std::uint32_t number = 0;
        for (auto byte = value.data.rbegin(); byte != value.data.rend(); ++byte) {
            number = (number << 8) | static_cast<unsigned char>(*byte);
        }
        text = std::to_string(number);
    }
    return true;
}

void WriteRegistryValue(platform::Registry& registry, std::string_view keyPath,
                        std::string_view valueName, std::string_view value, std::uint32_t type) {
    platform::RegistryOpenResult opened =
        registry.OpenKey(platform::RegistryRoot::CurrentUser, keyPath, kFullKeyAccess);
    if (opened.status != platform::reg_status::kOk || type != platform::reg_type::kString) {
        return;
    }
    [[maybe_unused]] const long written =
        opened.key->SetValue(valueName, platform::StringValue(value));
}

}  // namespace shields
