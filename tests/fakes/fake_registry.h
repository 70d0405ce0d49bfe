#pragma once

// An in-memory registry: keys and value names compare without regard to
// case, a key can be set to refuse some access rights, and a whole root can
// refuse writes, as HKEY_LOCAL_MACHINE does for a standard user. It has one
// view, as 32-bit Windows has, unless told to model 64-bit Windows.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace fakes {

class FakeRegistry : public platform::Registry {
public:
    using Registry::CreateKey;
    using Registry::DeleteTree;
    using Registry::OpenKey;

    platform::RegistryOpenResult OpenKey(platform::RegistryRoot root, std::string_view path,
                                         std::uint32_t access,
                                         platform::RegistryView view) override;
    platform::RegistryOpenResult CreateKey(platform::RegistryRoot root, std::string_view path,
                                           std::uint32_t access,
                                           platform::RegistryView view) override;
    long DeleteTree(platform::RegistryRoot root, std::string_view path,
                    platform::RegistryView view) override;
    bool HasWow32View() override { return m_twoViews; }

    // 64-bit Windows: in the 32-bit view the keys below
    // HKEY_LOCAL_MACHINE\SOFTWARE lead below its WOW6432Node, except the
    // classes, of which only the COM registrations (CLSID, Interface and
    // the like) lead below the classes' own WOW6432Node, in
    // HKEY_CLASSES_ROOT as well. The user's keys are shared. The test
    // set-up and inspection below name keys as a 64-bit program sees them.
    void ModelTwoViews() { m_twoViews = true; }

    // Test set-up and inspection.
    void SetString(platform::RegistryRoot root, std::string_view path, std::string_view name,
                   std::string_view text);
    void SetValue(platform::RegistryRoot root, std::string_view path, std::string_view name,
                  platform::RegistryValue value);
    [[nodiscard]] std::optional<platform::RegistryValue> Value(platform::RegistryRoot root,
                                                               std::string_view path,
                                                               std::string_view name) const;
    // The string stored, without its terminating NUL; nullopt when absent.
    [[nodiscard]] std::optional<std::string> String(platform::RegistryRoot root,
                                                    std::string_view path,
                                                    std::string_view name) const;
    [[nodiscard]] bool KeyExists(platform::RegistryRoot root, std::string_view path) const;
    // Opening or creating the key with any of these rights fails with
    // "access denied"; so do writes through a key opened otherwise.
    void DenyAccess(platform::RegistryRoot root, std::string_view path, std::uint32_t rights);
    // No key under the root can be created, and its keys refuse the rights
    // that change them, except where Grant allows them.
    void RefuseWritesUnder(platform::RegistryRoot root);
    // The key lets everyone use these rights despite RefuseWritesUnder, as a
    // setup program's grant on its own key does.
    void Grant(platform::RegistryRoot root, std::string_view path, std::uint32_t rights);

    // The value stays in its key's list, but reading it by the listed name
    // finds nothing: a name that the narrow API cannot carry, or a value
    // deleted between listing and reading. Its key's list of values then
    // fails as the platform's read-back does.
    void ListWithoutReading(platform::RegistryRoot root, std::string_view path,
                            std::string_view name);
    // The key stays in its parent's list of subkeys, but opening it by the
    // listed name finds nothing. A tree deletion above it still takes it.
    void ListWithoutOpening(platform::RegistryRoot root, std::string_view path);
    // The key opens with any rights, but reading its lists of subkeys and
    // values is refused, as for a key whose owner lets a standard user open
    // it but not list it.
    void RefuseListing(platform::RegistryRoot root, std::string_view path);
    // A tree deletion that reaches this key stops there, refused, having
    // deleted the keys it took before (subkeys first).
    void RefuseDeletion(platform::RegistryRoot root, std::string_view path);
    // Deleting the key's values, or a tree that holds the key, reports
    // success and changes nothing, as where a program that guards the key
    // puts it back at once.
    void KeepDeleted(platform::RegistryRoot root, std::string_view path);
    // Setting a value of the key reports success and changes nothing, as
    // where a program that guards the key deletes it again at once.
    void LoseWrites(platform::RegistryRoot root, std::string_view path);

    // Keys opened or created through the port, failed attempts too: every
    // read or write of a setting opens its key.
    int opens = 0;
    // Names handed out by the partial listings of subkeys and values.
    mutable int listedNames = 0;

    struct KeyData {
        std::map<std::string, platform::RegistryValue> values;  // by upper-cased name
        std::map<std::string, std::string> names;               // upper-cased -> as written
        std::uint32_t deniedRights = 0;
        std::uint32_t grantedRights = 0;
        std::string name;                  // the key's own name as first written
        std::set<std::string> unreadable;  // upper-cased value names
        bool unopenable = false;
        bool undeletable = false;
        bool deletionsKept = false;
        bool writesLost = false;
        bool listingRefused = false;
    };

    // The names of the key's direct subkeys (`path` as the key's id has it).
    [[nodiscard]] std::vector<std::string> SubKeyNames(platform::RegistryRoot root,
                                                       std::string_view path) const;

    // The rights that the key refuses now, its own and its root's.
    [[nodiscard]] std::uint32_t Refused(platform::RegistryRoot root, const KeyData& key) const;

private:
    // The key and its missing parents; their names are taken from `written`
    // (the path as the caller wrote it) where it has as many segments.
    KeyData& Ensure(platform::RegistryRoot root, std::string_view path,
                    std::string_view written = {});
    // The key that the path names in the view, upper-cased.
    [[nodiscard]] std::string InView(platform::RegistryRoot root, std::string_view path,
                                     platform::RegistryView view) const;
    [[nodiscard]] static std::string KeyId(platform::RegistryRoot root, std::string_view path);

    std::map<std::string, KeyData> m_keys;  // by root and upper-cased path
    std::set<platform::RegistryRoot> m_readOnlyRoots;
    bool m_twoViews = false;
};

}  // namespace fakes
