// A removal through the real adapters, of a machine seeded with traces:
// files, libraries with and without an unregistration entry point, a folder
// tree, a cookie, registry keys and values, a running program, and files that
// another program holds open.

#include <gtest/gtest.h>

#include <windows.h>

#include <shlwapi.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "app/program.h"
#include "core/application.h"
#include "platform/win32/handles.h"
#include "platform/win32/platform_win32.h"
#include "removal/quarantine_index.h"
#include "removal/registry_copy.h"
#include "removal/removal_run.h"
#include "scan/registry_views.h"
#include "temp_folder.h"
#include "test_programs.h"

namespace {

using platform::win32::UniqueFileHandle;
using platform::win32::UniqueRegKey;
using win32_tests::ProgramsFolder;
using win32_tests::RunningProgram;

constexpr char kSeedKey[] = "Software\\RemovalSeedWidgets";

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void SetValue(const std::string& path, const char* name, const char* data) {
    UniqueRegKey key;
    ::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.Put(),
                      nullptr);
    ::RegSetValueExA(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                     static_cast<DWORD>(std::strlen(data) + 1));
}

bool ValueExists(const std::string& path, const char* name) {
    return ::SHGetValueA(HKEY_CURRENT_USER, path.c_str(), name, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

bool KeyExists(const std::string& path) {
    UniqueRegKey key;
    return ::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.Put()) ==
           ERROR_SUCCESS;
}

// A file held open by "another program" with the given sharing.
UniqueFileHandle HoldOpen(const std::string& path, DWORD share) {
    return UniqueFileHandle(::CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
}

class RemovalWin32 : public ::testing::Test {
protected:
    RemovalWin32() { app::AttachProgram(app); }
    void SetUp() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, kSeedKey); }
    void TearDown() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, kSeedKey); }

    void FileRow(const std::string& threat, const std::string& path) {
        ui::FrmMain& main = app.frmMain;
        const int nameRow = main.lvwPicRemoveListOfSpywareFoundAndToBeRemoved->AddItem(threat);
        main.lvwPicRemoveListOfSpywareFoundAndToBeRemoved->SetSubItem(nameRow, 1, path);
        main.lvwPicRemoveListOfSpywareFoundAndToBeRemoved->SetChecked(nameRow, true);
        const int row = main.lvwFilesToBeDeleted->AddItem(path);
        main.lvwFilesToBeDeleted->SetSubItem(row, 1, threat);
        main.lvwFilesToBeDeleted->SetChecked(row, true);
    }

    void RegistryRow(const std::string& key, const std::string& value) {
        ui::ListView& registry = *app.frmMain.lvwRegistryToBeDeleted;
        const int row = registry.AddItem("-2147483647");  // HKEY_CURRENT_USER
        registry.SetSubItem(row, 1, key);
        registry.SetSubItem(row, 2, value);
        registry.SetChecked(row, true);
    }

    void CookieRow(const std::string& path) {
        const int row = app.frmMain.lvwCookiesToDelete->AddItem(path);
        app.frmMain.lvwCookiesToDelete->SetChecked(row, true);
    }

    std::string Quarantined(const std::string& name) const {
        return data / ("quarantine\\" + name);
    }

    win32_tests::TempFolder folder;
    win32_tests::TempFolder data;
    platform::win32::Win32Platform platform;
    core::Application app{platform.Ports()};
};

