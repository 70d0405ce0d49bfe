#include "platform/win32/registry_win32.h"

#include <windows.h>

#include <shlwapi.h>

#include <climits>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/utf16_text.h"
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

// The program's text and the API's UTF-16, converted exactly or not at all,
// so that a key or value is never taken for another of a similar name. A
// UTF-8 program keeps a lone surrogate in its three-byte form, so every
// name the registry holds has a text; another code page holds only some.
class RegistryText {
public:
    [[nodiscard]] std::optional<std::wstring> Wide(std::string_view text) const {
        if (text.empty()) {
            return std::wstring();
        }
        if (text.size() > INT_MAX / 2) {
            return std::nullopt;
        }
        if (m_codePage == CP_UTF8) {
            const std::string units = base::Wtf8ToUtf16Le(text);
            if (base::Utf16LeToWtf8(units) != text) {
                return std::nullopt;
            }
            std::wstring wide(units.size() / 2, L'\0');
            std::memcpy(wide.data(), units.data(), wide.size() * sizeof(wchar_t));
            return wide;
        }
        const int length = static_cast<int>(text.size());
        const int wideLength = ::MultiByteToWideChar(m_codePage, MB_ERR_INVALID_CHARS, text.data(),
                                                     length, nullptr, 0);
        if (wideLength <= 0) {
            return std::nullopt;
        }
        std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
        ::MultiByteToWideChar(m_codePage, MB_ERR_INVALID_CHARS, text.data(), length, wide.data(),
                              wideLength);
        return wide;
    }

    [[nodiscard]] std::optional<std::string> Narrow(std::wstring_view wide) const {
        if (wide.empty()) {
            return std::string();
        }
        if (wide.size() > INT_MAX / 4) {
            return std::nullopt;
        }
        if (m_codePage == CP_UTF8) {
            return base::Utf16LeToWtf8(std::string_view(reinterpret_cast<const char*>(wide.data()),
                                                        wide.size() * sizeof(wchar_t)));
        }
        const int length = static_cast<int>(wide.size());
        BOOL lossy = FALSE;
        const int narrowLength = ::WideCharToMultiByte(
            m_codePage, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, nullptr, &lossy);
        if (narrowLength <= 0 || lossy) {
            return std::nullopt;
        }
        std::string narrow(static_cast<std::size_t>(narrowLength), '\0');
        ::WideCharToMultiByte(m_codePage, WC_NO_BEST_FIT_CHARS, wide.data(), length, narrow.data(),
                              narrowLength, nullptr, &lossy);
        // A character without a form of its own in the code page would come
        // back as another: that is no exact text either.
        if (lossy || Wide(narrow) != std::wstring(wide)) {
            return std::nullopt;
        }
        return narrow;
    }

    // The text as the narrow API gives it, with "?" for what the code page
    // lacks: for a look only.
    [[nodiscard]] std::string Approximate(std::wstring_view wide) const {
        if (wide.empty() || wide.size() > INT_MAX / 4) {
            return {};
        }
        const int length = static_cast<int>(wide.size());
        const int narrowLength =
            ::WideCharToMultiByte(m_codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
        if (narrowLength <= 0) {
            return {};
        }
        std::string narrow(static_cast<std::size_t>(narrowLength), '\0');
        ::WideCharToMultiByte(m_codePage, 0, wide.data(), length, narrow.data(), narrowLength,
                              nullptr, nullptr);
        return narrow;
    }

private:
    UINT m_codePage = ::GetACP();
};

bool IsStringType(DWORD type) noexcept {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
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
    return RegistryText().Narrow(std::wstring_view(name, nameBytes / sizeof(wchar_t))).value_or("");
}

class RegistryKeyWin32 : public platform::RegistryKey {
public:
    explicit RegistryKeyWin32(UniqueRegKey key) noexcept : m_key(std::move(key)) {}

    [[nodiscard]] long QueryValue(std::string_view name, RegistryValue& out) override {
        const std::optional<std::wstring> valueName = m_text.Wide(name);
        if (!valueName) {
            return ERROR_FILE_NOT_FOUND;
        }
        return QueryWide(*valueName, out);
    }

