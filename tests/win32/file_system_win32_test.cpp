#include "platform/win32/file_system_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "temp_folder.h"

namespace platform::win32 {
namespace {

class FileSystemWin32Test : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(fileSystem.DirectoryExists(folder.Path())); }

    void WriteFile(const std::string& name, const std::string& content,
                   DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        const std::string path = folder / name;
        UniqueFileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            attributes, nullptr));
        ASSERT_TRUE(file.IsValid()) << path;
        DWORD written = 0;
        ASSERT_TRUE(::WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()),
                                &written, nullptr));
        ASSERT_EQ(written, content.size());
    }

    void MakeFolder(const std::string& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        const std::string path = folder / name;
        ASSERT_TRUE(::CreateDirectoryA(path.c_str(), nullptr)) << path;
        if (attributes != FILE_ATTRIBUTE_NORMAL) {
            ASSERT_TRUE(::SetFileAttributesA(path.c_str(), attributes)) << path;
        }
    }

    win32_tests::TempFolder folder;
    FileSystemWin32 fileSystem;
};

TEST_F(FileSystemWin32Test, NormalFileIsFoundByItsExactName) {
    WriteFile("tracker.dll", "x");
    EXPECT_EQ(fileSystem.FirstNormalFileName(folder / "tracker.dll"), "tracker.dll");
}

TEST_F(FileSystemWin32Test, FileNameIsReportedAsStoredWhateverTheCaseAskedFor) {
    WriteFile("Tracker.dll", "x");
    EXPECT_EQ(fileSystem.FirstNormalFileName(folder / "TRACKER.DLL"), "Tracker.dll");
}

TEST_F(FileSystemWin32Test, NormalFileIsFoundByWildcard) {
    WriteFile("tracker.dll", "x");
    EXPECT_EQ(fileSystem.FirstNormalFileName(folder / "track*.d?l"), "tracker.dll");
}

TEST_F(FileSystemWin32Test, HiddenAndSystemFilesAreNotListed) {
    WriteFile("hidden.dll", "x", FILE_ATTRIBUTE_HIDDEN);
    WriteFile("system.dll", "x", FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(fileSystem.FirstNormalFileName(folder / "hidden.dll"), std::nullopt);
    EXPECT_EQ(fileSystem.FirstNormalFileName(folder / "system.dll"), std::nullopt);
    EXPECT_EQ(fileSystem.FirstNormalFileName(folder / "*.dll"), std::nullopt);
}

TEST_F(FileSystemWin32Test, WildcardSkipsHiddenEntriesToReachANormalFile) {
    WriteFile("a_hidden.dll", "x", FILE_ATTRIBUTE_HIDDEN);
    MakeFolder("b_folder.dll");
    WriteFile("c_normal.dll", "x");
    EXPECT_EQ(fileSystem.FirstNormalFileName(folder / "*.dll"), "c_normal.dll");
}

TEST_F(FileSystemWin32Test, ReadOnlyFileCountsAsNormal) {
    WriteFile("readonly.dll", "x", FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(fileSystem.FirstNormalFileName(folder / "readonly.dll"), "readonly.dll");
    ASSERT_TRUE(::SetFileAttributesA((folder / "readonly.dll").c_str(), FILE_ATTRIBUTE_NORMAL));
}

TEST_F(FileSystemWin32Test, FolderIsNotAFile) {
    MakeFolder("plugins");
    EXPECT_EQ(fileSystem.FirstNormalFileName(folder / "plugins"), std::nullopt);
}

TEST_F(FileSystemWin32Test, MissingFileAndMissingFolderAreNotFound) {
    EXPECT_EQ(fileSystem.FirstNormalFileName(folder / "missing.dll"), std::nullopt);
    EXPECT_EQ(fileSystem.FirstNormalFileName(folder / "missing\\*.*"), std::nullopt);
}

TEST_F(FileSystemWin32Test, FolderAndHiddenFolderExist) {
    MakeFolder("visible");
    MakeFolder("secret", FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(fileSystem.DirectoryExists(folder / "visible"));
    EXPECT_TRUE(fileSystem.DirectoryExists(folder / "secret"));
    EXPECT_TRUE(fileSystem.DirectoryExists(folder / "VISIBLE"));
}

TEST_F(FileSystemWin32Test, FileMissingPathAndWildcardAreNotFolders) {
    WriteFile("file.txt", "x");
    MakeFolder("visible");
    EXPECT_FALSE(fileSystem.DirectoryExists(folder / "file.txt"));
    EXPECT_FALSE(fileSystem.DirectoryExists(folder / "missing"));
    EXPECT_FALSE(fileSystem.DirectoryExists(folder / "vis*"));
}

TEST_F(FileSystemWin32Test, WholeFileIsReadByteForByte) {
    const std::string content("line one\r\nline\0two\r\n\xFF\xFE", 22);
    WriteFile("data.bin", content);
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "data.bin"), content);
}

TEST_F(FileSystemWin32Test, FileLargerThanOneReadBlockIsReadWhole) {
    std::string content;
    for (int i = 0; content.size() < 200'000; ++i) {
        content += std::to_string(i) + "\r\n";
    }
    WriteFile("large.txt", content);
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "large.txt"), content);
}

