#include "core/file_replace.h"

#include <utility>

namespace core {

namespace {

// Large enough that writes are few, small enough to stay in the cache.
constexpr std::size_t kBlockSize = 256 * 1024;

}  // namespace

FileReplacement::FileReplacement(platform::FileSystem& fs, std::string path,
                                 std::string scratchPath)
    : m_fs(fs),
      m_path(std::move(path)),
      m_scratchPath(std::move(scratchPath)),
      m_writer(fs.CreateToWrite(m_scratchPath)),
      m_failed(m_writer == nullptr) {
    m_block.reserve(kBlockSize);
}

FileReplacement::~FileReplacement() {
    if (!m_done) {
        m_writer.reset();
        [[maybe_unused]] const bool removed = m_fs.RemoveFile(m_scratchPath);
    }
}

void FileReplacement::Write(std::string_view piece) {
    if (m_failed) {
        return;
    }
    if (m_block.size() + piece.size() > kBlockSize) {
        Flush();
        if (m_failed) {
            return;
        }
    }
    // A large piece goes out as it is rather than through the block.
    if (piece.size() >= kBlockSize / 2) {
        m_failed = !m_writer->Write(piece);
        return;
    }
    m_block.append(piece);
}

void FileReplacement::Flush() {
    if (!m_failed && !m_block.empty()) {
        m_failed = !m_writer->Write(m_block);
    }
    m_block.clear();
}

bool FileReplacement::Commit() {
    Flush();
    m_writer.reset();  // closed before it is moved
    m_done = !m_failed && m_fs.MoveOver(m_scratchPath, m_path);
    if (!m_done) {
        [[maybe_unused]] const bool removed = m_fs.RemoveFile(m_scratchPath);
        m_done = true;
        return false;
    }
    return true;
}

bool ReplaceFileContent(platform::FileSystem& fs, std::string_view path, std::string_view content,
                        std::string_view scratchPath) {
    FileReplacement replacement(fs, std::string(path), std::string(scratchPath));
    replacement.Write(content);
    return replacement.Commit();
}

}  // namespace core
