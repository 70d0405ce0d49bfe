#pragma once

// The reader of the XML-like localisation file: language groups, each with a
// name and a block of translation items, one item per line. Tags are found
// without regard to case; nothing is unescaped.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace i18n {

struct LanguageGroup {
    std::string name;  // the text between the name tags, untrimmed
    std::string text;  // the whole group, from its opening tag
};

// The language groups of the file, in file order.
[[nodiscard]] std::vector<LanguageGroup> ReadLanguageGroups(std::string_view file);

// The translation block of a group (the text between the item tags), or
// nullopt when the group has none.
[[nodiscard]] std::optional<std::string> TranslationBlock(std::string_view group);

// The text of the item for this key on one line of a translation block, or
// nullopt when the line holds no item for the key. An item whose closing tag
// is missing gives "".
[[nodiscard]] std::optional<std::string> ItemText(std::string_view line, std::string_view key);

}  // namespace i18n
