#include "submit/submission_url.h"

#include "update/server_address.h"

namespace submit {

namespace {

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

}  // namespace

std::string PercentEncode(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(bytes.size() * 3);
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (IsUnreserved(c)) {
            encoded.push_back(byte);
        } else {
            encoded.push_back('%');
            encoded.push_back(kHex[c >> 4]);
            encoded.push_back(kHex[c & 0x0F]);
        }
    }
    return encoded;
}

std::string SubmissionUrl(const core::Application& app, std::string_view codedData) {
    return update::DataServer(app) + "/asp/getData.asp?data=" + PercentEncode(codedData);
}

}  // namespace submit
