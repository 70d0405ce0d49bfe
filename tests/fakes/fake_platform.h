#pragma once

// Every port's double in one place, and the port set over them.

#include "fakes/fake_file_origin.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_http.h"
#include "fakes/fake_management.h"
#include "fakes/fake_notify_icon.h"
#include "fakes/fake_ports.h"
#include "fakes/fake_processes.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_shell_folders.h"
#include "fakes/test_hashing.h"
#include "fakes/test_signature_verifier.h"
#include "fakes/virtual_event_loop.h"
#include "platform/platform.h"

namespace fakes {

struct FakePlatform {
    // A standard user on Windows 10 or 11 under User Account Control: the
    // machine-wide registry (the program's machine settings and the Run key
    // with it), the program's folder, the Windows folder (the hosts file
    // with it), the shortcuts of all users, the services and the tasks
    // refuse every change.
    void ModelStandardUser() {
        registry.RefuseWritesUnder(platform::RegistryRoot::LocalMachine);
        fileSystem.RefuseWritesUnder(programFile.folder);
        services.refuseChanges = true;
        scheduledTasks.refuseChanges = true;
        for (const int csidl : {platform::csidl::kWindows, platform::csidl::kCommonStartMenu,
                                platform::csidl::kCommonDesktopDirectory}) {
            if (const std::optional<std::string> folder = shellFolders.FolderPath(csidl)) {
                fileSystem.RefuseWritesUnder(*folder);
            }
        }
    }

    // 64-bit Windows: the registry's 32-bit view and the 32-bit program
    // and system folders are places of their own.
    void Model64BitWindows() {
        registry.ModelTwoViews();
        shellFolders.Set(platform::csidl::kProgramFilesX86, "C:\\Program Files (x86)");
        shellFolders.Set(platform::csidl::kProgramFilesCommonX86,
                         "C:\\Program Files (x86)\\Common Files");
        shellFolders.Set(platform::csidl::kSystemX86, "C:\\Windows\\SysWOW64");
    }

    // The profiles' compatibility junctions of Vista and later: the old
    // sub-folders of XP, each a link to its folder of the new layout.
    void ModelProfileJunctions() {
        const std::string user = "C:\\Users\\alice\\";
        const std::string roaming = user + "AppData\\Roaming";
        const std::string local = user + "AppData\\Local";
        fileSystem.AddLink(user + "Application Data", roaming);
        fileSystem.AddLink(user + "Local Settings", local);
        fileSystem.AddLink(local + "\\Application Data", local);
        fileSystem.AddLink(user + "Start Menu", roaming + "\\Microsoft\\Windows\\Start Menu");
        fileSystem.AddLink(user + "My Documents", user + "Documents");
        const std::string common = "C:\\ProgramData\\";
        fileSystem.AddLink(common + "Application Data", "C:\\ProgramData");
        fileSystem.AddLink(common + "Desktop", "C:\\Users\\Public\\Desktop");
        fileSystem.AddLink(common + "Documents", "C:\\Users\\Public\\Documents");
        fileSystem.AddLink(common + "Start Menu", common + "Microsoft\\Windows\\Start Menu");
    }

    FakeRegistry registry;
    FakeShellFolders shellFolders;
    FakeFileSystem fileSystem;
    FakeProgramFile programFile;
    FakeOsVersion osVersion;
    FakeShell shell{&fileSystem};
    ScriptedDialogs dialogs;
    FakeClock clock;
    VirtualEventLoop eventLoop;
    Windows1252Codec textCodec;
    FakeNotifyIcon notifyIcon;
    FakeProcesses processes;
    FakeClipboard clipboard;
    FakeSystemRestore systemRestore;
    ScriptedHttp http;
    FakeDesktop desktop;
    FakeManagement management;
    FakeLocaleFormats localeFormats;
    TestSignatureVerifier signatureVerifier;
    FakeDeviceManagement deviceManagement;
    TestHashing hashing;
    FakeFileOrigin fileOrigin;
    FakeEnvironment environment;
    FakeServices services;
    FakeScheduledTasks scheduledTasks;
    FakeElevation elevation;

    platform::Platform ports{
        registry,   shellFolders, fileSystem,    programFile,       osVersion,
        shell,      dialogs,      clock,         eventLoop,         textCodec,
        notifyIcon, processes,    clipboard,     systemRestore,     http,
        desktop,    management,   localeFormats, signatureVerifier, deviceManagement,
        hashing,    fileOrigin,   environment,   services,          scheduledTasks,
        elevation};
};

}  // namespace fakes
