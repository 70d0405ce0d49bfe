#include "platform/win32/signature_verifier_win32.h"

#include <windows.h>

#include <bcrypt.h>

#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "platform/win32/cng_handles.h"
#include "platform/win32/hashing_win32.h"

namespace platform::win32 {

bool SignatureVerifierWin32::VerifyP256(const P256PublicKey& key, std::string_view message,
                                        const P256Signature& signature) {
    HashingWin32 hashing;
    const std::unique_ptr<HashStream> hash = hashing.NewSha256();
    if (!hash || !hash->Update(message)) {
        return false;
    }
    std::optional<Sha256Digest> digest = hash->Finish();
    if (!digest) {
        return false;
    }
    UniqueCngAlgorithm algorithm;
    if (!CngSucceeded(::BCryptOpenAlgorithmProvider(algorithm.Put(), BCRYPT_ECDSA_P256_ALGORITHM,
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
    UniqueCngKey publicKey;
    if (!CngSucceeded(::BCryptImportKeyPair(algorithm.Get(), nullptr, BCRYPT_ECCPUBLIC_BLOB,
                                            publicKey.Put(), blob.data(),
                                            static_cast<ULONG>(blob.size()), 0))) {
        return false;
    }
    P256Signature copy = signature;  // BCryptVerifySignature takes non-const pointers
    return ::BCryptVerifySignature(publicKey.Get(), nullptr, digest->data(),
                                   static_cast<ULONG>(digest->size()), copy.data(),
                                   static_cast<ULONG>(copy.size()), 0) == 0;
}

}  // namespace platform::win32