TEST_F(FileSystemWin32Test, EmptyFileReadsAsEmptyText) {
    WriteFile("empty.txt", "");
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "empty.txt"), "");
}

TEST_F(FileSystemWin32Test, FileOpenForWritingElsewhereCanStillBeRead) {
    WriteFile("log.txt", "entry\r\n");
    const std::string path = folder / "log.txt";
    UniqueFileHandle writer(::CreateFileA(path.c_str(), GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer.IsValid());
    EXPECT_EQ(fileSystem.ReadWholeFile(path), "entry\r\n");
}

TEST_F(FileSystemWin32Test, MissingFileAndFolderCannotBeRead) {
    MakeFolder("plugins");
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "missing.txt"), std::nullopt);
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "plugins"), std::nullopt);
}

TEST_F(FileSystemWin32Test, WrittenAndAppendedBytesReadBackUnchanged) {
    const std::string first("line one\r\nwith\0nul\r\n", 21);
    const std::string second("\0line two\r\n\xFF", 13);
    const std::string path = folder / "log.txt";
    ASSERT_TRUE(fileSystem.WriteWholeFile(path, first));
    EXPECT_EQ(fileSystem.ReadWholeFile(path), first);
    ASSERT_TRUE(fileSystem.AppendToFile(path, second));
    EXPECT_EQ(fileSystem.ReadWholeFile(path), first + second);
}

TEST_F(FileSystemWin32Test, WritingReplacesALongerFileWhole) {
    WriteFile("settings.txt", "a much longer old content\r\n");
    ASSERT_TRUE(fileSystem.WriteWholeFile(folder / "settings.txt", "new\r\n"));
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "settings.txt"), "new\r\n");
}

TEST_F(FileSystemWin32Test, AppendingCreatesAMissingFileButNotItsFolder) {
    ASSERT_TRUE(fileSystem.AppendToFile(folder / "new.log", "first\r\n"));
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "new.log"), "first\r\n");
    EXPECT_FALSE(fileSystem.AppendToFile(folder / "missing\\new.log", "x"));
    EXPECT_FALSE(fileSystem.WriteWholeFile(folder / "missing\\new.log", "x"));
}

