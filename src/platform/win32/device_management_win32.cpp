#include "platform/win32/device_management_win32.h"

#include <windows.h>

#include <array>
#include <string>

#include "platform/win32/handles.h"

namespace platform::win32 {

namespace {

// NETSETUP_JOIN_STATUS's NetSetupDomainName.
constexpr int kJoinedToDomain = 3;

using GetJoinInformationFunction = DWORD(WINAPI*)(LPCWSTR server, LPWSTR* name, int* status);
using ApiBufferFreeFunction = DWORD(WINAPI*)(LPVOID buffer);
using IsRegisteredFunction = HRESULT(WINAPI*)(BOOL* registered, DWORD upnLength, LPWSTR upn);

// The library from the system folder only: a copy planted beside the program
// or in the current folder must never be the one loaded.
UniqueModule LoadSystemLibrary(const wchar_t* name) {
    std::array<wchar_t, MAX_PATH> folder{};
    const UINT length = ::GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    if (length == 0 || length >= folder.size()) {
        return {};
    }
    const std::wstring path = std::wstring(folder.data(), length) + L"\\" + name;
    return UniqueModule(::LoadLibraryW(path.c_str()));
}

template <typename Function>
Function Lookup(const UniqueModule& module, const char* name) {
    const FARPROC address = module ? ::GetProcAddress(module.Get(), name) : nullptr;
    // Through a plain pointer, since the compiler warns of a direct cast
    // between unrelated function types.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

bool JoinedToDomain() {
    const UniqueModule netapi = LoadSystemLibrary(L"netapi32.dll");
    const auto getJoinInformation =
        Lookup<GetJoinInformationFunction>(netapi, "NetGetJoinInformation");
    const auto bufferFree = Lookup<ApiBufferFreeFunction>(netapi, "NetApiBufferFree");
    if (getJoinInformation == nullptr || bufferFree == nullptr) {
        return false;
    }
    LPWSTR name = nullptr;
    int status = 0;
    const DWORD result = getJoinInformation(nullptr, &name, &status);
    if (name != nullptr) {
        bufferFree(name);
    }
    return result == 0 && status == kJoinedToDomain;
}

bool EnrolledInDeviceManagement() {
    const UniqueModule registration = LoadSystemLibrary(L"mdmregistration.dll");
    const auto isRegistered =
        Lookup<IsRegisteredFunction>(registration, "IsDeviceRegisteredWithManagement");
    if (isRegistered == nullptr) {
        return false;
    }
    BOOL registered = FALSE;
    // The account's name is not wanted: no buffer.
    return SUCCEEDED(isRegistered(&registered, 0, nullptr)) && registered != FALSE;
}

}  // namespace

bool DeviceManagementWin32::ManagedByOrganisation() {
    return JoinedToDomain() || EnrolledInDeviceManagement();
}

}  // namespace platform::win32
