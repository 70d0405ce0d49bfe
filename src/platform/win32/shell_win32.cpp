#include "platform/win32/shell_win32.h"

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/com_handles.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

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

std::optional<ShortcutLink> ShellWin32::ReadShortcut(std::string_view path) {
    const ComScope com;
    const std::wstring widePath = WideFromProgramText(path);
    if (!com.Usable() || widePath.empty()) {
        return std::nullopt;
    }
    ComPtr<IShellLinkA> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  link.PutVoid()))) {
        return std::nullopt;
    }
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.PutVoid())) ||
        FAILED(file->Load(widePath.c_str(), STGM_READ))) {
        return std::nullopt;
    }
    // Room for the longest path and the longest arguments a link holds.
    std::string target(32768, '\0');
    std::string arguments(32768, '\0');
    if (FAILED(
            link->GetPath(target.data(), static_cast<int>(target.size()), nullptr, SLGP_RAWPATH))) {
        target.clear();
    }
    if (FAILED(link->GetArguments(arguments.data(), static_cast<int>(arguments.size())))) {
        arguments.clear();
    }
    target.resize(::strnlen(target.c_str(), target.size()));
    arguments.resize(::strnlen(arguments.c_str(), arguments.size()));
    return ShortcutLink{std::move(target), std::move(arguments)};
}

bool ShellWin32::WriteShortcutArguments(std::string_view path, std::string_view arguments) {
    const ComScope com;
    const std::wstring widePath = WideFromProgramText(path);
    if (!com.Usable() || widePath.empty()) {
        return false;
    }
    ComPtr<IShellLinkA> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  link.PutVoid()))) {
        return false;
    }
    ComPtr<IPersistFile> file;
    const std::string text(arguments);
    return SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.PutVoid())) &&
           SUCCEEDED(file->Load(widePath.c_str(), STGM_READWRITE)) &&
           SUCCEEDED(link->SetArguments(text.c_str())) && SUCCEEDED(file->Save(nullptr, TRUE));
}

}  // namespace platform::win32
