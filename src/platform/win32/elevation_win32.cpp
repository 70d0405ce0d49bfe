#include "platform/win32/elevation_win32.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

bool ElevationWin32::IsElevated() {
    UniqueHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.Put())) {
        return false;
    }
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    // Systems before Vista do not know the class: every administrator there
    // has full rights, and a limited user could not elevate anyway.
    if (!::GetTokenInformation(token.Get(), TokenElevation, &elevation, sizeof(elevation), &size)) {
        return ::GetLastError() == ERROR_INVALID_PARAMETER;
    }
    return elevation.TokenIsElevated != 0;
}

ElevatedRunResult ElevationWin32::RunElevated(std::string_view arguments) {
    ElevatedRunResult result;
    std::wstring file(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, file.data(), static_cast<DWORD>(file.size()));
        if (length == 0) {
            result.error = static_cast<long>(::GetLastError());
            return result;
        }
        if (length < file.size()) {
            file.resize(length);
            break;
        }
        file.resize(file.size() * 2);
    }
    const std::wstring parameters = WideFromProgramText(arguments);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"runas";
    info.lpFile = file.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!::ShellExecuteExW(&info)) {
        const DWORD error = ::GetLastError();
        result.outcome =
            error == ERROR_CANCELLED ? ElevatedRunOutcome::Declined : ElevatedRunOutcome::Failed;
        result.error = static_cast<long>(error);
        return result;
    }
    UniqueHandle process(info.hProcess);
    if (!process) {
        result.error = ERROR_INVALID_HANDLE;
        return result;
    }
    DWORD exitCode = 0;
    if (::WaitForSingleObject(process.Get(), INFINITE) != WAIT_OBJECT_0 ||
        !::GetExitCodeProcess(process.Get(), &exitCode)) {
        result.error = static_cast<long>(::GetLastError());
        return result;
    }
    result.outcome = ElevatedRunOutcome::Finished;
    result.exitCode = exitCode;
    return result;
}

}  // namespace platform::win32
