#include "update/publisher_key.h"

#include <string_view>

#include "update/signed_answer.h"

namespace update {

std::optional<platform::P256PublicKey> PublisherKeyOfBuild() {
    // X then Y in hexadecimal, from the key file named at configuration;
    // empty without one.
    constexpr std::string_view kKey = UPDATE_PUBLIC_KEY;
    if (kKey.empty()) {
        return std::nullopt;
    }
    return BytesOfHex(kKey);
}

}  // namespace update
