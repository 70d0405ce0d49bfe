#include "platform/win32/registry_win32.h"

#include <windows.h>

#include <shlwapi.h>

#include <string>
#include <utility>

#include "platform/win32/handles.h"

namespace platform::win32 {

namespace {

// The predefined keys are 32-bit values sign-extended to the handle's width.
HKEY RootKey(RegistryRoot root) noexcept {
    const auto value = static_cast<LONG>(static_cast<std::uint32_t>(root));
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(value));
}

class RegistryKeyWin32 : public platform::RegistryKey {
public:
    explicit RegistryKeyWin32(UniqueRegKey key) noexcept : m_key(std::move(key)) {}

    [[nodiscard]] long QueryValue(std::string_view name, RegistryValue& out) override {
        const std::string valueName(name);
        DWORD type = REG_NONE;
        DWORD size = 0;
        LSTATUS status =
            ::RegQueryValueExA(m_key.Get(), valueName.c_str(), nullptr, &type, nullptr, &size);
        if (status != ERROR_SUCCESS) {
            return status;
        }
        std::string data;
        // The value may grow between the two calls; ask again with the new size.
        do {
            data.resize(size);
            status = ::RegQueryValueExA(m_key.Get(), valueName.c_str(), nullptr, &type,
                                        reinterpret_cast<BYTE*>(data.data()), &size);
        } while (status == ERROR_MORE_DATA);
        if (status != ERROR_SUCCESS) {
            return status;
        }
        data.resize(size);
        out.type = type;
        out.data = std::move(data);
        return ERROR_SUCCESS;
    }

    [[nodiscard]] long SetValue(std::string_view name, const RegistryValue& value) override {
        const std::string valueName(name);
        return ::RegSetValueExA(m_key.Get(), valueName.c_str(), 0, value.type,
                                reinterpret_cast<const BYTE*>(value.data.data()),
                                static_cast<DWORD>(value.data.size()));
    }

    [[nodiscard]] long DeleteValue(std::string_view name) override {
        const std::string valueName(name);
        return ::RegDeleteValueA(m_key.Get(), valueName.c_str());
    }

private:
    UniqueRegKey m_key;
};

RegistryOpenResult MakeResult(LSTATUS status, UniqueRegKey key) {
    RegistryOpenResult result;
    result.status = status;
    if (status == ERROR_SUCCESS) {
        result.key = std::make_unique<RegistryKeyWin32>(std::move(key));
    }
    return result;
}

}  // namespace

RegistryOpenResult RegistryWin32::OpenKey(RegistryRoot root, std::string_view path,
                                          std::uint32_t access) {
    const std::string keyPath(path);
    UniqueRegKey key;
    const LSTATUS status = ::RegOpenKeyExA(RootKey(root), keyPath.c_str(), 0, access, key.Put());
    return MakeResult(status, std::move(key));
}

RegistryOpenResult RegistryWin32::CreateKey(RegistryRoot root, std::string_view path,
                                            std::uint32_t access) {
    const std::string keyPath(path);
    UniqueRegKey key;
    const LSTATUS status =
        ::RegCreateKeyExA(RootKey(root), keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          access, nullptr, key.Put(), nullptr);
    return MakeResult(status, std::move(key));
}

long RegistryWin32::DeleteTree(RegistryRoot root, std::string_view path) {
    const std::string keyPath(path);
    return static_cast<long>(::SHDeleteKeyA(RootKey(root), keyPath.c_str()));
}

}  // namespace platform::win32
