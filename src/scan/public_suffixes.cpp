#include "scan/public_suffixes.h"

#include <optional>

#include "base/text.h"
#include "platform/text_codec.h"

namespace scan {

namespace {

std::optional<std::string> AsciiRule(platform::TextCodec& codec, std::string_view rule) {
    for (const char c : rule) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return codec.HostNameToAscii(rule);
        }
    }
    return base::LowerCase(rule);
}

}  // namespace

PublicSuffixes::PublicSuffixes(platform::TextCodec& codec) {
    std::string_view rules = PublicSuffixRules();
    while (!rules.empty()) {
        const std::size_t end = rules.find('\n');
        std::string_view rule = rules.substr(0, end);
        rules.remove_prefix(end == std::string_view::npos ? rules.size() : end + 1);
        std::unordered_set<std::string>* into = &m_rules;
        if (rule.starts_with("*.")) {
            rule.remove_prefix(2);
            into = &m_wildcards;
        } else if (rule.starts_with("!")) {
            rule.remove_prefix(1);
            into = &m_exceptions;
        }
        if (std::optional<std::string> ascii = AsciiRule(codec, rule); ascii && !ascii->empty()) {
            into->insert(std::move(*ascii));
        }
    }
}

bool PublicSuffixes::IsPublicSuffix(std::string_view domain) const {
    const std::string name(domain);
    if (m_exceptions.contains(name)) {
        return false;
    }
    if (m_rules.contains(name)) {
        return true;
    }
    const std::size_t dot = name.find('.');
    // A name of one label is a top-level domain, listed or not.
    return dot == std::string::npos || m_wildcards.contains(name.substr(dot + 1));
}

}  // namespace scan
