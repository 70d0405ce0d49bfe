#pragma once

// The set of platform ports that the program runs on. The composition root
// builds one and passes it by reference; nothing reaches a port otherwise.

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/device_management.h"
#include "platform/dialogs.h"
#include "platform/elevation.h"
#include "platform/environment.h"
#include "platform/event_loop.h"
#include "platform/file_origin.h"
#include "platform/file_system.h"
#include "platform/hashing.h"
#include "platform/http.h"
#include "platform/locale_formats.h"
#include "platform/management.h"
#include "platform/notify_icon.h"
#include "platform/os_version.h"
#include "platform/processes.h"
#include "platform/program_file.h"
#include "platform/registry.h"
#include "platform/scheduled_tasks.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/shell_folders.h"
#include "platform/signature_verifier.h"
#include "platform/system_restore.h"
#include "platform/text_codec.h"

namespace platform {

struct Platform {
    Registry& registry;
    ShellFolders& shellFolders;
    FileSystem& fileSystem;
    ProgramFile& programFile;
    OsVersion& osVersion;
    Shell& shell;
    Dialogs& dialogs;
    Clock& clock;
    EventLoop& eventLoop;
    TextCodec& textCodec;
    NotifyIcon& notifyIcon;
    Processes& processes;
    Clipboard& clipboard;
    SystemRestore& systemRestore;
    Http& http;
    Desktop& desktop;
    Management& management;
    LocaleFormats& localeFormats;
    SignatureVerifier& signatureVerifier;
    DeviceManagement& deviceManagement;
    Hashing& hashing;
    FileOrigin& fileOrigin;
    Environment& environment;
    Services& services;
    ScheduledTasks& scheduledTasks;
    Elevation& elevation;
};

}  // namespace platform
