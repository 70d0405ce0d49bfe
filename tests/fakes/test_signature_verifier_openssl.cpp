#include "fakes/test_signature_verifier.h"

#include <openssl/bn.h>
#include <openssl/core_names.h>
#include <openssl/ecdsa.h>
#include <openssl/evp.h>
#include <openssl/param_build.h>

#include <memory>
#include <vector>

namespace fakes {

namespace {

template <auto Free>
struct Deleter {
    template <typename T>
    void operator()(T* value) const noexcept {
        Free(value);
    }
};
using Key = std::unique_ptr<EVP_PKEY, Deleter<EVP_PKEY_free>>;
using KeyContext = std::unique_ptr<EVP_PKEY_CTX, Deleter<EVP_PKEY_CTX_free>>;
using DigestContext = std::unique_ptr<EVP_MD_CTX, Deleter<EVP_MD_CTX_free>>;
using Signature = std::unique_ptr<ECDSA_SIG, Deleter<ECDSA_SIG_free>>;

Key PublicKeyOf(const platform::P256PublicKey& point) {
    std::vector<unsigned char> encoded{0x04};  // uncompressed
    encoded.insert(encoded.end(), point.begin(), point.end());
    char group[] = "prime256v1";
    const OSSL_PARAM params[] = {
        OSSL_PARAM_construct_utf8_string(OSSL_PKEY_PARAM_GROUP_NAME, group, 0),
        OSSL_PARAM_construct_octet_string(OSSL_PKEY_PARAM_PUB_KEY, encoded.data(), encoded.size()),
        OSSL_PARAM_construct_end()};
    const KeyContext context(EVP_PKEY_CTX_new_from_name(nullptr, "EC", nullptr));
    EVP_PKEY* key = nullptr;
    if (!context || EVP_PKEY_fromdata_init(context.get()) != 1 ||
        EVP_PKEY_fromdata(context.get(), &key, EVP_PKEY_PUBLIC_KEY,
                          const_cast<OSSL_PARAM*>(params)) != 1) {
        return nullptr;
    }
    return Key(key);
}

// r then s as OpenSSL's DER form.
std::vector<unsigned char> DerOf(const platform::P256Signature& signature) {
    Signature value(ECDSA_SIG_new());
    BIGNUM* r = BN_bin2bn(signature.data(), 32, nullptr);
    BIGNUM* s = BN_bin2bn(signature.data() + 32, 32, nullptr);
    if (!value || !r || !s || ECDSA_SIG_set0(value.get(), r, s) != 1) {
        BN_free(r);
        BN_free(s);
        return {};
    }
    const int size = i2d_ECDSA_SIG(value.get(), nullptr);
    std::vector<unsigned char> der(size > 0 ? static_cast<std::size_t>(size) : 0);
    unsigned char* out = der.data();
    if (size <= 0 || i2d_ECDSA_SIG(value.get(), &out) != size) {
        return {};
    }
    return der;
}

}  // namespace

bool TestSignatureVerifier::VerifyP256(const platform::P256PublicKey& key, std::string_view message,
                                       const platform::P256Signature& signature) {
    const Key publicKey = PublicKeyOf(key);
    const std::vector<unsigned char> der = DerOf(signature);
    const DigestContext context(EVP_MD_CTX_new());
    if (!publicKey || der.empty() || !context ||
        EVP_DigestVerifyInit(context.get(), nullptr, EVP_sha256(), nullptr, publicKey.get()) != 1) {
        return false;
    }
    return EVP_DigestVerify(context.get(), der.data(), der.size(),
                            reinterpret_cast<const unsigned char*>(message.data()),
                            message.size()) == 1;
}

}  // namespace fakes
