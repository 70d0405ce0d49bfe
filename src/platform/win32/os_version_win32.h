#pragma once

// The platform's version from the classic version query.

#include "platform/os_version.h"

namespace platform::win32 {

class OsVersionWin32 : public platform::OsVersion {
public:
    [[nodiscard]] OsVersionInfo Read() override;
};

}  // namespace platform::win32
