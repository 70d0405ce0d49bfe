#include "core/user_settings.h"

#include <gtest/gtest.h>

#include "fakes/fake_registry.h"

namespace core {
namespace {

using platform::RegistryRoot;

TEST(UserSettings, AbsentValuesReadAsTheDefault) {
    fakes::FakeRegistry registry;
    EXPECT_EQ(ReadUserSetting(registry, "Sweeper", "Settings", "Language", "English"), "English");
}

TEST(UserSettings, WrittenValuesLieBelowTheFixedRootPerApplicationAndSection) {
    fakes::FakeRegistry registry;
    WriteUserSetting(registry, "Sweeper", "Settings", "Language", "Deutsch");
    EXPECT_EQ(registry.String(RegistryRoot::CurrentUser,
                              "Software\\Anti-Spyware Settings\\Sweeper\\Settings", "Language"),
              "Deutsch");
    EXPECT_EQ(ReadUserSetting(registry, "Sweeper", "Settings", "language", ""), "Deutsch");
    EXPECT_EQ(ReadUserSetting(registry, "Other", "Settings", "Language", "-"), "-");
}

TEST(UserSettings, ANonStringValueReadsAsTheDefault) {
    fakes::FakeRegistry registry;
    registry.SetValue(RegistryRoot::CurrentUser, "Software\\Anti-Spyware Settings\\S\\Settings",
                      "Max", {platform::reg_type::kDword, std::string("\1\0\0\0", 4)});
    EXPECT_EQ(ReadUserSetting(registry, "S", "Settings", "Max", "0"), "0");
}

TEST(UserSettings, ARefusedWriteIsLostWithoutHarm) {
    fakes::FakeRegistry registry;
    registry.DenyAccess(RegistryRoot::CurrentUser, "Software\\Anti-Spyware Settings\\S\\Settings",
                        platform::reg_access::kSetValue);
    WriteUserSetting(registry, "S", "Settings", "Max", "1");
    EXPECT_EQ(ReadUserSetting(registry, "S", "Settings", "Max", "0"), "0");
}

TEST(UserSettings, AnEmptyStringIsStoredAsSuch) {
    fakes::FakeRegistry registry;
    WriteUserSetting(registry, "S", "Settings", "Homepage", "");
    EXPECT_EQ(ReadUserSetting(registry, "S", "Settings", "Homepage", "x"), "");
}

}  // namespace
}  // namespace core