    [[nodiscard]] long SetValue(std::string_view name, const RegistryValue& value) override {
        const std::optional<std::wstring> valueName = m_text.Wide(name);
        if (!valueName) {
            return ERROR_NO_UNICODE_TRANSLATION;
        }
        std::string bytes = value.data;
        if (IsStringType(value.type)) {
            const std::optional<std::wstring> text = m_text.Wide(value.data);
            if (!text) {
                return ERROR_NO_UNICODE_TRANSLATION;
            }
            bytes.assign(reinterpret_cast<const char*>(text->data()),
                         text->size() * sizeof(wchar_t));
        }
        return ::RegSetValueExW(m_key.Get(), valueName->c_str(), 0, value.type,
                                reinterpret_cast<const BYTE*>(bytes.data()),
                                static_cast<DWORD>(bytes.size()));
    }

    [[nodiscard]] long DeleteValue(std::string_view name) override {
        const std::optional<std::wstring> valueName = m_text.Wide(name);
        if (!valueName) {
            return ERROR_FILE_NOT_FOUND;
        }
        return ::RegDeleteValueW(m_key.Get(), valueName->c_str());
    }

    [[nodiscard]] std::string KernelName() override { return KernelNameOf(m_key.Get()); }

    [[nodiscard]] long EnumerateSubKeys(std::vector<std::string>& names) override {
        names.clear();
        std::vector<std::wstring> wide;
        const long status = EnumerateNames(
            wide, kLongestKeyName, [this](DWORD index, wchar_t* buffer, DWORD* size) {
                return ::RegEnumKeyExW(m_key.Get(), index, buffer, size, nullptr, nullptr, nullptr,
                                       nullptr);
            });
        if (status != ERROR_SUCCESS) {
            return status;
        }
        for (const std::wstring& name : wide) {
            std::optional<std::string> text = m_text.Narrow(name);
            if (!text) {
                names.clear();
                return ERROR_NO_UNICODE_TRANSLATION;
            }
            names.push_back(std::move(*text));
        }
        return ERROR_SUCCESS;
    }

    [[nodiscard]] long EnumerateValues(std::vector<NamedRegistryValue>& values) override {
        values.clear();
        std::vector<std::wstring> names;
        const long status = EnumerateNames(
            names, kLongestValueName, [this](DWORD index, wchar_t* buffer, DWORD* size) {
                return ::RegEnumValueW(m_key.Get(), index, buffer, size, nullptr, nullptr, nullptr,
                                       nullptr);
            });
        if (status != ERROR_SUCCESS) {
            return status;
        }
        // Each value is read by the name as listed, never by its text.
        for (const std::wstring& name : names) {
            NamedRegistryValue entry;
            std::optional<std::string> text = m_text.Narrow(name);
            long read = text ? QueryWide(name, entry.value) : ERROR_NO_UNICODE_TRANSLATION;
            if (read != ERROR_SUCCESS) {
                values.clear();
                return read;
            }
            entry.name = std::move(*text);
            values.push_back(std::move(entry));
        }
        return ERROR_SUCCESS;
    }

    [[nodiscard]] long ListSubKeyNames(std::uint32_t from, std::uint32_t most,
                                       std::vector<std::string>& names) override {
        return ListNames(from, most, names, kLongestKeyName,
                         [this](DWORD index, wchar_t* buffer, DWORD* size) {
                             return ::RegEnumKeyExW(m_key.Get(), index, buffer, size, nullptr,
                                                    nullptr, nullptr, nullptr);
                         });
    }

    [[nodiscard]] long ListValueNames(std::uint32_t from, std::uint32_t most,
                                      std::vector<std::string>& names) override {
        return ListNames(from, most, names, kLongestValueName,
                         [this](DWORD index, wchar_t* buffer, DWORD* size) {
                             return ::RegEnumValueW(m_key.Get(), index, buffer, size, nullptr,
                                                    nullptr, nullptr, nullptr);
                         });
    }

private:
    template <typename EnumerateOne>
    long ListNames(std::uint32_t from, std::uint32_t most, std::vector<std::string>& names,
                   std::size_t longest, EnumerateOne enumerateOne) const {
        std::vector<wchar_t> buffer(longest + 1);
        for (std::uint32_t index = from; index - from < most; ++index) {
            DWORD size = static_cast<DWORD>(buffer.size());
            const LSTATUS status = enumerateOne(index, buffer.data(), &size);
            if (status == ERROR_NO_MORE_ITEMS) {
                break;
            }
            if (status != ERROR_SUCCESS) {
                return status;
            }
            std::optional<std::string> text = m_text.Narrow(std::wstring_view(buffer.data(), size));
            if (!text) {
                return ERROR_NO_UNICODE_TRANSLATION;
            }
            names.push_back(std::move(*text));
        }
        return ERROR_SUCCESS;
    }

