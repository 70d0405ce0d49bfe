#pragma once

// Digests from the platform's own cryptography: the quarantine checks what it
// keeps against the SHA-256 it wrote when it saved it.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace platform {

using Sha256Digest = std::array<std::uint8_t, 32>;

// One digest being computed; fed in pieces, finished once.
class HashStream {
public:
    virtual ~HashStream() = default;

    // False when the platform refused the bytes; the digest is then unusable.
    [[nodiscard]] virtual bool Update(std::string_view bytes) = 0;
    // The digest of everything given, or nullopt when the platform failed.
    [[nodiscard]] virtual std::optional<Sha256Digest> Finish() = 0;
};

class Hashing {
public:
    virtual ~Hashing() = default;

    // nullptr when the platform offers no SHA-256.
    [[nodiscard]] virtual std::unique_ptr<HashStream> NewSha256() = 0;
};

}  // namespace platform
