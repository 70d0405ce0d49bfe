#pragma once

// The special folders as 32-bit programs have them on 64-bit Windows, where
// their program files lie in "Program Files (x86)" and their system files in
// SysWOW64. A definition path expanded through these names the place where a
// 32-bit program's copy of a file would be; elsewhere the twins are the
// folders themselves (or absent), and the path is the same.

#include <optional>
#include <string>

#include "platform/shell_folders.h"

namespace core {

class Wow32Folders final : public platform::ShellFolders {
public:
    explicit Wow32Folders(platform::ShellFolders& shell) noexcept : m_shell(shell) {}

    // The program files, their common files and the system folder answer
    // with their 32-bit twins where the shell has them; every other folder
    // is the same in both.
    [[nodiscard]] std::optional<std::string> FolderPath(int csidl) override;
    [[nodiscard]] std::optional<std::string> FolderPathById(int csidl) override;
    [[nodiscard]] std::optional<std::string> AllUsersProfilePath() override;

private:
    platform::ShellFolders& m_shell;
};

}  // namespace core
