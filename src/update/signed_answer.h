#pragma once

// The publisher's signature on what the servers send. A changes answer
// carries it in a last record, which a program that does not know it reads
// as a record of an operation it ignores:
//   <body> [BR] <"SIG" in the line code>|SIG[DEF]1|<newest date>|<r s in hex>
// The signature covers the body, the date the client asked from and the
// newest date the body covers, so that a body cut short, one answered for
// another date and one altered all fail. A localisation file's signature is
// served beside it, at its path followed by ".sig".

#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/signature_verifier.h"

namespace update {

// The one form of a date inside a signature, made from the date value:
// "M/D/YYYY h:mm:ss AM", always with the time.
[[nodiscard]] std::string SignatureDateText(const platform::DateTime& value);

// 128 hexadecimal digits, either case, as 64 bytes; nullopt for anything else.
[[nodiscard]] std::optional<platform::P256Signature> BytesOfHex(std::string_view hex);

struct SignedChanges {
    std::string_view body;  // every byte before the signature record
    platform::DateTime newest;
    platform::P256Signature signature{};
};

// The answer's body and signature; nullopt when the text after its last
// "[BR]" is not a whole signature record (an unsigned answer, or one cut
// short).
[[nodiscard]] std::optional<SignedChanges> ReadSignedChanges(std::string_view answer);

// What the publisher signs for a changes answer.
[[nodiscard]] std::string ChangesMessage(const platform::DateTime& clientDate,
                                         const platform::DateTime& newest, std::string_view body);

// What the publisher signs for a localisation file: its request path, in
// lower case, and its bytes as served.
[[nodiscard]] std::string LanguageFileMessage(std::string_view path, std::string_view file);

// The body of a changes answer and the newest date it covers, when the
// publisher signed it for this client date. nullopt when the answer is
// unsigned or the signature does not hold.
struct VerifiedChanges {
    std::string_view body;
    platform::DateTime newest;
};
[[nodiscard]] std::optional<VerifiedChanges> VerifyChanges(platform::SignatureVerifier& verifier,
                                                           const platform::P256PublicKey& key,
                                                           const platform::DateTime& clientDate,
                                                           std::string_view answer);

}  // namespace update
