#include "core/branding.h"

#include <gtest/gtest.h>

#include "fakes/fake_ports.h"

namespace core {
namespace {

TEST(Branding, ComesFromTheVersionResource) {
    fakes::FakeProgramFile program;
    program.version = {"Sweeper", "Acme", "www.acme.example", 1, 0};
    const Branding branding = LoadBranding(program);
    EXPECT_EQ(branding.ProgramName, "Sweeper");
    EXPECT_EQ(branding.CompanyName, "Acme");
    EXPECT_EQ(branding.Website, "www.acme.example");
}

TEST(Branding, PlaceholdersMatchInAnyCaseAndTheFirstLetterIsRaised) {
    const Branding branding{"sweeper", "Acme", "www.acme.example"};
    EXPECT_EQ(ApplyBranding("[programname] by [COMPANYNAME]", branding), "Sweeper by Acme");
    EXPECT_EQ(ApplyBranding("Visit [website]", branding), "Visit www.acme.example");
    // "[Company]" is not a placeholder.
    EXPECT_EQ(ApplyBranding("[ProgramName] by [Company]", branding), "Sweeper by [Company]");
}

TEST(Branding, MissingVersionFieldsGiveEmptyTexts) {
    const Branding branding{"", "", ""};
    EXPECT_EQ(ApplyBranding("[ProgramName][CompanyName][Website]", branding), "");
}

TEST(Branding, EditionsCompareExactly) {
    EXPECT_TRUE(IsEdition({"Halvorin", "", ""}, kEditionTrayAtStartup));
    EXPECT_FALSE(IsEdition({"halvorin", "", ""}, kEditionTrayAtStartup));
    EXPECT_FALSE(IsEdition({"Ferngate ", "", ""}, kEditionRunAtStartupByDefault));
}

}  // namespace
}  // namespace core
