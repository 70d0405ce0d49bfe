#pragma once

// The safe list: locations that a scan never reports, from "Safety.dat".

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace definitions {

class SafeList {
public:
    // The locations as read, in file order; empty ones included.
    [[nodiscard]] const std::vector<std::string>& Locations() const noexcept { return m_locations; }

    void Clear();
    void Add(std::string location);

    // True when the location is on the list (ignoring letter case, blanks
    // around it and one trailing slash and backslash), or is empty, or is a
    // bare root key while the list holds anything at all.
    [[nodiscard]] bool IsSafeListed(std::string_view location) const;

private:
    std::vector<std::string> m_locations;
    // The normalised forms, made once when an entry is added.
    std::unordered_set<std::string> m_normalised;
};

// The normal form in which safe locations compare: lower case, trimmed, one
// trailing "/" and then one trailing "\" removed.
[[nodiscard]] std::string NormaliseSafeLocation(std::string_view location);

}  // namespace definitions
