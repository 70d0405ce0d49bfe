#pragma once

// Who made a program file: the publisher that its Authenticode signature
// names, as the platform's trust check judges it, and the company that its
// version resource names.

#include <string>
#include <string_view>

namespace platform {

enum class SignatureStatus {
    // No signature at all (or the file cannot be read).
    NotSigned,
    // Signed, and the platform trusts the signature and its chain.
    Valid,
    // Signed, but the signature or its chain is not trusted: changed after
    // signing, expired, revoked, or from an authority nobody trusts.
    NotValid,
};

struct FileSignature {
    SignatureStatus status = SignatureStatus::NotSigned;
    // The signer certificate's name; "" when unsigned or unreadable.
    std::string signer;
};

class FileOrigin {
public:
    virtual ~FileOrigin() = default;

    // Never asks the network: a scan must not wait on a revocation server.
    [[nodiscard]] virtual FileSignature CheckSignature(std::string_view path) = 0;
    // "" when the file has no version resource or it names no company.
    [[nodiscard]] virtual std::string CompanyName(std::string_view path) = 0;
};

}  // namespace platform
