#pragma once

// The platform's version as the classic version query reports it.

#include <cstdint>
#include <string>

namespace platform {

inline constexpr std::uint32_t kPlatformWin32Windows = 1;  // the 9x family
inline constexpr std::uint32_t kPlatformWin32Nt = 2;       // the NT family

struct OsVersionInfo {
    std::uint32_t majorVersion = 0;
    std::uint32_t minorVersion = 0;
    std::uint32_t buildNumber = 0;
    std::uint32_t platformId = 0;
    std::string servicePack;
};

class OsVersion {
public:
    virtual ~OsVersion() = default;
    [[nodiscard]] virtual OsVersionInfo Read() = 0;
};

}  // namespace platform
