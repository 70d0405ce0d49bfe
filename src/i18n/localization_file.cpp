#include "i18n/localization_file.h"

#include "base/text.h"

namespace i18n {

namespace {

constexpr std::string_view kGroupOpen = "<LANGUAGE_GROUP";
constexpr std::string_view kGroupClose = "</LANGUAGE_GROUP>";
constexpr std::string_view kNameOpen = "<LANGUAGE_NAME>";
constexpr std::string_view kNameClose = "</LANGUAGE_NAME>";
constexpr std::string_view kItemsOpen = "<TRANSLATION_ITEMS>";
constexpr std::string_view kItemsClose = "</TRANSLATION_ITEMS>";

constexpr std::size_t npos = std::string_view::npos;

// The text between the first opening tag and the next closing tag, or
// nullopt when the opening tag is missing. A missing closing tag lets the
// text run to the end.
std::optional<std::string> Between(std::string_view text, std::string_view open,
                                   std::string_view close) {
    const std::size_t start = base::FindIgnoreCase(text, open);
    if (start == npos) {
        return std::nullopt;
    }
    const std::size_t from = start + open.size();
    const std::size_t end = base::FindIgnoreCase(text, close, from);
    return std::string(text.substr(from, end == npos ? npos : end - from));
}

}  // namespace

std::vector<LanguageGroup> ReadLanguageGroups(std::string_view file) {
    std::vector<LanguageGroup> groups;
    std::size_t position = 0;
    while (position < file.size()) {
        const std::size_t start = base::FindIgnoreCase(file, kGroupOpen, position);
        if (start == npos) {
            break;
        }
        // A group without its closing tag runs to the end of the file and is
        // the last one; the search never goes backwards, so it always ends.
        const std::size_t end = base::FindIgnoreCase(file, kGroupClose, start);
        LanguageGroup group;
        group.text = std::string(file.substr(start, end == npos ? npos : end - start));
        group.name = Between(group.text, kNameOpen, kNameClose).value_or("");
        groups.push_back(std::move(group));
        if (end == npos) {
            break;
        }
        position = end + kGroupClose.size();
    }
    return groups;
}

std::optional<std::string> TranslationBlock(std::string_view group) {
    return Between(group, kItemsOpen, kItemsClose);
}

std::optional<std::string> ItemText(std::string_view line, std::string_view key) {
    // The tag is what stands between the first "<" and the first ">"; a line
    // whose part before ">" is two characters or shorter holds no item.
    const std::size_t close = line.find('>');
    if (close == npos || close <= 2) {
        return std::nullopt;
    }
    const std::string_view head = line.substr(0, close);
    const std::size_t open = head.find('<');
    const std::string_view tag = open == npos ? head : head.substr(open + 1);
    if (!base::EqualsIgnoreCase(tag, key)) {
        return std::nullopt;
    }
    std::string openTag = "<";
    openTag.append(key).append(">");
    std::string closeTag = "</";
    closeTag.append(key).append(">");
    const std::size_t textStart = base::FindIgnoreCase(line, openTag);
    if (textStart == npos) {
        return std::string();
    }
    const std::size_t from = textStart + openTag.size();
    const std::size_t textEnd = base::FindIgnoreCase(line, closeTag, from);
    if (textEnd == npos) {
        return std::string();
    }
    return std::string(line.substr(from, textEnd - from));
}

}  // namespace i18n
