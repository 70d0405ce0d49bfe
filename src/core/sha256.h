#pragma once

// SHA-256 (FIPS 180-4), written out so that the portable core can hash what
// it keeps without a platform library: the quarantine checks its saved
// content against the digests it wrote when it saved it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace core {

class Sha256 {
public:
    Sha256();

    void Update(std::string_view bytes);
    // The digest of everything given; the object is spent afterwards.
    [[nodiscard]] std::array<std::uint8_t, 32> Final();
    // The digest as 64 lower-case hexadecimal digits.
    [[nodiscard]] std::string FinalHex();

private:
    void Block(const std::uint8_t* block);

    std::array<std::uint32_t, 8> m_state{};
    std::array<std::uint8_t, 64> m_buffer{};
    std::size_t m_buffered = 0;
    std::uint64_t m_length = 0;  // bytes given so far
};

// The digest of `bytes` as 64 lower-case hexadecimal digits.
[[nodiscard]] std::string Sha256Hex(std::string_view bytes);

}  // namespace core
