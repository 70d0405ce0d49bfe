#pragma once

// The file origin port on WinVerifyTrust (an embedded signature, or else the
// system catalogue that signs Windows' own files) and the version resource.

#include "platform/file_origin.h"

namespace platform::win32 {

class FileOriginWin32 : public platform::FileOrigin {
public:
    [[nodiscard]] FileSignature CheckSignature(std::string_view path) override;
    [[nodiscard]] std::string CompanyName(std::string_view path) override;
};

}  // namespace platform::win32
