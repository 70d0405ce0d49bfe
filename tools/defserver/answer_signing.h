#pragma once

// The publisher's key and the signatures that let a program tell the
// publisher's answers from anyone else's: ECDSA over P-256 with SHA-256.
// The private key stays in a PEM file (PKCS#8); the program embeds the
// public key as 128 hex digits, X then Y. A signature goes out as 128 hex
// digits too, r then s, the form that Windows' own verification takes.

#include <openssl/evp.h>

#include <memory>
#include <string>
#include <string_view>

#include "checked.h"
#include "server_dates.h"

namespace defserver {

struct EvpKeyFree {
    void operator()(EVP_PKEY* key) const noexcept { EVP_PKEY_free(key); }
};
using UniqueEvpKey = std::unique_ptr<EVP_PKEY, EvpKeyFree>;

inline constexpr std::string_view kPrivateKeyFile = "publisher.key";
inline constexpr std::string_view kPublicKeyFile = "publisher.pub";

class SigningKey {
public:
    // A PEM private key of P-256, as keygen writes it.
    [[nodiscard]] static Checked<SigningKey> Load(const std::string& path);

    // 128 lowercase hex digits; empty only when the library fails.
    [[nodiscard]] std::string Sign(std::string_view message) const;

    // The public key as the program embeds it: 128 lowercase hex digits.
    [[nodiscard]] const std::string& PublicKeyHex() const noexcept { return m_publicHex; }

private:
    SigningKey(UniqueEvpKey key, std::string publicHex)
        : m_key(std::move(key)), m_publicHex(std::move(publicHex)) {}

    // Shared, so that copies of the server's settings share one key.
    std::shared_ptr<EVP_PKEY> m_key;
    std::string m_publicHex;
};

// Writes a new key pair into `folder` (made when missing): publisher.key,
// readable by its owner alone, and publisher.pub. Refuses to replace a key
// that is there, which every program built with it would stop trusting; of
// two runs at once, one makes the pair and the other touches nothing.
[[nodiscard]] Checked<std::string> GenerateKeyPair(const std::string& folder);

// What a changes answer's signature covers: the date the program asked
// after, the newest change the body holds (the client date when none), and
// the body as sent.
[[nodiscard]] std::string ChangesMessage(UnixSeconds clientDate, UnixSeconds newest,
                                         std::string_view body);

// The record that carries the signature after the body's records. Its kind
// decodes to "SIG" and its operation is "SIG", which a program that knows
// no signatures skips.
[[nodiscard]] std::string SignatureRecord(UnixSeconds newest, std::string_view signature);

// What a language file's signature covers: its path as routed, in lower
// case, and its bytes.
[[nodiscard]] std::string LanguageMessage(std::string_view path, std::string_view file);

}  // namespace defserver
