#pragma once

// The signature check on Windows' own cryptography (CNG).

#include "platform/signature_verifier.h"

namespace platform::win32 {

class SignatureVerifierWin32 : public platform::SignatureVerifier {
public:
    [[nodiscard]] bool VerifyP256(const P256PublicKey& key, std::string_view message,
                                  const P256Signature& signature) override;
};

}  // namespace platform::win32