TEST_F(RemovalWin32, SeededTracesEndInTheQuarantineAndLockedFilesAreListed) {
    const std::string programs = ProgramsFolder();
    app.DataFolder = data.Path();

    const std::string plain = folder / "evil.dat";
    WriteFile(plain, "evil data");
    const std::string probe = folder / "probe.dll";
    ASSERT_TRUE(::CopyFileA((programs + "\\unregister_probe.dll").c_str(), probe.c_str(), TRUE));
    const std::string library = folder / "plain.dll";
    ASSERT_TRUE(::CopyFileA((programs + "\\plain_library.dll").c_str(), library.c_str(), TRUE));
    const std::string tree = folder / "EvilTree";
    ::CreateDirectoryA(tree.c_str(), nullptr);
    ::CreateDirectoryA((tree + "\\sub").c_str(), nullptr);
    WriteFile(tree + "\\run.ini", "ini");
    WriteFile(tree + "\\sub\\hidden.bin", "hidden");
    ::SetFileAttributesA((tree + "\\sub\\hidden.bin").c_str(), FILE_ATTRIBUTE_HIDDEN);
    WriteFile(tree + "\\sub\\readonly.txt", "read-only");
    ::SetFileAttributesA((tree + "\\sub\\readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    const std::string cookie = folder / "tester@tracker[1].txt";
    WriteFile(cookie, "id\n7\ntracker.example/\n");
    // The same program twice: the listed copy and an unrelated one of the
    // same name elsewhere, which must keep running.
    const std::string runner = folder / "plain_sleeper.exe";
    ASSERT_TRUE(::CopyFileA((programs + "\\plain_sleeper.exe").c_str(), runner.c_str(), TRUE));
    RunningProgram listed(runner);
    RunningProgram namesake(programs + "\\plain_sleeper.exe");
    ASSERT_TRUE(listed.Running() && namesake.Running());
    const std::string readShared = folder / "read-shared.dat";
    WriteFile(readShared, "read shared");
    const UniqueFileHandle readHolder = HoldOpen(readShared, FILE_SHARE_READ);
    const std::string unshared = folder / "unshared.dat";
    WriteFile(unshared, "unshared");
    const UniqueFileHandle exclusiveHolder = HoldOpen(unshared, 0);
    ASSERT_TRUE(readHolder && exclusiveHolder);

    const std::string key = std::string(kSeedKey);
    SetValue(key, "Evil", "1");
    SetValue(key, "Keep", "2");
    SetValue(key + "\\Whole", "", "default");
    SetValue(key + "\\Whole\\Deeper", "X", "3");

    for (const std::string& path : {plain, probe, library, tree, runner, readShared, unshared}) {
        FileRow("Seed", path);
    }
    RegistryRow(key, "Evil");
    RegistryRow(key + "\\Whole", "");
    CookieRow(cookie);
    removal::lblRemove_Click(app);

    // Backed up, deleted.
    EXPECT_FALSE(Exists(plain));
    EXPECT_EQ(ReadFile(Quarantined("evil.dat")), "evil data");
    EXPECT_FALSE(Exists(probe));
    EXPECT_TRUE(Exists(Quarantined("probe.dll")));
    EXPECT_FALSE(Exists(library));
    EXPECT_TRUE(Exists(Quarantined("plain.dll")));
    EXPECT_FALSE(Exists(tree));
    EXPECT_EQ(ReadFile(Quarantined("EvilTree\\sub\\hidden.bin")), "hidden");
    EXPECT_EQ(ReadFile(Quarantined("EvilTree\\sub\\readonly.txt")), "read-only");
    EXPECT_FALSE(Exists(cookie));
    EXPECT_TRUE(Exists(Quarantined("tester@tracker[1].txt")));
    EXPECT_FALSE(Exists(runner));
    EXPECT_FALSE(listed.Running());
    EXPECT_TRUE(namesake.Running()) << "a program that only shares the name keeps running";

    // The library's entry point ran, in a process of its own.
    const std::string mark = ReadFile(probe + ".unregistered");
    EXPECT_FALSE(mark.empty());
    EXPECT_NE(mark, std::to_string(::GetCurrentProcessId()));
    EXPECT_EQ(::GetModuleHandleA("probe.dll"), nullptr);

    // The registry entries.
    EXPECT_FALSE(ValueExists(key, "Evil"));
    EXPECT_TRUE(ValueExists(key, "Keep"));
    EXPECT_FALSE(KeyExists(key + "\\Whole"));

    // Read sharing only: copied, not deleted, so the copy goes again; no
    // sharing: not even copied.
    EXPECT_TRUE(Exists(readShared));
    EXPECT_FALSE(Exists(Quarantined("read-shared.dat")));
    EXPECT_TRUE(Exists(unshared));
    EXPECT_FALSE(Exists(Quarantined("unshared.dat")));
    EXPECT_EQ(app.frmDelete.lstProblem->Items(), (std::vector<std::string>{readShared, unshared}));

    const std::string log = ReadFile(Quarantined("QuarantineLog.txt"));
    for (const std::string& path : {plain, probe, library, runner, readShared, cookie}) {
        EXPECT_NE(log.find(" - Location: " + path + "\r\n"), std::string::npos) << path;
    }
    EXPECT_EQ(log.find(" - Location: " + unshared), std::string::npos);
    for (const std::string& path : {readShared, unshared}) {
        EXPECT_NE(log.find(" - Delete failed: " + path + "\r\n"), std::string::npos) << path;
    }
    EXPECT_NE(log.find(" - Key: HKEY_CURRENT_USER\\" + key + "\r\nValue: Evil\r\n"),
              std::string::npos);
    EXPECT_NE(log.find(" - Key: -2147483647\\" + key + "\\Whole\r\nValue: All Values\r\n"),
              std::string::npos);
}

// Registry entries of every common type go into regedit files before they
// are deleted; regedit itself imports such a file, and so does the
// program's own import, each giving back the types and bytes.
TEST_F(RemovalWin32, RegistryEntriesComeBackFromTheirSavedFilesExactly) {
    app.DataFolder = data.Path();
    platform::Registry& registry = app.ports.registry;
    const std::string key = std::string(kSeedKey) + "\\Typed";
    std::string binary;
    for (int i = 0; i < 200; ++i) {
        binary.push_back(static_cast<char>(i * 7));
    }
    using platform::RegistryValue;
    namespace type = platform::reg_type;
    const std::vector<std::pair<std::string, RegistryValue>> values = {
        {"", {type::kString, std::string("default\0", 8)}},
        {"quote\"and\\back", {type::kString, std::string("C:\\a \"b\" \\\0", 12)}},
        {"empty", {type::kString, std::string(1, '\0')}},
        {"expand", {type::kExpandString, std::string("%SystemRoot%\\x.exe\0", 19)}},
        {"multi", {type::kMultiString, std::string("one\0two\0\0", 9)}},
        {"binary", {type::kBinary, binary}},
        {"dword", {type::kDword, std::string("\x78\x56\x34\x12", 4)}},
        {"qword", {type::kQword, std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8)}},
        {"unusual", {0x1234, std::string("\x00\xff", 2)}},
        {"a=b]c", {type::kString, std::string("x\0", 2)}},
    };
    {
        const platform::RegistryOpenResult created = registry.CreateKey(
            platform::RegistryRoot::CurrentUser, key, platform::reg_access::kAllAccess);
        ASSERT_TRUE(created.key);
        for (const auto& [name, value] : values) {
            ASSERT_EQ(created.key->SetValue(name, value), 0) << name;
        }
    }
    SetValue(key + "\\Sub\\Deeper", "X", "deep");
    SetValue(kSeedKey, "Run", "evil.exe");
    const auto readBack = [&](const std::string& path, const std::string& name) {
        RegistryValue value;
        const platform::RegistryOpenResult opened = registry.OpenKey(
            platform::RegistryRoot::CurrentUser, path, platform::reg_access::kRead);
        if (!opened.key || opened.key->QueryValue(name, value) != 0) {
            value.type = 0xFFFFFFFF;
        }
        return value;
    };
    const auto expectAllBack = [&](const char* how) {
        for (const auto& [name, value] : values) {
            const RegistryValue back = readBack(key, name);
            EXPECT_EQ(back.type, value.type) << how << " " << name;
            EXPECT_EQ(back.data, value.data) << how << " " << name;
        }
        EXPECT_EQ(readBack(key + "\\Sub\\Deeper", "X").data, std::string("deep\0", 5)) << how;
    };
    RegistryRow(key, "");
    RegistryRow(kSeedKey, "Run");
    removal::lblRemove_Click(app);

    ASSERT_FALSE(KeyExists(key));
    ASSERT_FALSE(ValueExists(kSeedKey, "Run"));
    const std::string saved = ReadFile(Quarantined("Typed.reg"));
    const std::string header = "Windows Registry Editor Version 5.00\r\n";
    std::string expectedStart = "\xFF\xFE";
    for (const char c : header) {
        expectedStart += std::string{c, '\0'};
    }
    EXPECT_EQ(saved.substr(0, expectedStart.size()), expectedStart);
    const std::vector<removal::QuarantineEntry> index =
        removal::LoadQuarantineEntries(app.ports.fileSystem, app.ports.textCodec, app.DataFolder);
    ASSERT_EQ(index.size(), 2u);
    EXPECT_EQ(index[0].location, "HKEY_CURRENT_USER\\" + key);
    EXPECT_TRUE(removal::VerifySavedContent(app.ports.fileSystem, app.ports.hashing, app.DataFolder,
                                            index[0]));

    // regedit's own import.
    const std::string regedit = "regedit.exe /s \"" + Quarantined("Typed.reg") + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = regedit;
    ASSERT_TRUE(::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &startup, &process));
    const platform::win32::UniqueHandle processHandle(process.hProcess);
    const platform::win32::UniqueHandle threadHandle(process.hThread);
    ASSERT_EQ(::WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    expectAllBack("regedit");

    // The program's own, which refuses to write over what is there.
    EXPECT_EQ(
        removal::ImportRegFile(registry, app.ports.textCodec, saved, "HKEY_CURRENT_USER\\" + key,
                               std::nullopt, scan::LiteralView(registry)),
        removal::ImportResult::AlreadyThere);
    ::SHDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
    EXPECT_EQ(
        removal::ImportRegFile(registry, app.ports.textCodec, saved, "HKEY_CURRENT_USER\\" + key,
                               std::nullopt, scan::LiteralView(registry)),
        removal::ImportResult::Imported);
    expectAllBack("import");
    EXPECT_EQ(removal::ImportRegFile(registry, app.ports.textCodec,
                                     ReadFile(Quarantined(index[1].storedName)),
                                     "HKEY_CURRENT_USER\\" + std::string(kSeedKey), "Run",
                                     scan::LiteralView(registry)),
              removal::ImportResult::Imported);
    EXPECT_EQ(readBack(kSeedKey, "Run").data, std::string("evil.exe\0", 9));
}

// Names that Windows allows but a code page may not hold: one outside the
// ANSI code page and one with a lone surrogate, a known hiding trick, on a
// value and on a subkey. The key is deleted only with a copy that brings
// every name back exactly; where the program's text cannot hold them, the
// key stays and is listed.
TEST_F(RemovalWin32, NamesOutsideTheCodePageAreSavedExactlyOrTheKeyIsKept) {
    app.DataFolder = data.Path();
    const std::string key = std::string(kSeedKey) + "\\Hidden";
    const std::wstring wideKey = L"Software\\RemovalSeedWidgets\\Hidden";
    const std::wstring cyrillic = L"\x0416uk";
    const std::wstring lone = std::wstring(L"run") + wchar_t(0xD800);
    const auto setWide = [](const std::wstring& path, const std::wstring& name) {
        UniqueRegKey created;
        ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE,
                                    nullptr, created.Put(), nullptr),
                  ERROR_SUCCESS);
        const DWORD number = 7;
        ASSERT_EQ(::RegSetValueExW(created.Get(), name.c_str(), 0, REG_DWORD,
                                   reinterpret_cast<const BYTE*>(&number), sizeof number),
                  ERROR_SUCCESS);
    };
    const auto wideValueExists = [](const std::wstring& path, const std::wstring& name) {
        UniqueRegKey opened;
        return ::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, opened.Put()) ==
                   ERROR_SUCCESS &&
               ::RegQueryValueExW(opened.Get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
                   ERROR_SUCCESS;
    };
    setWide(wideKey, cyrillic);
    setWide(wideKey, lone);
    setWide(wideKey + L"\\" + lone, L"x");
    RegistryRow(key, "");
    removal::lblRemove_Click(app);

    const bool programIsUtf8 = ::GetACP() == CP_UTF8;
    if (!programIsUtf8) {
        EXPECT_TRUE(wideValueExists(wideKey, cyrillic));
        EXPECT_TRUE(wideValueExists(wideKey, lone));
        EXPECT_TRUE(wideValueExists(wideKey + L"\\" + lone, L"x"));
        EXPECT_EQ(app.frmDelete.lstProblem->Items(),
                  std::vector<std::string>{"HKEY_CURRENT_USER\\" + key});
        EXPECT_TRUE(removal::LoadQuarantineEntries(app.ports.fileSystem, app.ports.textCodec,
                                                   app.DataFolder)
                        .empty());
        return;
    }
    ASSERT_FALSE(KeyExists(key));
    const std::vector<removal::QuarantineEntry> index =
        removal::LoadQuarantineEntries(app.ports.fileSystem, app.ports.textCodec, app.DataFolder);
    ASSERT_EQ(index.size(), 1u);
    EXPECT_EQ(removal::ImportRegFile(app.ports.registry, app.ports.textCodec,
                                     ReadFile(Quarantined(index[0].storedName)),
                                     "HKEY_CURRENT_USER\\" + key, std::nullopt,
                                     scan::LiteralView(app.ports.registry)),
              removal::ImportResult::Imported);
    EXPECT_TRUE(wideValueExists(wideKey, cyrillic));
    EXPECT_TRUE(wideValueExists(wideKey, lone));
    EXPECT_TRUE(wideValueExists(wideKey + L"\\" + lone, L"x"));
}

}  // namespace
