#include "scan/registry_lookup.h"

#include <unordered_set>
#include <utility>

#include "base/text.h"
#include "scan/registry_scan.h"
#include "scan/registry_views.h"

namespace scan {

namespace {

namespace status = platform::reg_status;

// Names read between two calls of keepGoing: a few milliseconds under Wine.
constexpr std::uint32_t kListingPart = 256;

// Printable seven-bit text: the registry compares it without regard to case
// exactly as an ASCII comparison does. Another letter may match an ASCII
// one in the registry's eyes (the dotless i matches I), so such names are
// never taken as absent from a listing.
bool IsPlainAscii(std::string_view text) noexcept {
    for (const char c : text) {
        if (c < 0x20 || c > 0x7E) {
            return false;
        }
    }
    return true;
}

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

// A path that the platform splits into the same segments whatever it does
// with empty ones: none at either end, none doubled.
bool HasPlainSegments(std::string_view path) noexcept {
    return !path.empty() && path.front() != '\\' && path.back() != '\\' &&
           path.find("\\\\") == std::string_view::npos;
}

std::string_view LastSegment(std::string_view path) noexcept {
    const std::size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::vector<RegistryPlace> LookUpRegistryPlaces(platform::Registry& registry, std::uint32_t root,
                                                std::string_view lookupPath,
                                                const std::string& rowPath,
                                                const std::string* valueName) {
    std::vector<RegistryPlace> places;
    std::string value;
    const platform::RegistryView literal = LiteralView(registry);
    if (valueName != nullptr
            ? RegistryValueExists(registry, root, lookupPath, *valueName, value, literal)
            : RegistryKeyExists(registry, root, lookupPath, literal)) {
        places.push_back({rowPath, false});
    }
    if (!registry.HasWow32View()) {
        return places;
    }
    const platform::RegistryOpenResult opened =
        registry.OpenKey(static_cast<platform::RegistryRoot>(root), lookupPath, kTraceKeyAccess,
                         platform::RegistryView::Wow32);
    if (opened.status != status::kOk) {
        return places;
    }
    std::optional<std::string> redirected = RedirectedKeyPath(lookupPath, opened.key->KernelName());
    if (!redirected ||
        (valueName != nullptr && ReadRegistryValue(*opened.key, *valueName, value) != 0)) {
        return places;
    }
    places.push_back({std::move(*redirected), true});
    return places;
}

// What one view's listing of a parent tells about the names below it.
struct GroupedRegistryLookup::Listing {
    // Nothing below the parent is a place in this view: the parent is not
    // there, or (32-bit view) it leads nowhere else.
    bool noPlaceBelow = false;
    // `names` holds every name below the parent, upper-cased.
    bool complete = false;
    bool otherNames = false;  // names that are not plain ASCII were left out
    std::unordered_set<std::string> names;
    std::string kernelName;

    // False when the name may be there: then only a lookup of its own tells.
    [[nodiscard]] bool RulesOut(std::string_view name) const {
        if (noPlaceBelow) {
            return true;
        }
        return complete && !otherNames && IsPlainAscii(name) && !names.contains(UpperAscii(name));
    }
};

struct GroupedRegistryLookup::Parent {
    int records = 0;
    bool listed = false;
    Listing literal;
    Listing wow32;
};

GroupedRegistryLookup::GroupedRegistryLookup(platform::Registry& registry,
                                             std::function<bool()> keepGoing)
    : m_registry(registry), m_keepGoing(std::move(keepGoing)) {}

GroupedRegistryLookup::~GroupedRegistryLookup() = default;

std::vector<RegistryPlace> GroupedRegistryLookup::Places(std::uint32_t root,
                                                         std::string_view lookupPath,
                                                         const std::string& rowPath,
                                                         const std::string* valueName) {
    // A key is a name below its parent, and a value one below its key: a
    // value whose key is ruled out is too. A key directly below the root is
    // looked up by itself.
    if (HasPlainSegments(lookupPath)) {
        const std::size_t slash = lookupPath.rfind('\\');
        if (slash != std::string_view::npos &&
            RuledOut(root, lookupPath.substr(0, slash), LastSegment(lookupPath), false)) {
            return {};
        }
        if (valueName != nullptr && RuledOut(root, lookupPath, *valueName, true)) {
            return {};
        }
    }
    return LookUpRegistryPlaces(m_registry, root, lookupPath, rowPath, valueName);
}

bool GroupedRegistryLookup::RuledOut(std::uint32_t root, std::string_view parentPath,
                                     std::string_view name, bool values) {
    std::unique_ptr<Parent>& parent =
        m_parents[std::to_string(root) + (values ? "V" : "K") + UpperAscii(parentPath)];
    if (!parent) {
        parent = std::make_unique<Parent>();
    }
    if (++parent->records < kListFrom) {
        return false;
    }
    if (!parent->listed) {
        parent->listed = true;
        ListParent(*parent, root, parentPath, values);
    }
    return parent->literal.RulesOut(name) &&
           (!m_registry.HasWow32View() || parent->wow32.RulesOut(name));
}

void GroupedRegistryLookup::ListParent(Parent& parent, std::uint32_t root, std::string_view path,
                                       bool values) {
    ListView(parent.literal, root, path, values, LiteralView(m_registry), nullptr);
    if (m_registry.HasWow32View()) {
        ListView(parent.wow32, root, path, values, platform::RegistryView::Wow32, &parent.literal);
    }
}

// The literal view: the names below the parent as they are. The 32-bit
// view: what may lead to a key or value of its own there. `shared` is the
// literal view's listing, taken over when the view leads to the same key.
void GroupedRegistryLookup::ListView(Listing& listing, std::uint32_t root, std::string_view path,
                                     bool values, platform::RegistryView view, Listing* shared) {
    const bool wow32 = view == platform::RegistryView::Wow32;
    const std::uint32_t rights =
        values ? platform::reg_access::kQueryValue : platform::reg_access::kEnumerateSubKeys;
    const platform::RegistryOpenResult opened =
        m_registry.OpenKey(static_cast<platform::RegistryRoot>(root), path, rights, view);
    if (opened.status == status::kNotFound) {
        // No key or value below a key that is not there, in either view:
        // what would lead elsewhere below it leads through it.
        listing.noPlaceBelow = true;
        return;
    }
    if (opened.status != status::kOk) {
        return;
    }
    if (!wow32) {
        // The 32-bit view takes this listing over where it leads to the
        // same key.
        if (m_registry.HasWow32View()) {
            listing.kernelName = opened.key->KernelName();
        }
        listing.complete = ReadNames(*opened.key, values, listing);
        return;
    }
    listing.kernelName = opened.key->KernelName();
    if (listing.kernelName.empty()) {
        return;
    }
    const bool redirected = RedirectedKeyPath(path, listing.kernelName).has_value();
    if (values) {
        // The values of a key that the view does not lead elsewhere are the
        // literal key's: no place of their own.
        listing.noPlaceBelow = !redirected;
        if (redirected) {
            listing.complete = ReadNames(*opened.key, values, listing);
        }
        return;
    }
    // Below a WOW6432Node key a missing name may be looked for in the
    // shared key instead, and below a key that holds one a name may lead
    // into it: only a lookup of its own tells.
    if (base::EqualsIgnoreCase(LastSegment(listing.kernelName), kWow32KeyName)) {
        return;
    }
    if (shared != nullptr && shared->complete && listing.kernelName == shared->kernelName) {
        listing.names = shared->names;
        listing.otherNames = shared->otherNames;
        listing.complete = true;
    } else {
        listing.complete = ReadNames(*opened.key, values, listing);
    }
    if (listing.otherNames || listing.names.contains(UpperAscii(kWow32KeyName))) {
        listing.complete = false;
    }
}

bool GroupedRegistryLookup::ReadNames(platform::RegistryKey& key, bool values, Listing& listing) {
    for (std::uint32_t from = 0;; from += kListingPart) {
        std::vector<std::string> part;
        const long read = values ? key.ListValueNames(from, kListingPart, part)
                                 : key.ListSubKeyNames(from, kListingPart, part);
        if (read != status::kOk) {
            return false;
        }
        for (const std::string& name : part) {
            if (IsPlainAscii(name)) {
                listing.names.insert(UpperAscii(name));
            } else {
                listing.otherNames = true;
            }
        }
        if (part.size() < kListingPart) {
            return true;
        }
        if (!m_keepGoing()) {
            return false;
        }
    }
}

}  // namespace scan
