#pragma once

// SHA-256 on Windows' own cryptography (CNG).

#include "platform/hashing.h"

namespace platform::win32 {

class HashingWin32 : public platform::Hashing {
public:
    [[nodiscard]] std::unique_ptr<HashStream> NewSha256() override;
};

}  // namespace platform::win32