TEST_F(FileSystemWin32Test, ReadOnlyFileIsRemoved) {
    WriteFile("readonly.dll", "x", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(fileSystem.RemoveFile(folder / "readonly.dll"));
    EXPECT_EQ(::GetFileAttributesA((folder / "readonly.dll").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FileSystemWin32Test, MissingFileAndFolderAreNotRemoved) {
    MakeFolder("plugins");
    EXPECT_FALSE(fileSystem.RemoveFile(folder / "missing.dll"));
    EXPECT_FALSE(fileSystem.RemoveFile(folder / "plugins"));
    EXPECT_TRUE(fileSystem.DirectoryExists(folder / "plugins"));
}

TEST_F(FileSystemWin32Test, FileInUseIsNotRemovedAndKeepsItsReadOnlyAttribute) {
    WriteFile("busy.dll", "x", FILE_ATTRIBUTE_READONLY);
    const std::string path = folder / "busy.dll";
    {
        UniqueFileHandle holder(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(holder.IsValid());
        EXPECT_FALSE(fileSystem.RemoveFile(path));
        EXPECT_NE(::GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    }
    EXPECT_TRUE(fileSystem.RemoveFile(path));
}

TEST_F(FileSystemWin32Test, FileIsRenamedWithItsContent) {
    WriteFile("tracker.dll", "payload");
    MakeFolder("quarantine");
    ASSERT_TRUE(fileSystem.RenameFile(folder / "tracker.dll", folder / "quarantine\\tracker.vir"));
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "tracker.dll"), std::nullopt);
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "quarantine\\tracker.vir"), "payload");
}

TEST_F(FileSystemWin32Test, RenamingOntoAnExistingFileFailsAndKeepsBoth) {
    WriteFile("source.txt", "source");
    WriteFile("target.txt", "target");
    EXPECT_FALSE(fileSystem.RenameFile(folder / "source.txt", folder / "target.txt"));
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "source.txt"), "source");
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "target.txt"), "target");
}

