#include "platform/win32/registry_win32.h"

#include <windows.h>

#include <shlwapi.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/handles.h"

namespace platform::win32 {

namespace {

// The predefined keys are 32-bit values sign-extended to the handle's width.
HKEY RootKey(RegistryRoot root) noexcept {
    const auto value = static_cast<LONG>(static_cast<std::uint32_t>(root));
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(value));
}

REGSAM ViewFlag(RegistryView view) noexcept {
    switch (view) {
        case RegistryView::Native64:
            return KEY_WOW64_64KEY;
        case RegistryView::Wow32:
            return KEY_WOW64_32KEY;
        case RegistryView::Default:
            break;
    }
    return 0;
}

// The system's own name of an open key. Only the native API gives it
// (NtQueryKey, information class KeyNameInformation); ntdll is in every
// process, so it is looked up rather than linked.
std::string KernelNameOf(HKEY key) {
    using QueryKeyFunction = LONG(NTAPI*)(HANDLE, int, PVOID, ULONG, PULONG);
    constexpr int kKeyNameInformation = 3;
    const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    const FARPROC address = ntdll != nullptr ? ::GetProcAddress(ntdll, "NtQueryKey") : nullptr;
    if (address == nullptr) {
        return {};
    }
    // Through a plain pointer, since the compiler warns of a direct cast
    // between unrelated function types.
    const auto queryKey = reinterpret_cast<QueryKeyFunction>(reinterpret_cast<void*>(address));
    // The answer: a byte count, then the name in UTF-16 without a NUL.
    std::vector<ULONG> buffer(128);
    ULONG size = 0;
    LONG status = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const auto bytes = static_cast<ULONG>(buffer.size() * sizeof(ULONG));
        status = queryKey(key, kKeyNameInformation, buffer.data(), bytes, &size);
        if (status >= 0 || size <= bytes) {
            break;
        }
        buffer.resize(size / sizeof(ULONG) + 1);
    }
    if (status < 0) {
        return {};
    }
    const ULONG nameBytes = buffer[0];
    if (nameBytes > (buffer.size() - 1) * sizeof(ULONG)) {
        return {};
    }
    const auto* name = reinterpret_cast<const wchar_t*>(buffer.data() + 1);
    const int length = static_cast<int>(nameBytes / sizeof(wchar_t));
    if (length == 0) {
        return {};
    }
    const int needed = ::WideCharToMultiByte(CP_ACP, 0, name, length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(std::max(needed, 0)), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, name, length, text.data(), needed, nullptr, nullptr);
    return text;
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

    [[nodiscard]] std::string KernelName() override { return KernelNameOf(m_key.Get()); }

    [[nodiscard]] long EnumerateSubKeys(std::vector<std::string>& names) override {
        names.clear();
        return EnumerateNames(names, [this](DWORD index, char* buffer, DWORD* size) {
            return ::RegEnumKeyExA(m_key.Get(), index, buffer, size, nullptr, nullptr, nullptr,
                                   nullptr);
        });
    }

    [[nodiscard]] long EnumerateValues(std::vector<NamedRegistryValue>& values) override {
        values.clear();
        std::vector<std::string> names;
        const long status = EnumerateNames(names, [this](DWORD index, char* buffer, DWORD* size) {
            return ::RegEnumValueA(m_key.Get(), index, buffer, size, nullptr, nullptr, nullptr,
                                   nullptr);
        });
        if (status != ERROR_SUCCESS) {
            return status;
        }
        for (std::string& name : names) {
            NamedRegistryValue entry;
            const long read = QueryValue(name, entry.value);
            if (read != ERROR_SUCCESS) {
                values.clear();
                return read;
            }
            entry.name = std::move(name);
            values.push_back(std::move(entry));
        }
        return ERROR_SUCCESS;
    }

private:
    // Names by index until the list ends. The A calls measure their buffer in
    // bytes of the program's code page, where one character of a name may
    // take three, so a buffer too small is grown and the name asked again.
    template <typename EnumerateOne>
    static long EnumerateNames(std::vector<std::string>& names, EnumerateOne enumerateOne) {
        std::vector<char> buffer(256);
        for (DWORD index = 0;; ++index) {
            LSTATUS status = ERROR_MORE_DATA;
            DWORD size = 0;
            while (status == ERROR_MORE_DATA) {
                size = static_cast<DWORD>(buffer.size());
                status = enumerateOne(index, buffer.data(), &size);
                if (status == ERROR_MORE_DATA) {
                    if (buffer.size() >= kLongestName) {
                        names.clear();
                        return status;
                    }
                    buffer.resize(buffer.size() * 4);
                }
            }
            if (status == ERROR_NO_MORE_ITEMS) {
                return ERROR_SUCCESS;
            }
            if (status != ERROR_SUCCESS) {
                names.clear();
                return status;
            }
            names.emplace_back(buffer.data(), size);
        }
    }

    // A value name holds at most 16383 characters, of up to three bytes each.
    static constexpr std::size_t kLongestName = 65536;

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
                                          std::uint32_t access, RegistryView view) {
    const std::string keyPath(path);
    UniqueRegKey key;
    const LSTATUS status =
        ::RegOpenKeyExA(RootKey(root), keyPath.c_str(), 0, access | ViewFlag(view), key.Put());
    return MakeResult(status, std::move(key));
}

RegistryOpenResult RegistryWin32::CreateKey(RegistryRoot root, std::string_view path,
                                            std::uint32_t access, RegistryView view) {
    const std::string keyPath(path);
    UniqueRegKey key;
    const LSTATUS status =
        ::RegCreateKeyExA(RootKey(root), keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          access | ViewFlag(view), nullptr, key.Put(), nullptr);
    return MakeResult(status, std::move(key));
}

long RegistryWin32::DeleteTree(RegistryRoot root, std::string_view path, RegistryView view) {
    const std::string keyPath(path);
    if (view == RegistryView::Default) {
        return static_cast<long>(::SHDeleteKeyA(RootKey(root), keyPath.c_str()));
    }
    // The shell's deletion knows no views: the tree below the key is emptied
    // through a key opened in the view, then the key goes in that view.
    UniqueRegKey key;
    LSTATUS status = ::RegOpenKeyExA(
        RootKey(root), keyPath.c_str(), 0,
        DELETE | KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | KEY_SET_VALUE | ViewFlag(view),
        key.Put());
    if (status != ERROR_SUCCESS) {
        return status;
    }
    status = ::RegDeleteTreeA(key.Get(), nullptr);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    return ::RegDeleteKeyExA(RootKey(root), keyPath.c_str(), ViewFlag(view), 0);
}

bool RegistryWin32::HasWow32View() {
#if defined(_WIN64)
    return true;
#else
    BOOL wow64 = FALSE;
    return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
#endif
}

}  // namespace platform::win32
