#include "platform/win32/signature_verifier_win32.h"

#include <windows.h>

#include <bcrypt.h>

#include <array>
#include <cstring>
#include <vector>

#include "platform/win32/handles.h"

namespace platform::win32 {

namespace {

struct AlgorithmTraits {
    using Type = BCRYPT_ALG_HANDLE;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::BCryptCloseAlgorithmProvider(value, 0); }
};
struct KeyTraits {
    using Type = BCRYPT_KEY_HANDLE;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::BCryptDestroyKey(value); }
};
struct HashTraits {
    using Type = BCRYPT_HASH_HANDLE;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type value) noexcept { ::BCryptDestroyHash(value); }
};
using UniqueAlgorithm = Unique<AlgorithmTraits>;
using UniqueKey = Unique<KeyTraits>;
using UniqueHash = Unique<HashTraits>;

bool Succeeded(NTSTATUS status) noexcept {
    return status >= 0;
}

constexpr std::size_t kDigestSize = 32;

// SHA-256 of the message, fed in pieces that a ULONG can count.
bool Sha256(std::string_view message, std::array<UCHAR, kDigestSize>& digest) {
    UniqueAlgorithm algorithm;
    if (!Succeeded(
            ::BCryptOpenAlgorithmProvider(algorithm.Put(), BCRYPT_SHA256_ALGORITHM, nullptr, 0))) {
        return false;
    }
    UniqueHash hash;
    if (!Succeeded(::BCryptCreateHash(algorithm.Get(), hash.Put(), nullptr, 0, nullptr, 0, 0))) {
        return false;
    }
    constexpr std::size_t kPiece = 1u << 30;
    for (std::size_t at = 0; at < message.size(); at += kPiece) {
        const std::string_view piece = message.substr(at, kPiece);
        // BCryptHashData takes a non-const pointer but only reads.
        auto* bytes = reinterpret_cast<PUCHAR>(const_cast<char*>(piece.data()));
        if (!Succeeded(::BCryptHashData(hash.Get(), bytes, static_cast<ULONG>(piece.size()), 0))) {
            return false;
        }
    }
    return Succeeded(
        ::BCryptFinishHash(hash.Get(), digest.data(), static_cast<ULONG>(digest.size()), 0));
}

}  // namespace

bool SignatureVerifierWin32::VerifyP256(const P256PublicKey& key, std::string_view message,
                                        const P256Signature& signature) {
    std::array<UCHAR, kDigestSize> digest{};
    if (!Sha256(message, digest)) {
        return false;
    }
    UniqueAlgorithm algorithm;
    if (!Succeeded(::BCryptOpenAlgorithmProvider(algorithm.Put(), BCRYPT_ECDSA_P256_ALGORITHM,
                                                 nullptr, 0))) {
        return false;
    }
    // The blob is its header, then X, then Y.
    std::vector<UCHAR> blob(sizeof(BCRYPT_ECCKEY_BLOB) + key.size());
    BCRYPT_ECCKEY_BLOB header{};
    header.dwMagic = BCRYPT_ECDSA_PUBLIC_P256_MAGIC;
    header.cbKey = static_cast<ULONG>(key.size() / 2);
    std::memcpy(blob.data(), &header, sizeof(header));
    std::memcpy(blob.data() + sizeof(header), key.data(), key.size());
    UniqueKey publicKey;
    if (!Succeeded(::BCryptImportKeyPair(algorithm.Get(), nullptr, BCRYPT_ECCPUBLIC_BLOB,
                                         publicKey.Put(), blob.data(),
                                         static_cast<ULONG>(blob.size()), 0))) {
        return false;
    }
    P256Signature copy = signature;  // BCryptVerifySignature takes non-const pointers
    return ::BCryptVerifySignature(publicKey.Get(), nullptr, digest.data(),
                                   static_cast<ULONG>(digest.size()), copy.data(),
                                   static_cast<ULONG>(copy.size()), 0) == 0;
}

}  // namespace platform::win32
