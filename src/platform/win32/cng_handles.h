#pragma once

// Owned handles of Windows' cryptography (CNG), shared by the hashing and
// the signature adapters.

#include <windows.h>

#include <bcrypt.h>

#include "platform/win32/handles.h"

namespace platform::win32 {

struct CngAlgorithmTraits {
    using Type = BCRYPT_ALG_HANDLE;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::BCryptCloseAlgorithmProvider(value, 0); }
};
struct CngKeyTraits {
    using Type = BCRYPT_KEY_HANDLE;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::BCryptDestroyKey(value); }
};
struct CngHashTraits {
    using Type = BCRYPT_HASH_HANDLE;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::BCryptDestroyHash(value); }
};
using UniqueCngAlgorithm = Unique<CngAlgorithmTraits>;
using UniqueCngKey = Unique<CngKeyTraits>;
using UniqueCngHash = Unique<CngHashTraits>;

[[nodiscard]] inline bool CngSucceeded(NTSTATUS status) noexcept {
    return status >= 0;
}

}  // namespace platform::win32
