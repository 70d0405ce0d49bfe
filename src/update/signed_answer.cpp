#include "update/signed_answer.h"

#include "base/text.h"
#include "core/date_time_text.h"
#include "definitions/line_code.h"

namespace update {

namespace {

constexpr std::string_view kRecordSeparator = "[BR]";
constexpr std::string_view kChangesDomain = "KW-DEFS-1\n";
constexpr std::string_view kLanguageDomain = "KW-LANG-1\n";

std::string TwoDigits(int value) {
    return std::string(1, static_cast<char>('0' + value / 10)) +
           static_cast<char>('0' + value % 10);
}

std::string_view TrimBlanks(std::string_view text) noexcept {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The last record as a signature record: its kind and operation "SIG", then
// the version, the newest date and the signature.
std::optional<SignedChanges> ReadSignatureRecord(std::string_view record) {
    const std::string header = definitions::EncodeDefinitionLine("SIG") + "|SIG[DEF]1|";
    if (record.substr(0, header.size()) != header) {
        return std::nullopt;
    }
    const std::string_view rest = record.substr(header.size());
    const std::size_t bar = rest.find('|');
    if (bar == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<platform::DateTime> newest = core::ParseDateTime(rest.substr(0, bar));
    const std::optional<platform::P256Signature> signature = BytesOfHex(rest.substr(bar + 1));
    if (!newest || !signature) {
        return std::nullopt;
    }
    return SignedChanges{{}, *newest, *signature};
}

}  // namespace

std::string SignatureDateText(const platform::DateTime& value) {
    const int hour12 = value.hour % 12 == 0 ? 12 : value.hour % 12;
    return std::to_string(value.month) + "/" + std::to_string(value.day) + "/" +
           std::to_string(value.year) + " " + std::to_string(hour12) + ":" +
           TwoDigits(value.minute) + ":" + TwoDigits(value.second) +
           (value.hour < 12 ? " AM" : " PM");
}

std::optional<platform::P256Signature> BytesOfHex(std::string_view hex) {
    platform::P256Signature bytes{};
    if (hex.size() != 2 * bytes.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int high = base::HexDigitValue(hex[2 * i]);
        const int low = base::HexDigitValue(hex[2 * i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return bytes;
}

std::optional<SignedChanges> ReadSignedChanges(std::string_view answer) {
    // The last separator, in any case: the record after it is the signature.
    std::size_t last = std::string_view::npos;
    for (std::size_t at = base::FindIgnoreCase(answer, kRecordSeparator);
         at != std::string_view::npos;
         at = base::FindIgnoreCase(answer, kRecordSeparator, at + 1)) {
        last = at;
    }
    if (last == std::string_view::npos) {
        return std::nullopt;
    }
    std::optional<SignedChanges> signedChanges =
        ReadSignatureRecord(TrimBlanks(answer.substr(last + kRecordSeparator.size())));
    if (signedChanges) {
        signedChanges->body = answer.substr(0, last);
    }
    return signedChanges;
}

std::string ChangesMessage(const platform::DateTime& clientDate, const platform::DateTime& newest,
                           std::string_view body) {
    std::string message(kChangesDomain);
    message.append(SignatureDateText(clientDate)).append("\n");
    message.append(SignatureDateText(newest)).append("\n");
    message.append(body);
    return message;
}

std::string LanguageFileMessage(std::string_view path, std::string_view file) {
    std::string message(kLanguageDomain);
    message.append(base::LowerCase(path)).append("\n");
    message.append(file);
    return message;
}

std::optional<VerifiedChanges> VerifyChanges(platform::SignatureVerifier& verifier,
                                             const platform::P256PublicKey& key,
                                             const platform::DateTime& clientDate,
                                             std::string_view answer) {
    const std::optional<SignedChanges> signedChanges = ReadSignedChanges(answer);
    if (!signedChanges ||
        !verifier.VerifyP256(key,
                             ChangesMessage(clientDate, signedChanges->newest, signedChanges->body),
                             signedChanges->signature)) {
        return std::nullopt;
    }
    return VerifiedChanges{signedChanges->body, signedChanges->newest};
}

}  // namespace update
