#include "platform/win32/system_restore_win32.h"

#include <windows.h>

#include <srrestoreptapi.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "platform/win32/com_handles.h"
#include "platform/win32/handles.h"

namespace platform::win32 {

namespace {

using SetRestorePointFunction = decltype(&::SRSetRestorePointA);

// The library from the system folder only: a copy planted beside the program
// or in the current folder must never be the one loaded.
UniqueModule LoadSystemRestoreClient() {
    std::array<wchar_t, MAX_PATH> folder{};
    const UINT length = ::GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    if (length == 0 || length >= folder.size()) {
        return {};
    }
    const std::wstring path = std::wstring(folder.data(), length) + L"\\srclient.dll";
    return UniqueModule(::LoadLibraryW(path.c_str()));
}

}  // namespace

std::optional<std::int64_t> SystemRestoreWin32::SetRestorePoint(int eventType, int restorePointType,
                                                                std::int64_t sequenceNumber,
                                                                std::string_view description) {
    // The restore service answers through COM: the thread needs an apartment
    // and the process the security that lets the service in.
    const ComScope com;
    if (com.Usable()) {
        static_cast<void>(m_security.Ensure());
    }
    const UniqueModule client = LoadSystemRestoreClient();
    if (!client) {
        return std::nullopt;
    }
    const FARPROC address = ::GetProcAddress(client.Get(), "SRSetRestorePointA");
    if (address == nullptr) {
        return std::nullopt;
    }
    // Through a plain pointer, since the compiler warns of a direct cast
    // between unrelated function types.
    const auto setRestorePoint =
        reinterpret_cast<SetRestorePointFunction>(reinterpret_cast<void*>(address));

    RESTOREPOINTINFOA request{};
    request.dwEventType = static_cast<DWORD>(eventType);
    request.dwRestorePtType = static_cast<DWORD>(restorePointType);
    request.llSequenceNumber = sequenceNumber;
    // The description is cut to the field, which keeps its terminating NUL.
    const std::size_t kept = std::min(description.size(), sizeof(request.szDescription) - 1);
    std::memcpy(request.szDescription, description.data(), kept);
    STATEMGRSTATUS status{};
    if (!setRestorePoint(&request, &status)) {
        return std::nullopt;
    }
    return status.llSequenceNumber;
}

bool SystemRestoreWin32::UserMayCreatePoints() {
    UniqueHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.Put())) {
        return true;
    }
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    // Systems before Vista do not know the class and refuse the query.
    if (!::GetTokenInformation(token.Get(), TokenElevation, &elevation, sizeof(elevation), &size)) {
        return true;
    }
    return elevation.TokenIsElevated != 0;
}

}  // namespace platform::win32
