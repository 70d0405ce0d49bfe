#include "core/file_replace.h"

#include <utility>

namespace core {

FileReplacement::FileReplacement(platform::FileSystem& fs, std::string path,
                                 std::string scratchPath, std::size_t blockSize)
    : m_fs(fs),
      m_path(std::move(path)),
      m_scratchPath(std::move(scratchPath)),
      m_blockSize(blockSize),
      m_writer(fs.CreateToWrite(m_scratchPath)),
      m_failed(m_writer == nullptr) {
    m_block.reserve(m_blockSize);
}

FileReplacement::~FileReplacement() {
    if (!m_done) {
        m_writer.reset();
        [[maybe_unused]] const bool removed = m_fs.RemoveFile(m_scratchPath);
    }
}

void FileReplacement::Write(std::string_view piece) {
    if (m_failed || piece.empty()) {
        return;
    }
    // A large piece goes out as it is rather than through the block, but
    // only after what the block holds, so that the pieces keep their order.
    if (piece.size() >= m_blockSize / 2) {
        WriteBlock();
        if (!m_failed) {
            m_failed = !m_writer->Write(piece);
        }
        return;
    }
    if (m_block.size() + piece.size() > m_blockSize) {
        WriteBlock();
        if (m_failed) {
            return;
        }
    }
    m_block.append(piece);
}

void FileReplacement::WriteBlock() {
    if (!m_failed && !m_block.empty()) {
        m_failed = !m_writer->Write(m_block);
    }
    m_block.clear();
}

bool FileReplacement::Commit() {
    WriteBlock();
    // On the disk before it takes the file's place: a move that reaches the
    // disk ahead of the content would leave an empty file after a power cut.
    if (!m_failed) {
        m_failed = !m_writer->Flush();
    }
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
