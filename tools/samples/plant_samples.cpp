// Plants a harmless sample for the scanner on this machine (meant for a Wine
// prefix): the sample definitions, coded, in the data folder, and the traces
// that some of them name - registry keys and values, files, folders, a
// tracking cookie and a running demo program. Planting again replaces what is
// there. Exit code 0 when everything was planted, 1 otherwise.

#include <windows.h>

#include <shlobj.h>

#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/definition_files.h"
#include "core/path_macros.h"
#include "core/text_lines.h"
#include "definitions/line_code.h"
#include "definitions/records.h"
#include "demo_tracker.h"
#include "platform/win32/handles.h"
#include "platform/win32/shell_folders_win32.h"
#include "sample_definitions.h"

namespace {

using platform::win32::UniqueFileHandle;
using platform::win32::UniqueHandle;
using platform::win32::UniqueRegKey;

// Locations in the definition files' own macros, expanded the way the scan
// expands them, so that both agree on every path.
constexpr std::string_view kDataFolder = "[appdata]AntiSpywareDAT";
constexpr std::string_view kVendorFolder = "[progfil]SparkbarDemo";
constexpr std::string_view kTrackerFolder = "[appdata]PixelpalDemo";

constexpr std::string_view kVendorKey = "Software\\SparkbarDemo";
constexpr std::string_view kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr std::string_view kRunValue = "KeytrailAgent";

constexpr std::string_view kDemoProgram = "keytrail_agent.exe";
constexpr std::string_view kDemoProgramSource = "demo_tracker.exe";
constexpr std::string_view kCookieSite = "pixelpal-demo";

constexpr std::string_view kSampleText =
    "Harmless sample planted to try the anti-spyware scanner.\r\n";

// Says what was planted and counts what could not be.
class Report {
public:
    void Section(std::string_view title) {
        std::printf("%.*s\n", static_cast<int>(title.size()), title.data());
    }

    // `error` is a Win32 error code, ERROR_SUCCESS when the step succeeded.
    void Step(DWORD error, std::string_view what) {
        if (error == ERROR_SUCCESS) {
            std::printf("  %.*s\n", static_cast<int>(what.size()), what.data());
            return;
        }
        ++m_failures;
        std::fflush(stdout);
        std::fprintf(stderr, "  FAILED (error %lu): %.*s\n", error, static_cast<int>(what.size()),
                     what.data());
    }

    [[nodiscard]] bool AllPlanted() const noexcept { return m_failures == 0; }

private:
    int m_failures = 0;
};

[[nodiscard]] std::string Expand(std::string_view location, platform::ShellFolders& shell) {
    return core::ExpandDefinitionPath(std::string(location), shell);
}

[[nodiscard]] DWORD MakeFolder(const std::string& path) {
    // A path without a drive means that the shell knew no such special
    // folder: planting there would land in the current folder, where no
    // definition points.
    if (!definitions::IsAbsolutePath(path)) {
        return ERROR_PATH_NOT_FOUND;
    }
    const int result = ::SHCreateDirectoryExA(nullptr, path.c_str(), nullptr);
    return result == ERROR_ALREADY_EXISTS ? ERROR_SUCCESS : static_cast<DWORD>(result);
}

// Replaces the file; `attributes` also apply to a file that is already there.
[[nodiscard]] DWORD WriteFileText(const std::string& path, std::string_view content,
                                  DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    // A hidden file refuses to be replaced by a normal one.
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    const UniqueFileHandle file(
        ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr));
    if (!file) {
        return ::GetLastError();
    }
    DWORD written = 0;
    if (!::WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written,
                     nullptr)) {
        return ::GetLastError();
    }
    if (written != content.size()) {
        return ERROR_WRITE_FAULT;
    }
    return ::SetFileAttributesA(path.c_str(), attributes) ? ERROR_SUCCESS : ::GetLastError();
}

