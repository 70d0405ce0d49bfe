#pragma once

// The shell's special folders, each asked for once. A scan expands folder
// macros in thousands of definition lines, and every question to the shell
// is a slow call, while the answers cannot change in the middle of a scan.
// One cache lives as long as one piece of such work.

#include <map>
#include <optional>
#include <string>

#include "platform/shell_folders.h"

namespace core {

class ShellFolderCache final : public platform::ShellFolders {
public:
    explicit ShellFolderCache(platform::ShellFolders& shell) noexcept : m_shell(shell) {}

    [[nodiscard]] std::optional<std::string> FolderPath(int csidl) override;
    [[nodiscard]] std::optional<std::string> FolderPathById(int csidl) override;
    [[nodiscard]] std::optional<std::string> AllUsersProfilePath() override;

private:
    platform::ShellFolders& m_shell;
    std::map<int, std::optional<std::string>> m_paths;
    std::map<int, std::optional<std::string>> m_pathsById;
    std::optional<std::optional<std::string>> m_allUsersProfile;
};

}  // namespace core
