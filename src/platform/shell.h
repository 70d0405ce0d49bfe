#pragma once

// Asking the shell to open documents and folders, and starting command lines.

#include <string>
#include <string_view>

namespace platform {

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
};

}  // namespace platform
