#pragma once

// The shell port: ShellExecute for documents, folders and addresses, and
// CreateProcess for command lines, and the shell's link object for shortcuts.

#include "platform/shell.h"

namespace platform::win32 {

class ShellWin32 : public platform::Shell {
public:
    [[nodiscard]] bool Execute(std::string_view verb, std::string_view file,
                               std::string_view parameters, std::string_view folder,
                               WindowShow show) override;
    [[nodiscard]] bool StartCommandLine(std::string_view commandLine, WindowShow show) override;
    [[nodiscard]] std::optional<ShortcutLink> ReadShortcut(std::string_view path) override;
    [[nodiscard]] bool WriteShortcutArguments(std::string_view path,
                                              std::string_view arguments) override;
};

}  // namespace platform::win32
