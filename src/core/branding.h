#pragma once

// The program is white-label: its product name, company name and website
// come from its own version resource, and user-visible texts carry
// placeholders for them.

#include <string>
#include <string_view>

#include "platform/program_file.h"

namespace core {

struct Branding {
    std::string ProgramName;  // the product name
    std::string CompanyName;
    std::string Website;  // the comments field
    // This product's folder on the language server.
    int LanguagePack = 21;
};

// Product names that switch edition-specific behaviour (compared exactly).
inline constexpr std::string_view kEditionTrayAtStartup = "Halvorin";
inline constexpr std::string_view kEditionRunAtStartupByDefault = "Ferngate";

[[nodiscard]] Branding LoadBranding(platform::ProgramFile& programFile);

[[nodiscard]] bool IsEdition(const Branding& branding, std::string_view productName) noexcept;

// Replaces "[ProgramName]", "[CompanyName]" and "[Website]" (in any letter
// case, in that order) and makes the first character upper case.
[[nodiscard]] std::string ApplyBranding(std::string_view text, const Branding& branding);

}  // namespace core