[[nodiscard]] DWORD SetStringValue(HKEY root, std::string_view keyPath, std::string_view name,
                                   std::string_view value) {
    UniqueRegKey key;
    const std::string path(keyPath);
    const LSTATUS created = ::RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                              nullptr, key.Put(), nullptr);
    if (created != ERROR_SUCCESS) {
        return static_cast<DWORD>(created);
    }
    const std::string valueName(name);
    const std::string data(value);
    return static_cast<DWORD>(::RegSetValueExA(key.Get(), valueName.c_str(), 0, REG_SZ,
                                               reinterpret_cast<const BYTE*>(data.c_str()),
                                               static_cast<DWORD>(data.size() + 1)));
}

// The definition files in their coded form, and the date in plain text, as
// an update would leave them.
void WriteDefinitions(Report& report, platform::ShellFolders& shell) {
    const std::string folder = Expand(kDataFolder, shell);
    report.Section("Definitions in " + folder);
    if (const DWORD error = MakeFolder(folder); error != ERROR_SUCCESS) {
        report.Step(error, "the data folder");
        return;
    }
    for (const samples::PlainFile& sample : samples::kPlainDefinitions) {
        const std::string name = std::string(sample.name) + ".dat";
        std::vector<std::string> lines = core::TextLines(sample.text);
        DWORD error = ERROR_SUCCESS;
        if (name != definitions::kDefinitionsDate) {
            for (std::string& line : lines) {
                line = definitions::EncodeDefinitionLine(line);
                // Only characters beyond ASCII code to line ends, which would
                // split the line in two.
                if (line.find_first_of("\r\n") != std::string::npos) {
                    error = ERROR_INVALID_DATA;
                }
            }
        }
        if (error == ERROR_SUCCESS) {
            error = WriteFileText(definitions::DataFile(folder, name), core::JoinLines(lines));
        }
        report.Step(error, name + " (" + std::to_string(lines.size()) +
                               (lines.size() == 1 ? " line)" : " lines)"));
    }
}

void PlantRegistry(Report& report, const std::string& demoProgramPath) {
    report.Section("Registry, below HKEY_CURRENT_USER");
    const std::string vendorKey(kVendorKey);
    DWORD error = SetStringValue(HKEY_CURRENT_USER, vendorKey, "InstallId", "demo-0001");
    if (error == ERROR_SUCCESS) {
        error = SetStringValue(HKEY_CURRENT_USER, vendorKey, "Channel", "sample");
    }
    report.Step(error, vendorKey + " with the values InstallId and Channel");
    const std::string subKey = vendorKey + "\\Keytrail";
    report.Step(SetStringValue(HKEY_CURRENT_USER, subKey, "LogFolder", "keytrail-logs"),
                subKey + " with the value LogFolder");
    report.Step(SetStringValue(HKEY_CURRENT_USER, kRunKey, kRunValue,
                               "\"" + demoProgramPath + "\" /background"),
                std::string(kRunKey) + ", value " + std::string(kRunValue));
}

void PlantFiles(Report& report, platform::ShellFolders& shell) {
    report.Section("Files and folders");
    struct PlantedFile {
        std::string_view folder;
        std::string_view name;
        DWORD attributes;
        std::string_view note;
    };
    static constexpr std::array<PlantedFile, 4> kFiles{{
        {kVendorFolder, "sparkbar_toolbar.dll", FILE_ATTRIBUTE_NORMAL, ""},
        {kTrackerFolder, "pixelpal.cfg", FILE_ATTRIBUTE_NORMAL, ""},
        {kTrackerFolder, "pixelpal.idx", FILE_ATTRIBUTE_HIDDEN, " (hidden: not reported)"},
        {kTrackerFolder, "readme.txt", FILE_ATTRIBUTE_NORMAL, " (safe-listed: not reported)"},
    }};
    for (std::string_view folder : {kVendorFolder, kTrackerFolder}) {
        const std::string path = Expand(folder, shell);
        report.Step(MakeFolder(path), path + "\\");
    }
    for (const PlantedFile& file : kFiles) {
        const std::string path = Expand(file.folder, shell) + "\\" + std::string(file.name);
        report.Step(WriteFileText(path, kSampleText, file.attributes),
                    path + std::string(file.note));
    }
}

