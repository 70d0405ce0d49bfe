#include "core/text_lines.h"

namespace core {

std::vector<std::string> TextLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        lines.emplace_back(text.substr(start));
    }
    return lines;
}

std::optional<std::vector<std::string>> ReadTextLines(platform::FileSystem& fs,
                                                      std::string_view path) {
    std::optional<std::string> content = fs.ReadWholeFile(path);
    if (!content) {
        return std::nullopt;
    }
    return TextLines(*content);
}

std::optional<std::vector<std::string>> ReadStoredTextLines(platform::FileSystem& fs,
                                                            platform::TextCodec& codec,
                                                            std::string_view path) {
    std::optional<std::vector<std::string>> lines = ReadTextLines(fs, path);
    if (lines) {
        for (std::string& line : *lines) {
            line = codec.StoredToAnsi(line);
        }
    }
    return lines;
}

std::optional<std::string> ReadFirstLine(platform::FileSystem& fs, std::string_view path) {
    std::optional<std::vector<std::string>> lines = ReadTextLines(fs, path);
    if (!lines || lines->empty()) {
        return std::nullopt;
    }
    return lines->front();
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text.append(line).append("\r\n");
    }
    return text;
}

}  // namespace core
