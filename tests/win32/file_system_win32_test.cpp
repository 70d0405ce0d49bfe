#include "platform/win32/file_system_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <winioctl.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/handles.h"
#include "temp_folder.h"

namespace platform::win32 {
namespace {

// A mount point's reparse data, as FSCTL_SET_REPARSE_POINT takes it.
struct MountPointData {
    DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
    WORD dataLength = 0;
    WORD reserved = 0;
    WORD substituteNameOffset = 0;
    WORD substituteNameLength = 0;
    WORD printNameOffset = 0;
    WORD printNameLength = 0;
    WCHAR names[2 * MAX_PATH + 8] = {};
};

// Turns the empty folder `link` into a junction to `target`; false when the
// file system has no junctions (Wine 8 refuses them).
bool MakeJunction(const std::string& link, const std::string& target) {
    UniqueFileHandle folder(::CreateFileA(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                          FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT,
                                          nullptr));
    std::wstring printName(MAX_PATH, L'\0');
    const int length = ::MultiByteToWideChar(CP_ACP, 0, target.c_str(), -1, printName.data(),
                                             static_cast<int>(printName.size()));
    if (!folder || length <= 0) {
        return false;
    }
    printName.resize(static_cast<std::size_t>(length - 1));
    const std::wstring substituteName = L"\\??\\" + printName;
    MountPointData data;
    const auto substituteBytes = static_cast<WORD>(substituteName.size() * sizeof(WCHAR));
    const auto printBytes = static_cast<WORD>(printName.size() * sizeof(WCHAR));
    data.substituteNameLength = substituteBytes;
    data.printNameOffset = static_cast<WORD>(substituteBytes + sizeof(WCHAR));
    data.printNameLength = printBytes;
    std::memcpy(data.names, substituteName.c_str(), substituteBytes + sizeof(WCHAR));
    std::memcpy(reinterpret_cast<char*>(data.names) + data.printNameOffset, printName.c_str(),
                printBytes + sizeof(WCHAR));
    data.dataLength =
        static_cast<WORD>(4 * sizeof(WORD) + data.printNameOffset + printBytes + sizeof(WCHAR));
    DWORD returned = 0;
    return ::DeviceIoControl(folder.Get(), FSCTL_SET_REPARSE_POINT, &data, data.dataLength + 8u,
                             nullptr, 0, &returned, nullptr) != 0;
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

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
    // A folder (a restore's whole copy) takes its place in one step, or not
    // at all where a folder of that name has appeared.
    MakeFolder("Kit.restoring");
    WriteFile("Kit.restoring\\a.txt", "a");
    MakeFolder("Taken");
    EXPECT_FALSE(fileSystem.RenameFile(folder / "Kit.restoring", folder / "Taken"));
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "Kit.restoring\\a.txt"), "a");
    ASSERT_TRUE(fileSystem.RenameFile(folder / "Kit.restoring", folder / "Kit"));
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "Kit\\a.txt"), "a");
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

// A customised folder's marks are set and cleared, and its other attributes
// stay; a file is no folder.
TEST_F(FileSystemWin32Test, AFoldersReadOnlyHiddenAndSystemMarksAreSet) {
    WriteFile("file.txt", "x");
    EXPECT_FALSE(fileSystem.SetFolderAttributes(folder / "file.txt", true, false, false));
    EXPECT_FALSE(fileSystem.SetFolderAttributes(folder / "missing", true, false, false));
    MakeFolder("Kit");
    const std::string kit = folder / "Kit";
    ASSERT_TRUE(::SetFileAttributesA(kit.c_str(), FILE_ATTRIBUTE_NOT_CONTENT_INDEXED));
    ASSERT_TRUE(fileSystem.SetFolderAttributes(kit, true, true, true));
    const std::optional<platform::PathAttributes> set = fileSystem.Attributes(kit);
    ASSERT_TRUE(set.has_value());
    ASSERT_TRUE(set->directory);
    if (!set->readOnly || !set->hidden || !set->system) {
        // Wine keeps a folder's marks only in part, if at all.
        GTEST_SKIP() << "this file system does not keep a folder's marks";
    }
    EXPECT_NE(::GetFileAttributesA(kit.c_str()) & FILE_ATTRIBUTE_NOT_CONTENT_INDEXED, 0u);
    ASSERT_TRUE(fileSystem.SetFolderAttributes(kit, false, false, false));
    EXPECT_EQ(::GetFileAttributesA(kit.c_str()),
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED));
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

