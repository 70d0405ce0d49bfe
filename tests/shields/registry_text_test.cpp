#include "shields/registry_text.h"

#include <gtest/gtest.h>

#include "fakes/fake_registry.h"

namespace shields {
namespace {

constexpr auto kUser = platform::RegistryRoot::CurrentUser;
constexpr char kKey[] = "Software\\Tests\\Main";

class RegistryText : public ::testing::Test {
protected:
    bool Read(std::string_view name) { return ReadRegistryText(registry, kUser, kKey, name, text); }
    void Set(std::string_view name, std::uint32_t type, std::string data) {
        registry.SetValue(kUser, kKey, name, platform::RegistryValue{type, std::move(data)});
    }

    fakes::FakeRegistry registry;
    std::string text = "about:blank";
};

TEST_F(RegistryText, ATextValueReadsWithoutItsTerminatingNul) {
    registry.SetString(kUser, kKey, "Start Page", "http://a.example/");
    EXPECT_TRUE(Read("Start Page"));
    EXPECT_EQ(text, "http://a.example/");
    Set("Bare", platform::reg_type::kString, "no terminator");
    EXPECT_TRUE(Read("Bare"));
    EXPECT_EQ(text, "no terminator");
}

TEST_F(RegistryText, OtherTypesLeaveTheTextAsItWasAndNumbersReadAsDecimal) {
    Set("Expand", platform::reg_type::kExpandString, std::string("%HOME%\\x", 9));
    EXPECT_TRUE(Read("Expand"));
    EXPECT_EQ(text, "about:blank");
    Set("Number", platform::reg_type::kDword, std::string("\x00\x01\x00\x00", 4));
    EXPECT_TRUE(Read("Number"));
    EXPECT_EQ(text, "256");
}

TEST_F(RegistryText, WhatCannotBeReadEmptiesTheText) {
    EXPECT_FALSE(Read("Start Page")) << "no key";
    EXPECT_EQ(text, "");
    registry.SetString(kUser, kKey, "Other", "x");
    text = "about:blank";
    EXPECT_FALSE(Read("Start Page")) << "no value";
    EXPECT_EQ(text, "");
    registry.SetString(kUser, kKey, "Long", std::string(1024, 'a'));
    text = "about:blank";
    EXPECT_FALSE(Read("Long")) << "1025 bytes with the terminator";
    EXPECT_EQ(text, "");
    registry.SetString(kUser, kKey, "Fits", std::string(1023, 'a'));
    EXPECT_TRUE(Read("Fits"));
    EXPECT_EQ(text.size(), 1023u);
}

TEST_F(RegistryText, AKeyThatRefusesFullAccessCannotBeRead) {
    registry.SetString(kUser, kKey, "Start Page", "http://a.example/");
    registry.DenyAccess(kUser, kKey, platform::reg_access::kCreateLink);
    EXPECT_FALSE(Read("Start Page"));
    EXPECT_EQ(text, "");
}

TEST_F(RegistryText, WritingStoresTextWithItsTerminatorIntoAnExistingKeyOnly) {
    registry.SetString(kUser, kKey, "Other", "x");
    WriteRegistryValue(registry, kKey, "Start Page", "http://b.example/",
                       platform::reg_type::kString);
    const std::optional<platform::RegistryValue> value = registry.Value(kUser, kKey, "Start Page");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, platform::reg_type::kString);
    EXPECT_EQ(value->data, std::string("http://b.example/", 18));

    WriteRegistryValue(registry, "Software\\Tests\\Absent", "Start Page", "x",
                       platform::reg_type::kString);
    EXPECT_FALSE(registry.KeyExists(kUser, "Software\\Tests\\Absent"));
}

}  // namespace
}  // namespace shields