TEST_F(FileSystemWin32Test, MissingFileIsNotRenamed) {
    EXPECT_FALSE(fileSystem.RenameFile(folder / "missing.txt", folder / "other.txt"));
    EXPECT_EQ(::GetFileAttributesA((folder / "other.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(FileSystemWin32Test, MakingAnExistingFolderAgainSucceeds) {
    EXPECT_TRUE(fileSystem.MakeDirectory(folder / "Quarantine"));
    EXPECT_TRUE(fileSystem.DirectoryExists(folder / "Quarantine"));
    EXPECT_TRUE(fileSystem.MakeDirectory(folder / "QUARANTINE"));
}

TEST_F(FileSystemWin32Test, FolderIsNotMadeUnderAMissingParentOrOverAFile) {
    WriteFile("file.txt", "x");
    EXPECT_FALSE(fileSystem.MakeDirectory(folder / "missing\\child"));
    EXPECT_FALSE(fileSystem.DirectoryExists(folder / "missing"));
    EXPECT_FALSE(fileSystem.MakeDirectory(folder / "file.txt"));
}

TEST_F(FileSystemWin32Test, DrivesAreListedInLetterOrderWithAReadyFixedDriveC) {
    const std::vector<DriveInfo> drives = fileSystem.ListDrives();
    ASSERT_FALSE(drives.empty());
    for (std::size_t i = 1; i < drives.size(); ++i) {
        EXPECT_LT(drives[i - 1].letter, drives[i].letter);
    }
    const auto c = std::find_if(drives.begin(), drives.end(),
                                [](const DriveInfo& drive) { return drive.letter == 'C'; });
    ASSERT_NE(c, drives.end());
    EXPECT_EQ(c->type, DriveType::Fixed);
    EXPECT_TRUE(c->ready);
}

TEST_F(FileSystemWin32Test, ListingDrivesLeavesTheErrorModeAsItWas) {
    const UINT old = ::SetErrorMode(SEM_NOGPFAULTERRORBOX);
    (void)fileSystem.ListDrives();
    EXPECT_EQ(::SetErrorMode(old), static_cast<UINT>(SEM_NOGPFAULTERRORBOX));
}

TEST_F(FileSystemWin32Test, FolderListingNamesHiddenSystemAndReadOnlyFilesButNoFolders) {
    WriteFile("normal.dll", "x");
    WriteFile("hidden.dll", "x", FILE_ATTRIBUTE_HIDDEN);
    WriteFile("system.dll", "x", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
    WriteFile("no_extension", "x");
    MakeFolder("plugins");
    MakeFolder("secret", FILE_ATTRIBUTE_HIDDEN);
    // The listing order is the file system's own; only the names are compared.
    std::vector<std::string> names = fileSystem.ListFiles(folder.Path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{"hidden.dll", "no_extension", "normal.dll", "system.dll"}));
}

TEST_F(FileSystemWin32Test, FolderGivenWithATrailingBackslashIsListedAlike) {
    WriteFile("normal.dll", "x");
    EXPECT_EQ(fileSystem.ListFiles(folder.Path() + "\\"), std::vector<std::string>{"normal.dll"});
}

TEST_F(FileSystemWin32Test, EmptyMissingAndFileInsteadOfFolderListNothing) {
    MakeFolder("empty");
    WriteFile("file.txt", "x");
    EXPECT_TRUE(fileSystem.ListFiles(folder / "empty").empty());
    EXPECT_TRUE(fileSystem.ListFiles(folder / "missing").empty());
    EXPECT_TRUE(fileSystem.ListFiles(folder / "file.txt").empty());
}

TEST_F(FileSystemWin32Test, FileSizeIsTheByteCountAndMissingFilesAndFoldersHaveNone) {
    WriteFile("data.bin", std::string("ab\0\r\n", 5));
    WriteFile("empty.txt", "");
    WriteFile("hidden.dll", "xyz", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    MakeFolder("plugins");
    EXPECT_EQ(fileSystem.FileSize(folder / "data.bin"), 5u);
    EXPECT_EQ(fileSystem.FileSize(folder / "empty.txt"), 0u);
    EXPECT_EQ(fileSystem.FileSize(folder / "hidden.dll"), 3u);
    EXPECT_EQ(fileSystem.FileSize(folder / "missing.txt"), std::nullopt);
    EXPECT_EQ(fileSystem.FileSize(folder / "plugins"), std::nullopt);
    ASSERT_TRUE(::SetFileAttributesA((folder / "hidden.dll").c_str(), FILE_ATTRIBUTE_NORMAL));
}

TEST_F(FileSystemWin32Test, RangeInsideTheFileIsReadByteForByte) {
    const std::string content("0123\0\r\n789", 10);
    WriteFile("data.bin", content);
    const std::string path = folder / "data.bin";
    EXPECT_EQ(fileSystem.ReadFileRange(path, 0, 10), content);
    EXPECT_EQ(fileSystem.ReadFileRange(path, 3, 4), content.substr(3, 4));
    EXPECT_EQ(fileSystem.ReadFileRange(path, 9, 1), "9");
    EXPECT_EQ(fileSystem.ReadFileRange(path, 2, 0), "");
}

TEST_F(FileSystemWin32Test, RangeIsCutShortAtTheEndAndEmptyFromTheEndOn) {
    WriteFile("data.bin", "0123456789");
    const std::string path = folder / "data.bin";
    EXPECT_EQ(fileSystem.ReadFileRange(path, 7, 100), "789");
    EXPECT_EQ(fileSystem.ReadFileRange(path, 10, 4), "");
    EXPECT_EQ(fileSystem.ReadFileRange(path, 1'000'000, 4), "");
    EXPECT_EQ(fileSystem.ReadFileRange(path, UINT64_MAX, 4), "");
}

TEST_F(FileSystemWin32Test, RangeLargerThanOneReadPieceIsReadWhole) {
    std::string content;
    for (int i = 0; content.size() < 300'000; ++i) {
        content += std::to_string(i) + "\r\n";
    }
    WriteFile("large.txt", content);
    EXPECT_EQ(fileSystem.ReadFileRange(folder / "large.txt", 70'001, 200'000),
              content.substr(70'001, 200'000));
    EXPECT_EQ(fileSystem.ReadFileRange(folder / "large.txt", 1, content.size()), content.substr(1));
}

TEST_F(FileSystemWin32Test, RangeOfAFileOpenForWritingElsewhereCanStillBeRead) {
    WriteFile("log.txt", "entry\r\n");
    const std::string path = folder / "log.txt";
    UniqueFileHandle writer(::CreateFileA(path.c_str(), GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer.IsValid());
    EXPECT_EQ(fileSystem.ReadFileRange(path, 2, 3), "try");
}

TEST_F(FileSystemWin32Test, MissingFileAndFolderHaveNoRange) {
    MakeFolder("plugins");
    EXPECT_EQ(fileSystem.ReadFileRange(folder / "missing.txt", 0, 4), std::nullopt);
    EXPECT_EQ(fileSystem.ReadFileRange(folder / "plugins", 0, 4), std::nullopt);
}

}  // namespace
}  // namespace platform::win32