// A cookie file as the browser stores it: its fields one to a line, the
// third naming the site and path.
void PlantCookie(Report& report) {
    report.Section("Tracking cookie");
    std::array<char, MAX_PATH> folder{};
    if (!::SHGetSpecialFolderPathA(nullptr, folder.data(), CSIDL_COOKIES, TRUE)) {
        report.Step(ERROR_PATH_NOT_FOUND, "the cookie folder");
        return;
    }
    std::array<char, 257> user{};
    auto userLength = static_cast<DWORD>(user.size());
    if (!::GetUserNameA(user.data(), &userLength)) {
        report.Step(::GetLastError(), "the user name for the cookie's file name");
        return;
    }
    const std::string site(kCookieSite);
    const std::string path =
        std::string(folder.data()) + "\\" + user.data() + "@" + site + "[1].txt";
    const std::string content = "pixelpal_uid\n5f1c0de0d3m0\n" + site +
                                ".example/\n1536\n2450583552\n31283450\n1839419216\n31283449\n*\n";
    report.Step(WriteFileText(path, content), path);
}

[[nodiscard]] std::string OwnFolder() {
    std::array<char, MAX_PATH> path{};
    const DWORD length =
        ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    const std::string program(path.data(), length);
    return program.substr(0, program.rfind('\\'));
}

[[nodiscard]] bool DemoProgramRunning() {
    const UniqueHandle mutex(::OpenMutexA(SYNCHRONIZE, FALSE, samples::kDemoTrackerMutex));
    return mutex.IsValid();
}

// Copies the demo program into the vendor's folder under the name that the
// definitions look for, and leaves it running on its own.
void StartDemoProgram(Report& report, const std::string& target) {
    report.Section("Running program");
    if (DemoProgramRunning()) {
        report.Step(ERROR_SUCCESS, target + " (already running)");
        return;
    }
    const std::string source = OwnFolder() + "\\" + std::string(kDemoProgramSource);
    if (!::CopyFileA(source.c_str(), target.c_str(), FALSE)) {
        report.Step(::GetLastError(), "copy " + source + " to " + target);
        return;
    }
    const std::string folder = target.substr(0, target.rfind('\\'));
    std::string commandLine = "\"" + target + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!::CreateProcessA(target.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                          DETACHED_PROCESS | CREATE_NEW_PROCESS_GROUP, nullptr, folder.c_str(),
                          &startup, &started)) {
        report.Step(::GetLastError(), "start " + target);
        return;
    }
    const UniqueHandle process(started.hProcess);
    const UniqueHandle thread(started.hThread);
    // It counts as running once it holds its mutex; until then a second
    // planting would try to copy over a program in use.
    for (int wait = 0; wait < 100 && !DemoProgramRunning(); ++wait) {
        if (::WaitForSingleObject(process.Get(), 50) == WAIT_OBJECT_0) {
            report.Step(ERROR_PROCESS_ABORTED, "start " + target);
            return;
        }
    }
    report.Step(DemoProgramRunning() ? ERROR_SUCCESS : ERROR_TIMEOUT,
                target + " (process " + std::to_string(started.dwProcessId) + ")");
}

}  // namespace

int main() {
    platform::win32::ShellFoldersWin32 shell;
    Report report;
    const std::string demoProgram = Expand(kVendorFolder, shell) + "\\" + std::string(kDemoProgram);
    WriteDefinitions(report, shell);
    PlantRegistry(report, demoProgram);
    PlantFiles(report, shell);
    PlantCookie(report);
    StartDemoProgram(report, demoProgram);
    return report.AllPlanted() ? 0 : 1;
}
