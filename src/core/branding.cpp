#include "core/branding.h"

#include "base/text.h"

namespace core {

Branding LoadBranding(platform::ProgramFile& programFile) {
    const platform::VersionResource version = programFile.ReadVersionResource();
    return Branding{version.productName, version.companyName, version.comments};
}

bool IsEdition(const Branding& branding, std::string_view productName) noexcept {
    return branding.ProgramName == productName;
}

std::string ApplyBranding(std::string_view text, const Branding& branding) {
    std::string result = base::ReplaceAllIgnoreCase(text, "[ProgramName]", branding.ProgramName);
    result = base::ReplaceAllIgnoreCase(result, "[CompanyName]", branding.CompanyName);
    result = base::ReplaceAllIgnoreCase(result, "[Website]", branding.Website);
    return base::UpperFirst(result);
}

}  // namespace core