    [[nodiscard]] long QueryWide(const std::wstring& name, RegistryValue& out) {
        DWORD type = REG_NONE;
        DWORD size = 0;
        LSTATUS status =
            ::RegQueryValueExW(m_key.Get(), name.c_str(), nullptr, &type, nullptr, &size);
        if (status != ERROR_SUCCESS) {
            return status;
        }
        std::string data;
        // The value may grow between the two calls; ask again with the new size.
        do {
            data.resize(size);
            status = ::RegQueryValueExW(m_key.Get(), name.c_str(), nullptr, &type,
                                        reinterpret_cast<BYTE*>(data.data()), &size);
        } while (status == ERROR_MORE_DATA);
        if (status != ERROR_SUCCESS) {
            return status;
        }
        data.resize(size);
        bool exact = true;
        if (IsStringType(type)) {
            // Text stored with an odd byte has no exact text of its own.
            exact = size % sizeof(wchar_t) == 0;
            const std::wstring_view units(reinterpret_cast<const wchar_t*>(data.data()),
                                          size / sizeof(wchar_t));
            std::optional<std::string> text = m_text.Narrow(units);
            exact = exact && text.has_value();
            data = text ? std::move(*text) : m_text.Approximate(units);
        }
        out.type = type;
        out.data = std::move(data);
        out.exact = exact;
        return ERROR_SUCCESS;
    }

    // Names by index until the list ends, into a buffer that holds the
    // longest name the registry allows.
    template <typename EnumerateOne>
    static long EnumerateNames(std::vector<std::wstring>& names, std::size_t longest,
                               EnumerateOne enumerateOne) {
        std::vector<wchar_t> buffer(longest + 1);
        for (DWORD index = 0;; ++index) {
            DWORD size = static_cast<DWORD>(buffer.size());
            const LSTATUS status = enumerateOne(index, buffer.data(), &size);
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

    // In characters, without the terminating NUL.
    static constexpr std::size_t kLongestKeyName = 255;
    static constexpr std::size_t kLongestValueName = 16383;

    UniqueRegKey m_key;
    RegistryText m_text;
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
    const std::optional<std::wstring> keyPath = RegistryText().Wide(path);
    if (!keyPath) {
        return MakeResult(ERROR_FILE_NOT_FOUND, {});
    }
    UniqueRegKey key;
    const LSTATUS status =
        ::RegOpenKeyExW(RootKey(root), keyPath->c_str(), 0, access | ViewFlag(view), key.Put());
    return MakeResult(status, std::move(key));
}

RegistryOpenResult RegistryWin32::CreateKey(RegistryRoot root, std::string_view path,
                                            std::uint32_t access, RegistryView view) {
    const std::optional<std::wstring> keyPath = RegistryText().Wide(path);
    if (!keyPath) {
        return MakeResult(ERROR_NO_UNICODE_TRANSLATION, {});
    }
    UniqueRegKey key;
    const LSTATUS status =
        ::RegCreateKeyExW(RootKey(root), keyPath->c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          access | ViewFlag(view), nullptr, key.Put(), nullptr);
    return MakeResult(status, std::move(key));
}

long RegistryWin32::DeleteTree(RegistryRoot root, std::string_view path, RegistryView view) {
    const std::optional<std::wstring> keyPath = RegistryText().Wide(path);
    if (!keyPath) {
        return ERROR_FILE_NOT_FOUND;
    }
    if (view == RegistryView::Default) {
        return static_cast<long>(::SHDeleteKeyW(RootKey(root), keyPath->c_str()));
    }
    // The shell's deletion knows no views: the tree below the key is emptied
    // through a key opened in the view, then the key goes in that view.
    UniqueRegKey key;
    LSTATUS status = ::RegOpenKeyExW(
        RootKey(root), keyPath->c_str(), 0,
        DELETE | KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | KEY_SET_VALUE | ViewFlag(view),
        key.Put());
    if (status != ERROR_SUCCESS) {
        return status;
    }
    status = ::RegDeleteTreeW(key.Get(), nullptr);
    if (status != ERROR_SUCCESS) {
        return status;
    }
    return ::RegDeleteKeyExW(RootKey(root), keyPath->c_str(), ViewFlag(view), 0);
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
