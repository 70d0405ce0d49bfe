#pragma once

// Shell special folders through the shell's CSIDL lookups, in both their
// path form and their item-id form, and the all-users profile through the
// profile service.

#include "platform/shell_folders.h"

namespace platform::win32 {

class ShellFoldersWin32 : public platform::ShellFolders {
public:
    [[nodiscard]] std::optional<std::string> FolderPath(int csidl) override;
    [[nodiscard]] std::optional<std::string> FolderPathById(int csidl) override;
    [[nodiscard]] std::optional<std::string> AllUsersProfilePath() override;
};

}  // namespace platform::win32
