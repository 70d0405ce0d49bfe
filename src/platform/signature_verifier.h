#pragma once

// Checks the publisher's signature on what the program downloads: ECDSA over
// the curve P-256, of the SHA-256 digest of the message.

#include <array>
#include <cstdint>
#include <string_view>

namespace platform {

// The public point: X then Y, 32 bytes each, big-endian.
using P256PublicKey = std::array<std::uint8_t, 64>;
// The signature: r then s, 32 bytes each, big-endian.
using P256Signature = std::array<std::uint8_t, 64>;

class SignatureVerifier {
public:
    virtual ~SignatureVerifier() = default;

    // True only when the signature is the key's over the message's digest;
    // false for a wrong signature, a key that is no point of the curve, or
    // when the platform cannot check it at all.
    [[nodiscard]] virtual bool VerifyP256(const P256PublicKey& key, std::string_view message,
                                          const P256Signature& signature) = 0;
};

}  // namespace platform
