// The Windows machine: the real ports. The set's keys live below
// HKEY_CURRENT_USER\Software\BenchScan and its files below %TEMP%\BenchScan;
// both are deleted before and after a run. The baseline makes the registry
// and file-system calls of each record bare, without the engine around them.

#include <windows.h>

#include <shlwapi.h>

#include <array>
#include <chrono>
#include <optional>
#include <set>

#include "bench_machine.h"
#include "core/definition_counts.h"
#include "core/user_settings.h"
#include "i18n/languages.h"
#include "platform/win32/handles.h"
#include "platform/win32/platform_win32.h"
#include "scan/registry_scan.h"

namespace bench {

namespace {

using platform::win32::UniqueFindHandle;
using platform::win32::UniqueRegKey;

// The program's settings are kept under this name, apart from a real
// installation's.
constexpr char kProgramName[] = "BenchScan";

HKEY RootKey(platform::RegistryRoot root) noexcept {
    switch (root) {
        case platform::RegistryRoot::ClassesRoot:
            return HKEY_CLASSES_ROOT;
        case platform::RegistryRoot::CurrentUser:
            return HKEY_CURRENT_USER;
        case platform::RegistryRoot::LocalMachine:
            return HKEY_LOCAL_MACHINE;
        case platform::RegistryRoot::Users:
            return HKEY_USERS;
        case platform::RegistryRoot::CurrentConfig:
            return HKEY_CURRENT_CONFIG;
        case platform::RegistryRoot::DynData:
            return HKEY_DYN_DATA;
    }
    return HKEY_CURRENT_USER;
}

bool KeyExists(HKEY root, const std::string& path) {
    UniqueRegKey key;
    return ::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.Put()) == ERROR_SUCCESS;
}

std::string TempFolder() {
    std::array<char, MAX_PATH + 1> buffer{};
    const DWORD length = ::GetTempPathA(static_cast<DWORD>(buffer.size()), buffer.data());
    std::string folder(buffer.data(), length < buffer.size() ? length : 0);
    if (!folder.empty() && folder.back() == '\\') {
        folder.pop_back();
    }
    return folder;
}

using Clock = std::chrono::steady_clock;

// The key, and for a value record its value, opened and read bare in a view.
bool ProbeRegistry(const RegistryProbe& probe, REGSAM view) {
    UniqueRegKey key;
    if (::RegOpenKeyExA(RootKey(probe.root), probe.keyPath.c_str(), 0, scan::kTraceKeyAccess | view,
                        key.Put()) != ERROR_SUCCESS) {
        return false;
    }
    if (probe.valueName.empty()) {
        return true;
    }
    std::array<BYTE, 1024> data{};
    DWORD size = static_cast<DWORD>(data.size());
    DWORD type = REG_NONE;
    return ::RegQueryValueExA(key.Get(), probe.valueName.c_str(), nullptr, &type, data.data(),
                              &size) == ERROR_SUCCESS;
}

Clock::time_point Lap(BaselineRun& run, Phase phase, Clock::time_point start) {
    const Clock::time_point now = Clock::now();
    run.phaseSeconds[static_cast<std::size_t>(phase)] =
        std::chrono::duration<double>(now - start).count();
    return now;
}

void DeleteFolderTree(const std::string& folder) {
    {
        WIN32_FIND_DATAA entry{};
        UniqueFindHandle find(::FindFirstFileA((folder + "\\*").c_str(), &entry));
        if (find) {
            do {
                const std::string name(entry.cFileName);
                if (name == "." || name == "..") {
                    continue;
                }
                const std::string path = folder + "\\" + name;
                if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                    DeleteFolderTree(path);
                } else {
                    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                    ::DeleteFileA(path.c_str());
                }
            } while (::FindNextFileA(find.Get(), &entry));
        }
    }
    ::RemoveDirectoryA(folder.c_str());
}

class Win32Machine final : public BenchMachine {
public:
    Win32Machine()
        : m_traceRoot(TempFolder() + "\\BenchScan"),
          m_settingsRoot(core::kUserSettingsRoot),
          m_settingsRootExisted(KeyExists(HKEY_CURRENT_USER, m_settingsRoot)) {}

    const MachineTraits& Traits() const override { return m_traits; }
    platform::Platform& Ports() override { return m_platform.Ports(); }
    std::string TraceRoot() override { return m_traceRoot; }
    std::string DataFolder() override { return m_traceRoot + "\\data"; }

