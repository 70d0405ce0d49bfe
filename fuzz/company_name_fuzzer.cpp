// The search for the company name in a program file's bytes. The file is
// searched in overlapping chunks; the first byte of the input places the
// rest around a chunk boundary, and the answer must be the one that a search
// of the whole file at once gives.

#include <string>

#include "fakes/fake_file_system.h"
#include "fuzz_target.h"
#include "scan/company_name.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // Padding from a little before to a little after the first chunk's end.
    const std::size_t padding = scan::FileSource::kChunk - 128 + std::size_t{data[0]};
    std::string bytes(padding, '\xCC');
    bytes.append(fuzz::AsText(data + 1, size - 1));
    fakes::FakeFileSystem fs;
    const std::string path = "C:\\Program Files\\Tool\\tool.exe";
    fs.AddFile(path, bytes);

    scan::BufferSource whole(bytes);
    const std::string expected = scan::CompanyNameIn(whole);
    fuzz::Require(scan::GetFileCompanyName(fs, path) == expected,
                  "a file read in chunks gives the company its whole bytes give");
    // Without the padding the bytes lie inside the first chunk.
    fs.AddFile(path, std::string(fuzz::AsText(data + 1, size - 1)));
    scan::BufferSource unpadded(fuzz::AsText(data + 1, size - 1));
    fuzz::Require(scan::GetFileCompanyName(fs, path) == scan::CompanyNameIn(unpadded),
                  "a small file gives the company its bytes give");
    return 0;
}
