#pragma once

// The registry port: keys opened with an access mask, typed values, and the
// deletion of values and whole key trees. Status codes are the platform's
// error numbers, so that callers can tell "not found" from "access denied".

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The predefined root keys, with the platform's handle values.
enum class RegistryRoot : std::uint32_t {
    ClassesRoot = 0x80000000u,
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
    Users = 0x80000003u,
    CurrentConfig = 0x80000005u,
    DynData = 0x80000006u,
};

// Status codes (the platform's error numbers).
namespace reg_status {
inline constexpr long kOk = 0;
inline constexpr long kNotFound = 2;
inline constexpr long kAccessDenied = 5;
inline constexpr long kNotSupported = 50;
inline constexpr long kInvalidParameter = 87;
inline constexpr long kMoreData = 234;
// A key or value was listed, but is gone when it is read.
inline constexpr long kKeyDeleted = 1018;
// A name or text that the program's code page cannot hold exactly.
inline constexpr long kNoUnicodeTranslation = 1113;
}  // namespace reg_status

// Value types.
namespace reg_type {
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kString = 1;
inline constexpr std::uint32_t kExpandString = 2;
inline constexpr std::uint32_t kBinary = 3;
inline constexpr std::uint32_t kDword = 4;
inline constexpr std::uint32_t kMultiString = 7;
inline constexpr std::uint32_t kQword = 11;
}  // namespace reg_type

// Access rights.
namespace reg_access {
inline constexpr std::uint32_t kQueryValue = 0x0001;
inline constexpr std::uint32_t kSetValue = 0x0002;
inline constexpr std::uint32_t kCreateSubKey = 0x0004;
inline constexpr std::uint32_t kEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t kNotify = 0x0010;
inline constexpr std::uint32_t kCreateLink = 0x0020;
inline constexpr std::uint32_t kStandardRead = 0x00020000;
inline constexpr std::uint32_t kRead = 0x00020019;
inline constexpr std::uint32_t kWrite = 0x00020006;
inline constexpr std::uint32_t kAllAccess = 0x000F003F;
}  // namespace reg_access

// The registry's views. On 64-bit Windows 32-bit programs keep most of
// their machine-wide keys in a view of their own (below WOW6432Node); the
// default view is the running program's. Where there is one view, every
// choice opens it.
enum class RegistryView {
    Default,
    Native64,
    Wow32,
};

struct RegistryValue {
    std::uint32_t type = reg_type::kNone;
    // The stored bytes as they are, including a string's terminating NUL.
    std::string data;
    // False for text that the program's code page holds only in part: the
    // data then stands in for it as the narrow API would give it (a "?" for
    // each character it lacks), good for a look, never for a copy.
    bool exact = true;
};

// One value of a key as an enumeration finds it.
struct NamedRegistryValue {
    std::string name;  // "" for the key's default value
    RegistryValue value;
};

// An open key; closing it is the destructor's work.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    [[nodiscard]] virtual long QueryValue(std::string_view name, RegistryValue& out) = 0;
    [[nodiscard]] virtual long SetValue(std::string_view name, const RegistryValue& value) = 0;
    [[nodiscard]] virtual long DeleteValue(std::string_view name) = 0;
    // The key's full name as the system keeps it, such as
    // \REGISTRY\MACHINE\SOFTWARE\WOW6432Node\Acme: it tells where a view
    // led. "" when the platform does not say.
    [[nodiscard]] virtual std::string KernelName() = 0;
    // The names of the key's direct subkeys, and its values with their types
    // and data, in the platform's order; the key must be open with
    // kEnumerateSubKeys and kQueryValue (kRead has both). The lists are
    // complete exactly when the result is kOk. A key that cannot enumerate
    // says kNotSupported, so that nothing is taken for a complete copy.
    // Every listed value is read back by its name: one that is then not
    // found fails the whole list, since the key itself is there.
    [[nodiscard]] virtual long EnumerateSubKeys(std::vector<std::string>& names) {
        names.clear();
        return reg_status::kNotSupported;
    }
    [[nodiscard]] virtual long EnumerateValues(std::vector<NamedRegistryValue>& values) {
        values.clear();
        return reg_status::kNotSupported;
    }
    // A part of the names of the key's direct subkeys, or of its values'
    // names: from the `from`-th in the platform's order, at most `most`,
    // appended to `names`; fewer than `most` means the list ended. A long
    // list is so read in parts while the key stays open. The key must be open
    // with kEnumerateSubKeys, or kQueryValue for the values. A name that the
    // program's text cannot hold exactly fails the call
    // (kNoUnicodeTranslation), so that no name is taken for another.
    [[nodiscard]] virtual long ListSubKeyNames(std::uint32_t from, std::uint32_t most,
                                               std::vector<std::string>& names) {
        static_cast<void>(from);
        static_cast<void>(most);
        static_cast<void>(names);
        return reg_status::kNotSupported;
    }
    [[nodiscard]] virtual long ListValueNames(std::uint32_t from, std::uint32_t most,
                                              std::vector<std::string>& names) {
        static_cast<void>(from);
        static_cast<void>(most);
        static_cast<void>(names);
        return reg_status::kNotSupported;
    }
};

struct RegistryOpenResult {
    long status = reg_status::kNotFound;
    std::unique_ptr<RegistryKey> key;  // set exactly when status is kOk
};

class Registry {
public:
    virtual ~Registry() = default;

    [[nodiscard]] virtual RegistryOpenResult OpenKey(RegistryRoot root, std::string_view path,
                                                     std::uint32_t access, RegistryView view) = 0;
    // Opens the key, creating it and any missing parents first.
    [[nodiscard]] virtual RegistryOpenResult CreateKey(RegistryRoot root, std::string_view path,
                                                       std::uint32_t access, RegistryView view) = 0;
    // Deletes the key with all its subkeys and values.
    [[nodiscard]] virtual long DeleteTree(RegistryRoot root, std::string_view path,
                                          RegistryView view) = 0;
    // True on 64-bit Windows, where the 32-bit view is a view of its own.
    [[nodiscard]] virtual bool HasWow32View() = 0;

    // The same in the default view.
    [[nodiscard]] RegistryOpenResult OpenKey(RegistryRoot root, std::string_view path,
                                             std::uint32_t access) {
        return OpenKey(root, path, access, RegistryView::Default);
    }
    [[nodiscard]] RegistryOpenResult CreateKey(RegistryRoot root, std::string_view path,
                                               std::uint32_t access) {
        return CreateKey(root, path, access, RegistryView::Default);
    }
    [[nodiscard]] long DeleteTree(RegistryRoot root, std::string_view path) {
        return DeleteTree(root, path, RegistryView::Default);
    }
};

// A string value as stored: the characters followed by a terminating NUL.
[[nodiscard]] inline RegistryValue StringValue(std::string_view text) {
    RegistryValue value;
    value.type = reg_type::kString;
    value.data.assign(text);
    value.data.push_back('\0');
    return value;
}

}  // namespace platform
