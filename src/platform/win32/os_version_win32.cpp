#include "platform/win32/os_version_win32.h"

#include <cstring>

#include <windows.h>

namespace platform::win32 {

OsVersionInfo OsVersionWin32::Read() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    // The classic query is deprecated, but its answer is what callers compare against.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    const BOOL ok = ::GetVersionExA(&version);
#pragma GCC diagnostic pop
    OsVersionInfo info;
    if (!ok) {
        return info;
    }
    info.majorVersion = version.dwMajorVersion;
    info.minorVersion = version.dwMinorVersion;
    info.buildNumber = version.dwBuildNumber;
    info.platformId = version.dwPlatformId;
    info.servicePack.assign(version.szCSDVersion,
                            ::strnlen(version.szCSDVersion, sizeof(version.szCSDVersion)));
    return info;
}

}  // namespace platform::win32
