#include "platform/win32/platform_win32.h"

#include "platform/win32/clipboard_win32.h"
#include "platform/win32/clock_win32.h"
#include "platform/win32/com_security.h"
#include "platform/win32/desktop_win32.h"
#include "platform/win32/device_management_win32.h"
#include "platform/win32/dialogs_win32.h"
#include "platform/win32/elevation_win32.h"
#include "platform/win32/environment_win32.h"
#include "platform/win32/event_loop_win32.h"
#include "platform/win32/file_origin_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/hashing_win32.h"
#include "platform/win32/http_win32.h"
#include "platform/win32/locale_formats_win32.h"
#include "platform/win32/management_win32.h"
#include "platform/win32/notify_icon_win32.h"
#include "platform/win32/os_version_win32.h"
#include "platform/win32/processes_win32.h"
#include "platform/win32/program_file_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/scheduled_tasks_win32.h"
#include "platform/win32/services_win32.h"
#include "platform/win32/shell_folders_win32.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/signature_verifier_win32.h"
#include "platform/win32/system_restore_win32.h"
#include "platform/win32/text_codec_win32.h"

namespace platform::win32 {

struct Win32Platform::Adapters {
    RegistryWin32 registry;
    ShellFoldersWin32 shellFolders;
    FileSystemWin32 fileSystem;
    ProgramFileWin32 programFile;
    OsVersionWin32 osVersion;
    ShellWin32 shell;
    DialogsWin32 dialogs;
    ClockWin32 clock;
    EventLoopWin32 eventLoop;
    TextCodecWin32 textCodec;
    NotifyIconWin32 notifyIcon;
    ProcessesWin32 processes;
    ClipboardWin32 clipboard;
    ComSecurity comSecurity;
    SystemRestoreWin32 systemRestore{comSecurity};
    HttpWin32 http;
    DesktopWin32 desktop;
    ManagementWin32 management;
    LocaleFormatsWin32 localeFormats;
    SignatureVerifierWin32 signatureVerifier;
    DeviceManagementWin32 deviceManagement;
    HashingWin32 hashing;
    FileOriginWin32 fileOrigin;
    EnvironmentWin32 environment;
    ServicesWin32 services;
    ScheduledTasksWin32 scheduledTasks;
    ElevationWin32 elevation;
};

Win32Platform::Win32Platform()
    : m_adapters(std::make_unique<Adapters>()),
      m_ports(std::make_unique<platform::Platform>(platform::Platform{m_adapters->registry,
                                                                      m_adapters->shellFolders,
                                                                      m_adapters->fileSystem,
                                                                      m_adapters->programFile,
                                                                      m_adapters->osVersion,
                                                                      m_adapters->shell,
                                                                      m_adapters->dialogs,
                                                                      m_adapters->clock,
                                                                      m_adapters->eventLoop,
                                                                      m_adapters->textCodec,
                                                                      m_adapters->notifyIcon,
                                                                      m_adapters->processes,
                                                                      m_adapters->clipboard,
                                                                      m_adapters->systemRestore,
                                                                      m_adapters->http,
                                                                      m_adapters->desktop,
                                                                      m_adapters->management,
                                                                      m_adapters->localeFormats,
                                                                      m_adapters->signatureVerifier,
                                                                      m_adapters->deviceManagement,
                                                                      m_adapters->hashing,
                                                                      m_adapters->fileOrigin,
                                                                      m_adapters->environment,
                                                                      m_adapters->services,
                                                                      m_adapters->scheduledTasks,
                                                                      m_adapters->elevation})) {}

Win32Platform::~Win32Platform() = default;

void Win32Platform::SetComSecurity() {
    static_cast<void>(m_adapters->comSecurity.Ensure());
}

EventLoopWin32& Win32Platform::Loop() noexcept {
    return m_adapters->eventLoop;
}

}  // namespace platform::win32
