#pragma once

// How the registry phase asks whether a record's key or value is there: by
// itself (an open in each view), or from the names below its parent key,
// read once per view for the many records that name keys and values below
// the same parent, most of them absent. A listing only ever rules a record
// out; whatever it may hold is looked up by itself, so both ways give the
// same answer.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/registry.h"

namespace scan {

// A place where a record's key or value is: the key's path below the root as
// regedit shows it, and whether a view's redirection led there.
struct RegistryPlace {
    std::string keyPath;
    bool redirected = false;

    [[nodiscard]] bool operator==(const RegistryPlace&) const = default;
};

// Where the record's key (and for a value record its value) is, looked up by
// itself: at the path taken literally and, on 64-bit Windows, where the
// 32-bit view leads when that is elsewhere. `lookupPath` is the path the key
// is opened by; `rowPath` the one a literal trace shows.
[[nodiscard]] std::vector<RegistryPlace> LookUpRegistryPlaces(platform::Registry& registry,
                                                              std::uint32_t root,
                                                              std::string_view lookupPath,
                                                              const std::string& rowPath,
                                                              const std::string* valueName);

// The same answers, with each parent key that more than a few records name
// listed once per view. The listings are kept for the lookup's life: one
// scan.
class GroupedRegistryLookup {
public:
    // The record that names a parent for this many times has it listed.
    static constexpr int kListFrom = 4;

    // `keepGoing` is called between the parts of a long listing; it yields
    // to the message loop and says whether the scan goes on.
    GroupedRegistryLookup(platform::Registry& registry, std::function<bool()> keepGoing);
    ~GroupedRegistryLookup();
    GroupedRegistryLookup(const GroupedRegistryLookup&) = delete;
    GroupedRegistryLookup& operator=(const GroupedRegistryLookup&) = delete;

    [[nodiscard]] std::vector<RegistryPlace> Places(std::uint32_t root, std::string_view lookupPath,
                                                    const std::string& rowPath,
                                                    const std::string* valueName);

private:
    struct Listing;
    struct Parent;

    // True when the parent's listings show that the name below it is no
    // place in any view; counts the record towards the parent's listing.
    [[nodiscard]] bool RuledOut(std::uint32_t root, std::string_view parentPath,
                                std::string_view name, bool values);
    void ListParent(Parent& parent, std::uint32_t root, std::string_view path, bool values);
    void ListView(Listing& listing, std::uint32_t root, std::string_view path, bool values,
                  platform::RegistryView view, Listing* shared);
    [[nodiscard]] bool ReadNames(platform::RegistryKey& key, bool values, Listing& listing);

    platform::Registry& m_registry;
    std::function<bool()> m_keepGoing;
    std::unordered_map<std::string, std::unique_ptr<Parent>> m_parents;
};

}  // namespace scan
