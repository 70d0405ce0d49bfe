#pragma once

// Reads the places where something makes itself start or redirects the
// user: the Run keys, Winlogon, AppInit libraries, debuggers set on other
// programs, the hosts file, the proxy settings and the DNS servers set by
// hand, in the user's and the machine's stores and in both registry views.

#include <string>
#include <vector>

#include "core/startup_entry.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/shell_folders.h"

namespace startup_items {

// Files larger than this are not read as hosts files: a real one, even a
// long list of blocked names, is far smaller.
inline constexpr std::uint64_t kLargestHostsFile = 64ull * 1024 * 1024;

// Every entry of the registry's places, in a fixed order: category by
// category, the machine's store before the user's, the literal view before
// the 32-bit one, values in the registry's order. Only `where`, `registry`,
// `name`, `data` and `enabled` are set.
[[nodiscard]] std::vector<StartupEntry> ReadRegistryPlaces(platform::Registry& registry);

// The files of the user's and all users' Startup folders (a shortcut as what
// it starts), then the shortcuts that start a browser or bear its name on
// the desktops, in the Start menus and on the taskbar.
[[nodiscard]] std::vector<StartupEntry> ReadShortcutPlaces(platform::FileSystem& fileSystem,
                                                           platform::ShellFolders& shellFolders,
                                                           platform::Shell& shell);

// The browser a program file or a shortcut's name belongs to ("Chrome"), or
// "" for none.
[[nodiscard]] std::string_view BrowserOfProgram(std::string_view path);
[[nodiscard]] std::string_view BrowserOfName(std::string_view shortcutName);

// The hosts file the system reads: the folder the TCP/IP settings name, or
// else the system folder's drivers\etc.
[[nodiscard]] std::string HostsFilePath(platform::Registry& registry,
                                        platform::ShellFolders& shellFolders,
                                        platform::Environment& environment);

// The hosts file's lines that map names to an address, one entry each (its
// `name` the names, its `data` the address). Lines that block a name (a
// loopback or null address) are counted, not listed, since lists of blocked
// names run to thousands of lines; `blockingLines` receives their number.
[[nodiscard]] std::vector<StartupEntry> ParseHostsFile(std::string_view path,
                                                       std::string_view content,
                                                       std::size_t& blockingLines);

// Whether a hosts line's address keeps a name on this machine or nowhere.
[[nodiscard]] bool IsLoopbackOrNullAddress(std::string_view address);

// The full name of a registry value as the report and the exclusions name it.
[[nodiscard]] std::string RegistryWhere(const RegistryPlace& place);

}  // namespace startup_items
