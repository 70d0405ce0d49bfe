#pragma once

// One definition file's share of an update: the lines it gains and loses,
// and the pass that writes its new content, streamed block by block from the
// old one.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "update/update_records.h"

namespace update {

struct FileChanges {
    std::vector<std::string> added;             // coded lines, in the order of the update
    std::vector<std::string> pendingDeletions;  // lower-case plain keys, each once
};

// The records of an update sorted out to the files, in their order: an
// addition takes back an earlier deletion of its line's key, whatever its
// kind.
[[nodiscard]] std::array<FileChanges, std::size(kTargetFiles)> ChangesByFile(
    const std::vector<UpdateRecord>& records);

// Called with the number of lines of this file checked so far.
using LineProgress = std::function<void(std::int64_t)>;

// Spans the passes of one update.
struct PassProgress {
    std::int64_t every = 100;  // lines checked between two reports
    LineProgress report;
    std::int64_t linesChecked = 0;
    std::int64_t untilReport = every;
};

// Replaces the file at `path` (through `scratchPath`) with its lines
// without blank ones and without those whose key is pending deletion, then
// the added lines that are not there yet (also without deleted keys); every
// line then ends in "\r\n". Without deletions the old content stands as it
// is. False, with the file unchanged, when it exists but cannot be read, or
// the new content cannot be written. `blockSize` is how much of the old file
// is read at a time.
[[nodiscard]] bool RewriteDefinitionFile(platform::FileSystem& fs, const std::string& path,
                                         const std::string& scratchPath, const FileChanges& changes,
                                         PassProgress& progress,
                                         std::size_t blockSize = 256 * 1024);

}  // namespace update
