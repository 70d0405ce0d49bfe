#pragma once

// Replacing a file's whole content so that an interruption at any moment
// leaves either the old content or the new one, never a missing or
// half-written file: the new content goes into a scratch file beside it,
// which then takes the file's place in one step.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace core {

// Large enough that writes are few, small enough to stay in the cache.
inline constexpr std::size_t kReplacementBlockSize = 256 * 1024;

// Streams the new content into the scratch file (emptied first), in blocks,
// so that content larger than memory allows can be written piece by piece.
class FileReplacement {
public:
    // Pieces are gathered into blocks of `blockSize` bytes before they are
    // written; a piece of half a block or more is written as it is.
    FileReplacement(platform::FileSystem& fs, std::string path, std::string scratchPath,
                    std::size_t blockSize = kReplacementBlockSize);
    // Without a commit the scratch file goes and the file keeps its content.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Failures are remembered and reported by Commit.
    void Write(std::string_view piece);
    // Flushes the new content to the disk and moves it over the file; false,
    // with the file unchanged and the scratch file removed, when any step
    // failed.
    [[nodiscard]] bool Commit();

private:
    void WriteBlock();

    platform::FileSystem& m_fs;
    std::string m_path;
    std::string m_scratchPath;
    std::size_t m_blockSize;
    std::unique_ptr<platform::FileWriter> m_writer;
    std::string m_block;
    bool m_failed = false;
    bool m_done = false;
};

// Writes the content to `scratchPath` (emptied first) and moves it over
// `path`. On failure the file keeps its old content and the scratch file is
// removed; false then.
bool ReplaceFileContent(platform::FileSystem& fs, std::string_view path, std::string_view content,
                        std::string_view scratchPath);

}  // namespace core
