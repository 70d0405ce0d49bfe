#pragma once

// Real SHA-256 for the tests, so that digests are the ones the program would
// write: Windows' own where the tests run under Windows or Wine, OpenSSL's on
// the host.

#include "platform/hashing.h"

#if defined(_WIN32)
#include "platform/win32/hashing_win32.h"
#endif

namespace fakes {

#if defined(_WIN32)
using TestHashing = platform::win32::HashingWin32;
#else
class TestHashing : public platform::Hashing {
public:
    [[nodiscard]] std::unique_ptr<platform::HashStream> NewSha256() override;
};
#endif

}  // namespace fakes
