#include "platform/win32/hashing_win32.h"

#include <windows.h>

#include <bcrypt.h>

#include "platform/win32/cng_handles.h"

namespace platform::win32 {

namespace {

// The hash object is destroyed before the provider it came from.
class CngSha256 : public HashStream {
public:
    CngSha256(UniqueCngAlgorithm algorithm, UniqueCngHash hash) noexcept
        : m_algorithm(std::move(algorithm)), m_hash(std::move(hash)) {}

    bool Update(std::string_view bytes) override {
        // BCryptHashData counts in ULONG and takes a non-const pointer it only reads.
        constexpr std::size_t kPiece = 1u << 30;
        for (std::size_t at = 0; at < bytes.size(); at += kPiece) {
            const std::string_view piece = bytes.substr(at, kPiece);
            auto* data = reinterpret_cast<PUCHAR>(const_cast<char*>(piece.data()));
            if (!m_hash || !CngSucceeded(::BCryptHashData(m_hash.Get(), data,
                                                          static_cast<ULONG>(piece.size()), 0))) {
                m_hash.Reset();
                return false;
            }
        }
        return true;
    }

    std::optional<Sha256Digest> Finish() override {
        Sha256Digest digest{};
        const bool finished =
            m_hash && CngSucceeded(::BCryptFinishHash(m_hash.Get(), digest.data(),
                                                      static_cast<ULONG>(digest.size()), 0));
        m_hash.Reset();
        if (!finished) {
            return std::nullopt;
        }
        return digest;
    }

private:
    UniqueCngAlgorithm m_algorithm;
    UniqueCngHash m_hash;
};

}  // namespace

std::unique_ptr<HashStream> HashingWin32::NewSha256() {
    UniqueCngAlgorithm algorithm;
    if (!CngSucceeded(
            ::BCryptOpenAlgorithmProvider(algorithm.Put(), BCRYPT_SHA256_ALGORITHM, nullptr, 0))) {
        return nullptr;
    }
    UniqueCngHash hash;
    if (!CngSucceeded(::BCryptCreateHash(algorithm.Get(), hash.Put(), nullptr, 0, nullptr, 0, 0))) {
        return nullptr;
    }
    return std::make_unique<CngSha256>(std::move(algorithm), std::move(hash));
}

}  // namespace platform::win32
