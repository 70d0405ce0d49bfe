#pragma once

// The public suffixes: names under which anyone can register a domain of
// their own ("com", "co.uk", "blogspot.com"), from the public suffix list
// that the build takes from the machine it runs on. A blocked-cookie entry
// that is one would name the cookies of every site below it.

#include <string>
#include <string_view>
#include <unordered_set>

namespace platform {
class TextCodec;
}

namespace scan {

// The list's rules, one a line, in UTF-8, as the build wrote them.
[[nodiscard]] std::string_view PublicSuffixRules() noexcept;

class PublicSuffixes {
public:
    // Rules written in Unicode are held in punycode, as the codec maps them.
    explicit PublicSuffixes(platform::TextCodec& codec);

    // Whether a domain (lower-case ASCII, punycode, without a leading or a
    // trailing dot) is a public suffix, as the list's rules decide: named by
    // a rule, or one label below a wildcard rule ("*.ck") and not named by
    // an exception ("!www.ck").
    [[nodiscard]] bool IsPublicSuffix(std::string_view domain) const;

private:
    std::unordered_set<std::string> m_rules;
    std::unordered_set<std::string> m_wildcards;  // the part after "*."
    std::unordered_set<std::string> m_exceptions;
};

}  // namespace scan
