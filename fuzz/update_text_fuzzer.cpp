// The update text that Live Update applies, written into the six definition
// files of an in-memory data folder. The first byte chooses which files
// exist, the second how much of a file the pass reads at a time; up to the
// first zero byte follows the plain text of the existing files, after it
// the update text as the server sends it.

#include <array>
#include <cstring>
#include <iterator>
#include <string>

#include "core/definition_files.h"
#include "fakes/fake_file_system.h"
#include "fuzz_target.h"
#include "stored_text.h"
#include "update/definition_file_pass.h"
#include "update/update_records.h"

namespace {

const std::string kDataFolder = "C:\\Data";

std::string PathOf(update::TargetFile target) {
    return definitions::DataFile(kDataFolder, update::TargetFileName(target));
}

// Applies the changes to every file, as an update does, reading `blockSize`
// bytes at a time.
void Apply(fakes::FakeFileSystem& fs,
           const std::array<update::FileChanges, std::size(update::kTargetFiles)>& changes,
           std::size_t blockSize) {
    update::PassProgress progress{7, [](std::int64_t) {
                                  }};
    const std::string scratch = definitions::DataFile(kDataFolder, "temp.dat");
    for (std::size_t file = 0; file < std::size(update::kTargetFiles); ++file) {
        fuzz::Require(update::RewriteDefinitionFile(fs, PathOf(update::kTargetFiles[file]), scratch,
                                                    changes[file], progress, blockSize),
                      "a readable, writable file is rewritten");
    }
    fuzz::Require(fs.Find(scratch) == nullptr, "the scratch file does not stay behind");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const unsigned existing = data[0];
    const std::size_t blockSize = 1 + data[1] % 64;
    const std::string_view rest = fuzz::AsText(data + 2, size - 2);
    const std::size_t zero = rest.find('\0');
    const std::string oldContent = fuzz::StoredDefinitionFile(rest.substr(0, zero));
    const std::string_view updateText =
        zero == std::string_view::npos ? std::string_view() : rest.substr(zero + 1);

    fakes::FakeFileSystem smallBlocks;
    fakes::FakeFileSystem largeBlocks;
    for (std::size_t file = 0; file < std::size(update::kTargetFiles); ++file) {
        if (((existing >> file) & 1u) != 0) {
            smallBlocks.AddFile(PathOf(update::kTargetFiles[file]), oldContent);
            largeBlocks.AddFile(PathOf(update::kTargetFiles[file]), oldContent);
        }
    }
    const auto changes = update::ChangesByFile(update::ReadUpdateRecords(updateText));
    Apply(smallBlocks, changes, blockSize);
    Apply(largeBlocks, changes, 256 * 1024);
    for (const update::TargetFile target : update::kTargetFiles) {
        const auto* small = smallBlocks.Find(PathOf(target));
        const auto* large = largeBlocks.Find(PathOf(target));
        fuzz::Require(small != nullptr && large != nullptr, "every definition file exists after");
        fuzz::Require(small->content == large->content,
                      "the new content does not depend on how the old one is read");
    }
    return 0;
}