const DirectoryEntry* Find(const std::vector<DirectoryEntry>& entries, const std::string& name) {
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                    [&](const DirectoryEntry& e) { return e.name == name; });
    return entry == entries.end() ? nullptr : &*entry;
}

TEST_F(FileSystemWin32Test, EntryListingNamesEveryEntryWithItsAttributesButNotTheDotEntries) {
    WriteFile("normal.dll", "x");
    WriteFile("hidden.dll", "x", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    WriteFile("system.dll", "x", FILE_ATTRIBUTE_SYSTEM);
    MakeFolder("plugins");
    MakeFolder("secret", FILE_ATTRIBUTE_HIDDEN);
    const std::optional<std::vector<DirectoryEntry>> entries =
        fileSystem.ListEntries(folder.Path());
    ASSERT_TRUE(entries.has_value());
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : *entries) {
        names.push_back(entry.name);
        EXPECT_FALSE(entry.reparsePoint) << entry.name;
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"hidden.dll", "normal.dll", "plugins", "secret",
                                               "system.dll"}));
    const DirectoryEntry* normal = Find(*entries, "normal.dll");
    const DirectoryEntry* hidden = Find(*entries, "hidden.dll");
    const DirectoryEntry* system = Find(*entries, "system.dll");
    const DirectoryEntry* plugins = Find(*entries, "plugins");
    const DirectoryEntry* secret = Find(*entries, "secret");
    ASSERT_TRUE(normal && hidden && system && plugins && secret);
    EXPECT_FALSE(normal->directory || normal->hidden || normal->system || normal->readOnly);
    EXPECT_TRUE(hidden->hidden && hidden->readOnly && !hidden->directory);
    EXPECT_TRUE(system->system && !system->hidden);
    EXPECT_TRUE(plugins->directory && !plugins->hidden);
    EXPECT_TRUE(secret->directory && secret->hidden);
    ASSERT_TRUE(::SetFileAttributesA((folder / "hidden.dll").c_str(), FILE_ATTRIBUTE_NORMAL));
}

TEST_F(FileSystemWin32Test, EmptyFolderListsNoEntriesWhileMissingFolderAndFileCannotBeListed) {
    MakeFolder("empty");
    WriteFile("file.txt", "x");
    for (const std::string& path : {folder / "empty", folder / "empty\\"}) {
        const std::optional<std::vector<DirectoryEntry>> entries = fileSystem.ListEntries(path);
        ASSERT_TRUE(entries.has_value()) << path;
        EXPECT_TRUE(entries->empty()) << path;
    }
    EXPECT_EQ(fileSystem.ListEntries(folder / "missing"), std::nullopt);
    EXPECT_EQ(fileSystem.ListEntries(folder / "file.txt"), std::nullopt);
}

TEST_F(FileSystemWin32Test, AFolderReadInPartsGivesEveryEntryOnce) {
    for (const char* name : {"a.dll", "b.dll", "c.dll", "d.dll", "e.dll"}) {
        WriteFile(name, "x");
    }
    MakeFolder("sub");
    const std::unique_ptr<platform::FolderListing> listing = fileSystem.ListInParts(folder.Path());
    ASSERT_NE(listing, nullptr);
    std::vector<DirectoryEntry> entries;
    int parts = 1;
    for (std::optional<bool> more = listing->Next(2, entries); more != false;
         more = listing->Next(2, entries), ++parts) {
        ASSERT_TRUE(more.has_value());
    }
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : entries) {
        names.push_back(entry.name);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{"a.dll", "b.dll", "c.dll", "d.dll", "e.dll", "sub"}));
    EXPECT_GE(parts, 3);
    EXPECT_EQ(fileSystem.ListInParts(folder / "missing"), nullptr);
}

