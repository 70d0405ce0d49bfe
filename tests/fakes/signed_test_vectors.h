#pragma once

// Signatures made once, with OpenSSL, by two test key pairs that exist only
// here (never the publisher's): what a signing server sends for a few
// answers the tests serve.

#include <optional>
#include <string>
#include <string_view>

#include "definitions/line_code.h"
#include "platform/signature_verifier.h"
#include "update/signed_answer.h"

namespace fakes::signed_vectors {

inline constexpr std::string_view kPublisherKey =
    "f6fa2f15d6507b6fbd2b11adb2cd9d72550c66963f98e2b76572330bd44e1f8b"
    "a5f0ef0b9bd09dbfcca0ce9cfc8ca6802a1d77c2c9535c31f202811876234398";
// A key that signed none of the answers below.
inline constexpr std::string_view kOtherKey =
    "3880b1b9b9dcaf3d9b24e428b29decf833e87f4d76d7968ab2b663d49fb8415e"
    "d38ea627ba4720366a27dc67b58f349b8f17048cd622dd6885db773bf106d095";

inline platform::P256PublicKey Key(std::string_view hex) {
    return *update::BytesOfHex(hex);
}

// Definition text as the server sends it: coded, with "|" and "=" plain.
inline std::string FileAddition(std::string_view plain) {
    std::string body;
    for (const char c : plain) {
        body.push_back(c == '|' || c == '=' ? c : definitions::EncodeDefinitionChar(c));
    }
    return definitions::EncodeDefinitionLine("FILE") + "|ADD[DEF]" + body;
}

// The signature record a server appends to a changes answer.
inline std::string SignatureRecord(std::string_view newest, std::string_view signatureHex) {
    return "[BR]" + definitions::EncodeDefinitionLine("SIG") + "|SIG[DEF]1|" + std::string(newest) +
           "|" + std::string(signatureHex);
}

// The changes since 3/16/2006 12:00:00 AM: the addition of "new.dll=T|x",
// the newest change dated 12/8/2026 3:04:05 PM.
inline const std::string kNewBody = FileAddition("new.dll=T|x");
inline constexpr std::string_view kNewNewest = "12/8/2026 3:04:05 PM";
inline constexpr std::string_view kNewSignature =
    "4afe81d7b96bd88f4afb41a11f908eed316dafb4ce042496184b20c6582cefff"
    "6ad9707f4cb3286d2500ae478fd6c2ed01efc73ed2407be6c902f1c7936f4037";

// Answered for 3/16/2006 12:00:00 AM, yet covering no later than the day
// before: the addition of "old.dll=T|x", newest 3/15/2006 12:00:00 AM.
inline const std::string kOldBody = FileAddition("old.dll=T|x");
inline constexpr std::string_view kOldNewest = "3/15/2006 12:00:00 AM";
inline constexpr std::string_view kOldSignature =
    "e11f9eebd77157155f1e34737d899a477ed2aafcc07ccbc5fc62954d52dc2263"
    "b28a2f402869105a0c0b9775c9cdd7115deb00d45c759030bf60f5c4311cc42f";

// The localisation file at /Languages/21/Localization.txt holding English
// ("Scan now!") and Nederlands ("Nu scannen"), as i18n::testing builds it
// with CR LF line ends.
inline constexpr std::string_view kLanguageFileSignature =
    "68eb38781c7d8e09aa603716322572e363eaea77df532bd073ba7454762622a7"
    "e3ebed77a4d418ce7571a4e8617961bccaae13658a61dc87ee7a7a09af039deb";

}  // namespace fakes::signed_vectors
