#pragma once

// Asking the shell to open documents and folders, starting command lines,
// and reading what a shortcut starts and changing its arguments.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// What a shell link (a .lnk file) starts: its target as stored (variables
// not expanded) and the arguments it passes.
struct ShortcutLink {
    std::string target;
    std::string arguments;
};

enum class WindowShow { Hidden = 0, Normal = 1, Minimized = 2, Maximized = 3 };

class Shell {
public:
    virtual ~Shell() = default;

    // Opens a file, folder or address with its associated program, like the
    // shell's "open" verb. True when the shell accepted the request.
    [[nodiscard]] virtual bool Execute(std::string_view verb, std::string_view file,
                                       std::string_view parameters, std::string_view folder,
                                       WindowShow show) = 0;

    // Starts a command line such as "notepad C:\x.txt".
    [[nodiscard]] virtual bool StartCommandLine(std::string_view commandLine, WindowShow show) = 0;

    // Reads the shortcut without resolving it (nothing is searched for, no
    // window shown); nullopt when the file is no shortcut or cannot be read.
    [[nodiscard]] virtual std::optional<ShortcutLink> ReadShortcut(std::string_view path) = 0;

    // Gives the shortcut these arguments and saves it; everything else in it
    // stays. False when it could not be read or saved.
    [[nodiscard]] virtual bool WriteShortcutArguments(std::string_view path,
                                                      std::string_view arguments) = 0;
};

}  // namespace platform
