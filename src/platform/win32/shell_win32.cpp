#include "platform/win32/shell_win32.h"

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "platform/win32/handles.h"

namespace platform::win32 {

namespace {

int ShowCommand(WindowShow show) noexcept {
    switch (show) {
        case WindowShow::Hidden:
            return SW_HIDE;
        case WindowShow::Minimized:
            return SW_SHOWMINIMIZED;
        case WindowShow::Maximized:
            return SW_SHOWMAXIMIZED;
        case WindowShow::Normal:
            break;
    }
    return SW_SHOWNORMAL;
}

// Empty texts are passed as null, which the shell reads as "not given".
const char* OrNull(const std::string& text) noexcept {
    return text.empty() ? nullptr : text.c_str();
}

}  // namespace

bool ShellWin32::Execute(std::string_view verb, std::string_view file, std::string_view parameters,
                         std::string_view folder, WindowShow show) {
    const std::string verbText(verb);
    const std::string fileText(file);
    const std::string parametersText(parameters);
    const std::string folderText(folder);
    const HINSTANCE result =
        ::ShellExecuteA(nullptr, OrNull(verbText), fileText.c_str(), OrNull(parametersText),
                        OrNull(folderText), ShowCommand(show));
    // Values above 32 mean success; lower ones are error codes.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

bool ShellWin32::StartCommandLine(std::string_view commandLine, WindowShow show) {
    // CreateProcessA may write into the command line, so it gets its own copy.
    std::vector<char> command(commandLine.begin(), commandLine.end());
    command.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(ShowCommand(show));
    PROCESS_INFORMATION started{};
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &started)) {
        return false;
    }
    const UniqueHandle process(started.hProcess);
    const UniqueHandle thread(started.hThread);
    return true;
}

}  // namespace platform::win32
