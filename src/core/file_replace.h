#pragma once

// Replacing a file's whole content so that an interruption at any moment
// leaves either the old content or the new one, never a missing or
// half-written file: the new content goes into a scratch file beside it,
// which then takes the file's place in one step.

#include <memory>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace core {

// Streams the new content into the scratch file (emptied first), in blocks,
// so that content larger than memory allows can be written piece by piece.
class FileReplacement {
public:
    FileReplacement(platform::FileSystem& fs, std::string path, std::string scratchPath);
    // Without a commit the scratch file goes and the file keeps its content.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Failures are remembered and reported by Commit.
    void Write(std::string_view piece);
    // Moves the new content over the file; false, with the file unchanged
    // and the scratch file removed, when any step failed.
    [[nodiscard]] bool Commit();

private:
    void Flush();

    platform::FileSystem& m_fs;
    std::string m_path;
    std::string m_scratchPath;
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
