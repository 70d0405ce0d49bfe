#include "scan/company_name.h"

namespace scan {

namespace {

// The search form of a key in a 32-bit version resource: the text-type word
// 1, then the key as UTF-16 without its last zero byte.
std::string Wide(std::string_view key) {
    std::string wide(1, '\x01');
    for (char c : key) {
        wide.push_back('\0');
        wide.push_back(c);
    }
    return wide;
}

constexpr std::uint64_t kWideValueOffset = 26;
constexpr std::uint64_t kPlainValueOffset = 12;
// A company name is short; a value that runs on longer than this is no name.
constexpr std::size_t kLongestValue = 64 * 1024;
// After a run-on into the next entry, the value ends within this many bytes.
constexpr std::size_t kRunOnWindow = 255;

}  // namespace

std::optional<std::uint64_t> BufferSource::Find(std::string_view pattern, std::uint64_t from) {
    if (from > m_bytes.size()) {
        return std::nullopt;
    }
    const std::size_t found = m_bytes.find(pattern, static_cast<std::size_t>(from));
    return found == std::string_view::npos ? std::nullopt : std::optional<std::uint64_t>(found);
}

std::string BufferSource::Read(std::uint64_t offset, std::size_t length) {
    if (offset >= m_bytes.size()) {
        return {};
    }
    return std::string(m_bytes.substr(static_cast<std::size_t>(offset), length));
}

std::optional<std::uint64_t> FileSource::Find(std::string_view pattern, std::uint64_t from) {
    if (pattern.empty() || pattern.size() > kChunk) {
        return std::nullopt;
    }
    // Consecutive chunks overlap by the pattern's length less one byte.
    for (std::uint64_t offset = from; offset < m_size; offset += kChunk - (pattern.size() - 1)) {
        const std::optional<std::string> chunk = m_fs.ReadFileRange(m_path, offset, kChunk);
        if (!chunk || chunk->size() < pattern.size()) {
            return std::nullopt;
        }
        const std::size_t found = chunk->find(pattern);
        if (found != std::string::npos) {
            return offset + found;
        }
        if (chunk->size() < kChunk) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::string FileSource::Read(std::uint64_t offset, std::size_t length) {
    return m_fs.ReadFileRange(m_path, offset, length).value_or("");
}

std::string CompanyNameIn(ByteSource& bytes) {
    // 3.
    std::optional<std::uint64_t> key;
    std::uint64_t start = 0;
    std::string stopKey;
    if (const std::optional<std::uint64_t> table = bytes.Find(Wide("StringFileInfo"), 0)) {
        key = bytes.Find(Wide("CompanyName"), *table);
        start = kWideValueOffset;
        stopKey = Wide("FileDescription");
    } else {
        // 4.
        const std::uint64_t from = bytes.Find("StringFileInfo", 0).value_or(0);
        key = bytes.Find("CompanyName", from);
        start = kPlainValueOffset;
        stopKey = "FileDescription";
        if (!key) {
            key = bytes.Find(Wide("CompanyName"), from);
            start = kWideValueOffset;
            stopKey = Wide("FileDescription");
        }
    }
    // 5.
    if (!key) {
        return {};
    }
    const std::string tail = bytes.Read(*key + start, kLongestValue);
    std::size_t end = tail.find(std::string_view("\0\0\0", 3));
    if (end == std::string::npos) {
        if (tail.size() == kLongestValue) {
            return {};
        }
        end = tail.size();
    }
    std::string value = tail.substr(0, end);
    if (value.find(stopKey) != std::string::npos) {
        // The value ran on into the next entry: it ends at the first control
        // character after its first byte.
        const std::size_t limit = std::min(tail.size(), kRunOnWindow + 1);
        for (std::size_t i = 1; i < limit; ++i) {
            if (static_cast<unsigned char>(tail[i]) < 32) {
                value = tail.substr(0, i);
                break;
            }
        }
    }
    // 6.
    std::erase(value, '\0');
    return value;
}

std::string GetFileCompanyName(platform::FileSystem& fs, std::string_view path) {
    const std::optional<std::uint64_t> size = fs.FileSize(path);
    if (!size) {
        return {};
    }
    FileSource source(fs, std::string(path), *size);
    return CompanyNameIn(source);
}

}  // namespace scan