TEST_F(FileSystemWin32Test, AttributesDescribeFilesAndFoldersWithOrWithoutATrailingBackslash) {
    WriteFile("hidden.dll", "x", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    WriteFile("readonly.txt", "x", FILE_ATTRIBUTE_READONLY);
    MakeFolder("plugins", FILE_ATTRIBUTE_HIDDEN);

    const std::optional<PathAttributes> hidden = fileSystem.Attributes(folder / "hidden.dll");
    ASSERT_TRUE(hidden.has_value());
    EXPECT_TRUE(hidden->hidden && hidden->system);
    EXPECT_FALSE(hidden->directory || hidden->readOnly || hidden->reparsePoint);

    const std::optional<PathAttributes> readOnly = fileSystem.Attributes(folder / "readonly.txt");
    ASSERT_TRUE(readOnly.has_value());
    EXPECT_TRUE(readOnly->readOnly);
    EXPECT_FALSE(readOnly->hidden);

    for (const std::string& path : {folder / "plugins", folder / "plugins\\"}) {
        const std::optional<PathAttributes> plugins = fileSystem.Attributes(path);
        ASSERT_TRUE(plugins.has_value()) << path;
        EXPECT_TRUE(plugins->directory && plugins->hidden) << path;
        EXPECT_FALSE(plugins->reparsePoint) << path;
    }
    EXPECT_EQ(fileSystem.Attributes(folder / "readonly.txt\\"), std::nullopt);
    EXPECT_EQ(fileSystem.Attributes(folder / "missing"), std::nullopt);
    EXPECT_EQ(fileSystem.Attributes(folder / "missing\\child"), std::nullopt);
    const std::optional<PathAttributes> root = fileSystem.Attributes("C:\\");
    ASSERT_TRUE(root.has_value());
    EXPECT_TRUE(root->directory && !root->reparsePoint);
    ASSERT_TRUE(::SetFileAttributesA((folder / "readonly.txt").c_str(), FILE_ATTRIBUTE_NORMAL));
}

TEST_F(FileSystemWin32Test, JunctionIsReportedAsALinkAndRemovedWithoutItsTargetsFiles) {
    MakeFolder("target");
    WriteFile("target\\keep.txt", "kept");
    MakeFolder("junction");
    if (!MakeJunction(folder / "junction", folder / "target")) {
        GTEST_SKIP() << "this file system makes no junctions";
    }
    const std::optional<PathAttributes> link = fileSystem.Attributes(folder / "junction");
    ASSERT_TRUE(link.has_value());
    EXPECT_TRUE(link->directory && link->reparsePoint);
    EXPECT_TRUE(fileSystem.Attributes(folder / "junction\\")->reparsePoint);
    const std::optional<std::vector<DirectoryEntry>> entries =
        fileSystem.ListEntries(folder.Path());
    ASSERT_TRUE(entries.has_value());
    const DirectoryEntry* listed = Find(*entries, "junction");
    ASSERT_NE(listed, nullptr);
    EXPECT_TRUE(listed->directory && listed->reparsePoint);
    EXPECT_FALSE(Find(*entries, "target")->reparsePoint);

    EXPECT_TRUE(fileSystem.RemoveFolder(folder / "junction"));
    EXPECT_FALSE(Exists(folder / "junction"));
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "target\\keep.txt"), "kept");
}

// Wine makes no junctions, but shows a Unix symbolic link to a folder as a
// reparse point without a tag. The test's CTest fixture makes one.
TEST(FileSystemWin32, UnixLinkToAFolderIsReportedAsALinkAndItsTargetKeepsItsFiles) {
    std::string links = "Z:" TEST_LINKS_DIR;
    std::replace(links.begin(), links.end(), '/', '\\');
    if (!Exists(links + "\\link")) {
        GTEST_SKIP() << "no Unix link at " << links << " (made by the CTest fixture under Wine)";
    }
    FileSystemWin32 fileSystem;
    const std::optional<PathAttributes> link = fileSystem.Attributes(links + "\\link");
    ASSERT_TRUE(link.has_value());
    EXPECT_TRUE(link->directory && link->reparsePoint);
    EXPECT_TRUE(fileSystem.Attributes(links + "\\link\\")->reparsePoint);
    const std::optional<std::vector<DirectoryEntry>> entries = fileSystem.ListEntries(links);
    ASSERT_TRUE(entries.has_value());
    ASSERT_NE(Find(*entries, "link"), nullptr);
    EXPECT_TRUE(Find(*entries, "link")->reparsePoint);
    ASSERT_NE(Find(*entries, "target"), nullptr);
    EXPECT_FALSE(Find(*entries, "target")->reparsePoint);

    // Wine cannot remove the link itself; whatever it does, the files stay.
    [[maybe_unused]] const bool removed = fileSystem.RemoveFolder(links + "\\link");
    EXPECT_EQ(fileSystem.ReadWholeFile(links + "\\target\\keep.txt"), "kept");
}

