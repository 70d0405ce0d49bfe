#include "scan/cookie_fields.h"

#include "base/text.h"

namespace scan {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

std::vector<std::string> ReadFields(std::string_view text) {
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i])) {
            ++i;
        }
        std::string field;
        if (i < text.size() && text[i] == '"') {
            const std::size_t close = text.find('"', i + 1);
            const std::size_t end = close == std::string_view::npos ? text.size() : close;
            field = std::string(text.substr(i + 1, end - i - 1));
            i = close == std::string_view::npos ? text.size() : close + 1;
            // Whatever follows the closing quote up to the separator is dropped.
            while (i < text.size() && text[i] != ',' && !IsLineEnd(text[i])) {
                ++i;
            }
        } else {
            const std::size_t start = i;
            while (i < text.size() && text[i] != ',' && !IsLineEnd(text[i])) {
                ++i;
            }
            field = base::TrimRight(text.substr(start, i - start));
            while (!field.empty() && IsBlank(field.back())) {
                field.pop_back();
            }
        }
        fields.push_back(std::move(field));
        if (i < text.size() && text[i] == ',') {
            ++i;
            // A comma that ends the text leaves one more, empty field.
            if (i == text.size()) {
                fields.emplace_back();
            }
            continue;
        }
        // A line end: CR LF counts once; blank lines give no field.
        while (i < text.size() && IsLineEnd(text[i])) {
            ++i;
        }
    }
    return fields;
}

}  // namespace scan
