#pragma once

// The publisher's public key that this build carries, which everything the
// update and language servers send must be signed with.

#include <optional>

#include "platform/signature_verifier.h"

namespace update {

// The build's key; nullopt for a build made without one, which takes the
// servers' answers unsigned.
[[nodiscard]] std::optional<platform::P256PublicKey> PublisherKeyOfBuild();

}  // namespace update
