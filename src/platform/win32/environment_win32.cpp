#include "platform/win32/environment_win32.h"

#include <windows.h>

namespace platform::win32 {

std::optional<std::string> EnvironmentWin32::Variable(std::string_view name) {
    const std::string key(name);
    std::string value(256, '\0');
    for (;;) {
        ::SetLastError(ERROR_SUCCESS);
        const DWORD length =
            ::GetEnvironmentVariableA(key.c_str(), value.data(), static_cast<DWORD>(value.size()));
        if (length == 0) {
            if (::GetLastError() == ERROR_ENVVAR_NOT_FOUND) {
                return std::nullopt;
            }
            return std::string();
        }
        // Too small: the length asked for counts the terminating NUL.
        if (length >= value.size()) {
            value.resize(length + 1);
            continue;
        }
        value.resize(length);
        return value;
    }
}

}  // namespace platform::win32
