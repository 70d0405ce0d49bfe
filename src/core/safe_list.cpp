#include "core/safe_list.h"

#include <array>

#include "base/text.h"

namespace definitions {

std::string NormaliseSafeLocation(std::string_view location) {
    std::string normal = base::Trim(base::LowerCase(location));
    if (!normal.empty() && normal.back() == '/') {
        normal.pop_back();
    }
    if (!normal.empty() && normal.back() == '\\') {
        normal.pop_back();
    }
    return normal;
}

void SafeList::Clear() {
    m_locations.clear();
    m_normalised.clear();
}

void SafeList::Add(std::string location) {
    std::string normal = NormaliseSafeLocation(location);
    if (!normal.empty() && normal != " ") {
        m_normalised.insert(std::move(normal));
    }
    m_locations.push_back(std::move(location));
}

bool SafeList::IsSafeListed(std::string_view location) const {
    const std::string normal = NormaliseSafeLocation(location);
    if (normal.empty() || normal == " ") {
        return true;
    }
    if (m_normalised.contains(normal) || m_normalised.contains(normal + "\\")) {
        return true;
    }
    if (normal.back() == '\\' && m_normalised.contains(normal.substr(0, normal.size() - 1))) {
        return true;
    }
    // A bare root key is safe, but only once the list holds anything at all.
    if (m_normalised.empty()) {
        return false;
    }
    static constexpr std::array<std::string_view, 5> kRoots{
        "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS",
        "HKEY_CURRENT_CONFIG"};
    std::string upper = base::UpperCase(location);
    if (!upper.empty() && upper.back() == '\\') {
        upper.pop_back();
    }
    for (std::string_view root : kRoots) {
        if (upper == root) {
            return true;
        }
    }
    return false;
}

}  // namespace definitions
