#pragma once

// The addresses of the reference servers that the CTest fixture starts, and
// the key they sign with.

#include <fstream>
#include <optional>
#include <string>

#include "platform/signature_verifier.h"
#include "test_programs.h"
#include "update/signed_answer.h"

namespace win32_tests {

// The address of one of the fixture's servers ("first" or "second"); "" when
// the fixture did not start it.
inline std::string ServerUrl(const std::string& name) {
    std::ifstream in(WindowsPath(DEFSERVER_FIXTURE_DIR) + "\\" + name + ".url");
    std::string url;
    std::getline(in, url);
    return url;
}

// The public key that the fixture's servers sign with; nullopt when they
// do not sign (a server without the option to).
inline std::optional<platform::P256PublicKey> FixtureKey() {
    std::ifstream in(WindowsPath(DEFSERVER_FIXTURE_DIR) + "\\keys\\publisher.pub");
    std::string hex;
    std::getline(in, hex);
    return update::BytesOfHex(hex);
}

}  // namespace win32_tests
