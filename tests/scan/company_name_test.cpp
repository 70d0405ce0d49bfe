#include "scan/company_name.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"

namespace scan {
namespace {

std::string Wide(std::string_view text) {
    std::string wide;
    for (char c : text) {
        wide.push_back(c);
        wide.push_back('\0');
    }
    return wide;
}

// A key as a 32-bit version resource stores it after its type word 1.
std::string WideKey(std::string_view key) {
    return "\x01" + std::string(1, '\0') + Wide(key);
}

// A string table entry: the key and its end, the value and its end.
std::string WideEntry(std::string_view key, std::string_view value) {
    return WideKey(key) + std::string(2, '\0') + Wide(value) + std::string(4, '\0');
}

std::string Company(std::string_view bytes) {
    BufferSource source(bytes);
    return CompanyNameIn(source);
}

TEST(CompanyName, TheWideKeyAfterTheWideTableGivesItsValue) {
    const std::string bytes = "MZ junk " + WideKey("StringFileInfo") + std::string(10, '\0') +
                              WideEntry("CompanyName", "Acme Labs") +
                              WideEntry("FileDescription", "Tool");
    EXPECT_EQ(Company(bytes), "Acme Labs");
}

TEST(CompanyName, ThePlainKeyGivesItsValueTwelveBytesOn) {
    const std::string bytes =
        std::string("xx StringFileInfo yy CompanyName\0Evil Inc.\0\0\0rest", 49);
    EXPECT_EQ(Company(bytes), "Evil Inc.");
}

TEST(CompanyName, AValueThatRunsOnIntoTheNextEntryEndsAtAControlCharacter) {
    // Only two zero bytes end the value, so the first run of three lies
    // after the next entry's key.
    const std::string bytes =
        std::string("StringFileInfo CompanyName\0Run\x05on\0\0FileDescription\0\0\0", 53);
    EXPECT_EQ(Company(bytes), "Run");
}

TEST(CompanyName, NoKeyMeansNoCompany) {
    EXPECT_EQ(Company("MZ nothing to see here"), "");
    EXPECT_EQ(Company(""), "");
    EXPECT_EQ(Company(std::string("CompanyName", 11)), "");
}

TEST(CompanyName, ZeroBytesAreRemovedFromTheValue) {
    const std::string bytes = std::string("CompanyName\0A\0B\0C\0\0\0", 20);
    EXPECT_EQ(Company(bytes), "ABC");
}

TEST(CompanyName, AFileIsSearchedInChunksWithTheSameResult) {
    fakes::FakeFileSystem fs;
    // The key straddles the first chunk boundary.
    std::string bytes(FileSource::kChunk - 5, 'x');
    bytes += std::string("CompanyName\0Far Away Ltd\0\0\0", 28);
    bytes += std::string(3 * FileSource::kChunk, 'y');
    fs.AddFile("C:\\big.exe", bytes);
    EXPECT_EQ(GetFileCompanyName(fs, "C:\\big.exe"), "Far Away Ltd");
    EXPECT_EQ(GetFileCompanyName(fs, "C:\\missing.exe"), "");
}

}  // namespace
}  // namespace scan
