#pragma once

// One place where something makes itself start or redirects the user, as a
// scan reads it: where it is, what it holds, and what it starts, with that
// file's publisher and company.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_origin.h"
#include "platform/registry.h"

namespace startup_items {

enum class Category {
    Run,
    RunOnce,
    RunOnceEx,
    PoliciesRun,
    WinlogonShell,
    WinlogonUserinit,
    AppInit,
    Debugger,
    MonitorProcess,
    Hosts,
    Proxy,
    ProxyScript,
    Dns,
    StartupFolder,
    BrowserShortcut,
    Service,
    Task,
};

// The category's name in the report; fixed, so that a helper reads every
// report alike whatever the user's language.
[[nodiscard]] std::string_view CategoryName(Category category);

// The registry value that holds an entry: its key as regedit shows it (the
// 32-bit view's below WOW6432Node) and its name.
struct RegistryPlace {
    platform::RegistryRoot root = platform::RegistryRoot::CurrentUser;
    std::string keyPath;
    std::string valueName;
};

struct StartupEntry {
    Category category = Category::Run;
    // Where it is: the registry value's full name, or the hosts file's path
    // and line number.
    std::string where;
    std::optional<RegistryPlace> registry;
    // What names it: a Run value's name, the program a debugger is set on,
    // the names of a hosts line.
    std::string name;
    // What the place holds, as read (a shortcut's target, quoted, and its
    // arguments).
    std::string data;
    // What else the place says of it: a service's display name and start type.
    std::string note;
    // Whether the place is switched on (a proxy, the loading of AppInit
    // libraries, a service that is not disabled); places without such a
    // switch are always on.
    bool enabled = true;
    // A scheduled task that the Task Scheduler's window does not show, and
    // the shortest interval at which it is repeated (0: not repeated).
    bool hidden = false;
    std::uint32_t repeatMinutes = 0;

    // What it starts: the program's full path with variables expanded ("" when
    // it starts no program), its arguments, and that file's facts.
    std::string program;
    std::string arguments;
    bool fileExists = false;
    platform::FileSignature signature;
    std::string company;
};

// How the rules judged an entry.
enum class FindingType {
    // Something that makes itself start.
    StartupItem,
    // Something that redirects the user or takes over another program.
    HijackPoint,
};

struct Verdict {
    FindingType type = FindingType::StartupItem;
    // The catalogue key of the reason text.
    std::string_view reasonKey;
};

}  // namespace startup_items
