#pragma once

// Finding one byte in large texts eight bytes at a time: the definition
// files pass through here line by line, and the C library's search is a
// plain loop on some systems (and a call that cannot be inlined on all).

#include <bit>
#include <cstdint>
#include <cstring>

namespace core {

// The first `byte` in [from, end), or end.
[[nodiscard]] inline const char* FindByte(const char* from, const char* end, char byte) noexcept {
    static_assert(std::endian::native == std::endian::little);
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighs = 0x8080808080808080u;
    const std::uint64_t pattern = kOnes * static_cast<unsigned char>(byte);
    for (; end - from >= 8; from += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, from, sizeof word);
        const std::uint64_t x = word ^ pattern;  // a zero byte where `byte` is
        // The lowest flagged byte is always a true zero; only bytes above it
        // can be flagged wrongly.
        const std::uint64_t zeros = (x - kOnes) & ~x & kHighs;
        if (zeros != 0) {
            return from + std::countr_zero(zeros) / 8;
        }
    }
    while (from != end && *from != byte) {
        ++from;
    }
    return from;
}

}  // namespace core
