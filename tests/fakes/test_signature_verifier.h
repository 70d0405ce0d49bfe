#pragma once

// A real signature check for the tests, so that they verify what the program
// would: Windows' own cryptography where the tests run under Windows or Wine,
// OpenSSL on the host.

#include "platform/signature_verifier.h"

#if defined(_WIN32)
#include "platform/win32/signature_verifier_win32.h"
#endif

namespace fakes {

#if defined(_WIN32)
using TestSignatureVerifier = platform::win32::SignatureVerifierWin32;
#else
class TestSignatureVerifier : public platform::SignatureVerifier {
public:
    [[nodiscard]] bool VerifyP256(const platform::P256PublicKey& key, std::string_view message,
                                  const platform::P256Signature& signature) override;
};
#endif

}  // namespace fakes
