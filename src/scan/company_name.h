#pragma once

// The company that a program file's version data names, found by searching
// the file's bytes for the version resource's keys. The file is searched in
// overlapping chunks, never loaded whole.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace scan {

// The bytes to search: a file, or a buffer in tests.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // The first position of the pattern at or after `from`; nullopt if none.
    [[nodiscard]] virtual std::optional<std::uint64_t> Find(std::string_view pattern,
                                                            std::uint64_t from) = 0;
    // Up to `length` bytes from `offset`; fewer at the end.
    [[nodiscard]] virtual std::string Read(std::uint64_t offset, std::size_t length) = 0;
};

class BufferSource : public ByteSource {
public:
    explicit BufferSource(std::string_view bytes) : m_bytes(bytes) {}
    std::optional<std::uint64_t> Find(std::string_view pattern, std::uint64_t from) override;
    std::string Read(std::uint64_t offset, std::size_t length) override;

private:
    std::string_view m_bytes;
};

// A file read through the file-system port in chunks that overlap by enough
// for any key to be found across a boundary.
class FileSource : public ByteSource {
public:
    FileSource(platform::FileSystem& fs, std::string path, std::uint64_t size)
        : m_fs(fs), m_path(std::move(path)), m_size(size) {}
    std::optional<std::uint64_t> Find(std::string_view pattern, std::uint64_t from) override;
    std::string Read(std::uint64_t offset, std::size_t length) override;

    static constexpr std::size_t kChunk = 64 * 1024;

private:
    platform::FileSystem& m_fs;
    std::string m_path;
    std::uint64_t m_size;
};

// The company name in the bytes: "" when there is none.
[[nodiscard]] std::string CompanyNameIn(ByteSource& bytes);

// The company name of a file: "" when there is none or the file cannot be read.
[[nodiscard]] std::string GetFileCompanyName(platform::FileSystem& fs, std::string_view path);

}  // namespace scan
