#pragma once

// The management port on WMI: the locator connects to the namespace that
// the object path names (ROOT\CIMV2 when it names none) and runs a WQL
// query there. Each call brings COM up on its thread when the caller has
// not, and takes it down again.

#include <chrono>

#include "platform/management.h"

namespace platform::win32 {

class ManagementWin32 : public platform::Management {
public:
    // The longest wait for the next object of an answer.
    static constexpr std::chrono::milliseconds kDefaultTimeout{30'000};

    explicit ManagementWin32(std::chrono::milliseconds timeout = kDefaultTimeout) noexcept
        : m_timeout(timeout) {}

    [[nodiscard]] std::optional<std::vector<std::string>> QueryProperty(
        std::string_view objectPath, std::string_view query, std::string_view property) override;

private:
    std::chrono::milliseconds m_timeout;
};

}  // namespace platform::win32