TEST_F(FileSystemWin32Test, CopyHasTheSourcesBytesAndAttributes) {
    const std::string content("copied\0bytes\r\n\xFF", 15);
    WriteFile("tracker.dll", content, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    MakeFolder("backup");
    ASSERT_TRUE(fileSystem.CopyFileTo(folder / "tracker.dll", folder / "backup\\tracker.dll"));
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "backup\\tracker.dll"), content);
    const std::optional<PathAttributes> copy =
        fileSystem.Attributes(folder / "backup\\tracker.dll");
    ASSERT_TRUE(copy.has_value());
    EXPECT_TRUE(copy->readOnly && copy->hidden);
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "tracker.dll"), content);
    EXPECT_TRUE(fileSystem.RemoveFile(folder / "tracker.dll"));
    EXPECT_TRUE(fileSystem.RemoveFile(folder / "backup\\tracker.dll"));
}

TEST_F(FileSystemWin32Test, CopyOntoAnExistingFileFailsAndLeavesBothUnchanged) {
    WriteFile("source.txt", "source");
    WriteFile("target.txt", "target", FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(fileSystem.CopyFileTo(folder / "source.txt", folder / "target.txt"));
    EXPECT_FALSE(fileSystem.CopyFileTo(folder / "source.txt", folder / "TARGET.TXT"));
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "source.txt"), "source");
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "target.txt"), "target");
    EXPECT_TRUE(fileSystem.Attributes(folder / "target.txt")->readOnly);
    // A missing source does not clear the way either.
    EXPECT_FALSE(fileSystem.CopyFileTo(folder / "missing.txt", folder / "target.txt"));
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "target.txt"), "target");
    ASSERT_TRUE(::SetFileAttributesA((folder / "target.txt").c_str(), FILE_ATTRIBUTE_NORMAL));
}

TEST_F(FileSystemWin32Test, CopyThatCannotReadTheSourceLeavesNoTarget) {
    WriteFile("locked.dll", "payload");
    MakeFolder("folder");
    const std::string locked = folder / "locked.dll";
    {
        UniqueFileHandle holder(::CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                              nullptr));
        ASSERT_TRUE(holder.IsValid());
        EXPECT_FALSE(fileSystem.CopyFileTo(locked, folder / "copy.dll"));
        EXPECT_FALSE(Exists(folder / "copy.dll"));
    }
    EXPECT_FALSE(fileSystem.CopyFileTo(folder / "missing.dll", folder / "copy.dll"));
    EXPECT_FALSE(fileSystem.CopyFileTo(folder / "folder", folder / "copy.dll"));
    EXPECT_FALSE(Exists(folder / "copy.dll"));
    EXPECT_FALSE(fileSystem.CopyFileTo(locked, folder / "missing\\copy.dll"));
    EXPECT_TRUE(fileSystem.CopyFileTo(locked, folder / "copy.dll"));
}

TEST_F(FileSystemWin32Test, EmptyFoldersAreRemovedReadOnlyAndHiddenOnesToo) {
    MakeFolder("empty");
    MakeFolder("protected", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(fileSystem.RemoveFolder(folder / "empty"));
    EXPECT_TRUE(fileSystem.RemoveFolder(folder / "protected"));
    EXPECT_FALSE(Exists(folder / "empty"));
    EXPECT_FALSE(Exists(folder / "protected"));
}

TEST_F(FileSystemWin32Test, FolderWithContentMissingFolderAndFileAreNotRemovedAsFolders) {
    MakeFolder("full", FILE_ATTRIBUTE_READONLY);
    WriteFile("full\\item.txt", "x");
    WriteFile("file.txt", "x", FILE_ATTRIBUTE_READONLY);
    // Wine keeps no read-only attribute on folders; Windows does.
    const bool readOnly = fileSystem.Attributes(folder / "full")->readOnly;
    EXPECT_FALSE(fileSystem.RemoveFolder(folder / "full"));
    EXPECT_EQ(fileSystem.ReadWholeFile(folder / "full\\item.txt"), "x");
    EXPECT_EQ(fileSystem.Attributes(folder / "full")->readOnly, readOnly);
    EXPECT_FALSE(fileSystem.RemoveFolder(folder / "missing"));
    EXPECT_FALSE(fileSystem.RemoveFolder(folder / "file.txt"));
    EXPECT_TRUE(fileSystem.Attributes(folder / "file.txt")->readOnly);
    ASSERT_TRUE(::SetFileAttributesA((folder / "full").c_str(), FILE_ATTRIBUTE_NORMAL));
    ASSERT_TRUE(::SetFileAttributesA((folder / "file.txt").c_str(), FILE_ATTRIBUTE_NORMAL));
}

}  // namespace
}  // namespace platform::win32
