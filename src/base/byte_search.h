#pragma once

// Finding one byte in large texts many bytes at a time: the definition
// files pass through here line by line, and the C library's search is a
// plain loop on some systems (and a call that cannot be inlined on all).

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace base {

// The first `byte` in [from, end), or end.
[[nodiscard]] inline const char* FindByte(const char* from, const char* end, char byte) noexcept {
    static_assert(std::endian::native == std::endian::little);
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    constexpr std::uint64_t kHighs = 0x8080808080808080u;
    const std::uint64_t pattern = kOnes * static_cast<unsigned char>(byte);
#if defined(__SSE2__)
    // Sixteen at a time where every x86-64 processor can.
    const __m128i wanted = _mm_set1_epi8(byte);
    for (; end - from >= 16; from += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const auto found = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, wanted)));
        if (found != 0) {
            return from + std::countr_zero(found);
        }
    }
#endif
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

}  // namespace base