    void RemoveTraces() override {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, std::string(kBenchRegistryKey).c_str());
        const std::string settings = m_settingsRoot + "\\" + kProgramName;
        ::SHDeleteKeyA(HKEY_CURRENT_USER, settings.c_str());
        if (!m_settingsRootExisted) {
            ::SHDeleteKeyA(HKEY_CURRENT_USER, m_settingsRoot.c_str());
        }
        DeleteFolderTree(m_traceRoot);
    }

    // A program found in memory is stopped at once, so none of the set's
    // executables is started: the memory phase reads the definitions and
    // looks at the processes of the session without a match.
    int StartExecutables(const SyntheticSet&) override { return 0; }

    // What the main window's start-up does for a scan, without the windows
    // and dialogs of a first run.
    void StartProgram(core::Application& app) override {
        platform::Platform& ports = app.ports;
        app.branding = core::Branding{kProgramName, kProgramName, "www.benchscan.example"};
        app.DataFolder = DataFolder();
        auto catalogue = std::make_unique<i18n::clsLanguages>(
            ports.fileSystem, ports.textCodec, ports.programFile.Folder(), app.branding);
        catalogue->SetCurrentLanguage(std::string(i18n::kFallbackLanguage));
        i18n::LoadBuiltInMessages(*catalogue);
        app.Catalogue = std::move(catalogue);
        app.TotalDefinitionLines =
            definitions::CountDefinitions(ports.fileSystem, app.DataFolder, app.counts);
        app.exclusions.LoadExclusions(ports.fileSystem, ports.textCodec, ports.eventLoop,
                                      app.DataFolder);
    }

    void PrepareRun() override {}

    BaselineRun RunBaseline(const SyntheticSet& set) override {
        BaselineRun run;
        Clock::time_point start = Clock::now();
        // Each record is looked for in both views, as the scan does on
        // 64-bit Windows; what the 32-bit view finds is not counted, since
        // the set's keys are the user's, which both views share.
        for (const RegistryProbe& probe : set.registryProbes) {
            run.count += ProbeRegistry(probe, 0) ? 1 : 0;
            if (m_twoViews) {
                static_cast<void>(ProbeRegistry(probe, KEY_WOW64_32KEY));
            }
        }
        start = Lap(run, Phase::Registry, start);
        // An absent name is answered by the attribute query alone; a name
        // that is there is confirmed by its listing, as the program does.
        for (const std::string& path : set.fileProbes) {
            if (::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
                const DWORD error = ::GetLastError();
                if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
                    continue;
                }
            }
            WIN32_FIND_DATAA entry{};
            const UniqueFindHandle find(::FindFirstFileA(path.c_str(), &entry));
            run.count += find ? 1 : 0;
        }
        start = Lap(run, Phase::Files, start);
        for (const std::string& path : set.folderProbes) {
            const DWORD attributes = ::GetFileAttributesA(path.c_str());
            run.count += attributes != INVALID_FILE_ATTRIBUTES &&
                                 (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
                             ? 1
                             : 0;
        }
        Lap(run, Phase::Folders, start);
        return run;
    }

    // Each parent key read once in each view (its subkeys for key records,
    // its values for value records), then each folder named once.
    std::optional<BaselineRun> RunListingBaseline(const SyntheticSet& set) override {
        BaselineRun run;
        std::set<std::string> keys;
        std::set<std::string> folders;
        for (const RegistryProbe& probe : set.registryProbes) {
            const std::size_t slash = probe.keyPath.rfind('\\');
            const bool values = !probe.valueName.empty();
            if (!values && slash == std::string::npos) {
                continue;
            }
            const std::string parent = values ? probe.keyPath : probe.keyPath.substr(0, slash);
            if (!keys.insert(std::to_string(static_cast<std::uint32_t>(probe.root)) +
                             (values ? "V" : "K") + parent)
                     .second) {
                continue;
            }
            run.count += ListKey(probe.root, parent, values, 0);
            if (m_twoViews) {
                run.count += ListKey(probe.root, parent, values, KEY_WOW64_32KEY);
            }
        }
        for (const std::vector<std::string>* probes : {&set.fileProbes, &set.folderProbes}) {
            for (const std::string& path : *probes) {
                const std::string folder = path.substr(0, path.rfind('\\'));
                if (folders.insert(folder).second) {
                    run.count += ListFolder(folder);
                }
            }
        }
        return run;
    }

private:
    static std::uint64_t ListKey(platform::RegistryRoot root, const std::string& path, bool values,
                                 REGSAM view) {
        UniqueRegKey key;
        if (::RegOpenKeyExA(RootKey(root), path.c_str(), 0, KEY_READ | view, key.Put()) !=
            ERROR_SUCCESS) {
            return 0;
        }
        std::array<char, 16384> name{};
        std::uint64_t count = 0;
        for (DWORD index = 0;; ++index) {
            DWORD size = static_cast<DWORD>(name.size());
            const LSTATUS status = values ? ::RegEnumValueA(key.Get(), index, name.data(), &size,
                                                            nullptr, nullptr, nullptr, nullptr)
                                          : ::RegEnumKeyExA(key.Get(), index, name.data(), &size,
                                                            nullptr, nullptr, nullptr, nullptr);
            if (status != ERROR_SUCCESS) {
                return count;
            }
            ++count;
        }
    }

    static std::uint64_t ListFolder(const std::string& folder) {
        WIN32_FIND_DATAA entry{};
        const UniqueFindHandle find(::FindFirstFileA((folder + "\\*").c_str(), &entry));
        if (!find) {
            return 0;
        }
        std::uint64_t count = 0;
        do {
            ++count;
        } while (::FindNextFileA(find.Get(), &entry));
        return count;
    }

    MachineTraits m_traits{"Windows (MinGW-w64) under Wine, Win32 ports",
                           "bare RegOpenKeyExA(0x3F) [+ RegQueryValueExA] in each registry view, "
                           "GetFileAttributesA [+ FindFirstFileA], GetFileAttributesA per record",
                           0.3, 3,
                           "each named parent key read once per view (RegOpenKeyExA + "
                           "RegEnumKeyExA or RegEnumValueA), each named folder once "
                           "(FindFirstFileA + FindNextFileA)"};
    platform::win32::Win32Platform m_platform;
    bool m_twoViews = m_platform.Ports().registry.HasWow32View();
    std::string m_traceRoot;
    std::string m_settingsRoot;
    bool m_settingsRootExisted;
};

}  // namespace

std::unique_ptr<BenchMachine> MakeMachine(const std::vector<std::string>& options) {
    return options.empty() ? std::make_unique<Win32Machine>() : nullptr;
}

std::string_view MachineUsage() noexcept {
    return "scan_benchmark.exe";
}

}  // namespace bench
