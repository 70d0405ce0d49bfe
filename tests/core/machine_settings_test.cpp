#include "core/machine_settings.h"

#include <gtest/gtest.h>

#include "fakes/fake_registry.h"

namespace core {
namespace {

using platform::MessageAnswer;
using platform::RegistryRoot;

constexpr std::string_view kKey = "SOFTWARE\\Acme Labs\\Sweeper\\Settings";

class ScriptedQuestion : public PermissionQuestion {
public:
    MessageAnswer AskAboutRefusedWrite() override {
        ++asked;
        if (onAsk) {
            onAsk();
        }
        const MessageAnswer answer = answers.empty() ? MessageAnswer::Abort : answers.front();
        if (!answers.empty()) {
            answers.erase(answers.begin());
        }
        return answer;
    }

    std::vector<MessageAnswer> answers;
    std::function<void()> onAsk;
    int asked = 0;
};

class MachineSettings : public ::testing::Test {
protected:
    MachineSettingRead Read(std::string_view app, std::string_view section, std::string_view key) {
        return ReadMachineSetting(registry, " Acme Labs ", app, section, key, "default");
    }

    fakes::FakeRegistry registry;
    ScriptedQuestion question;
};

TEST_F(MachineSettings, BlankNamesAreRefusedWithTheirOwnTexts) {
    EXPECT_EQ(Read(" ", "Settings", "FirstTime").error, "AppName may not be empty");
    EXPECT_EQ(Read("Sweeper", "", "FirstTime").error, "Section may not be empty");
    EXPECT_EQ(Read("Sweeper", "Settings", "  ").error, "Key may not be empty");
}

TEST_F(MachineSettings, AbsentKeysAndValuesReadAsTheDefault) {
    EXPECT_EQ(Read("Sweeper", "Settings", "FirstTime").value, "default");
    registry.SetString(RegistryRoot::LocalMachine, kKey, "Other", "x");
    const MachineSettingRead read = Read("Sweeper", "Settings", "FirstTime");
    EXPECT_FALSE(read.Failed());
    EXPECT_EQ(read.value, "default");
}

TEST_F(MachineSettings, PartsOfTheKeyAreTrimmed) {
    registry.SetString(RegistryRoot::LocalMachine, kKey, "FirstTime", "Yes");
    EXPECT_EQ(Read(" Sweeper ", " Settings", "FirstTime").value, "Yes");
}

TEST_F(MachineSettings, AKeyThatCannotBeOpenedAndNonStringsAreErrors) {
    registry.SetValue(RegistryRoot::LocalMachine, kKey, "FirstTime",
                      {platform::reg_type::kDword, std::string("\1\0\0\0", 4)});
    EXPECT_EQ(Read("Sweeper", "Settings", "FirstTime").error, "Registry data not a string");
    registry.DenyAccess(RegistryRoot::LocalMachine, kKey, platform::reg_access::kRead);
    EXPECT_EQ(Read("Sweeper", "Settings", "FirstTime").error, "Could not open registry section");
}

TEST_F(MachineSettings, AnEmptyValueReadsAsEmpty) {
    registry.SetValue(RegistryRoot::LocalMachine, kKey, "FirstTime",
                      {platform::reg_type::kString, ""});
    const MachineSettingRead read = Read("Sweeper", "Settings", "FirstTime");
    EXPECT_FALSE(read.Failed());
    EXPECT_EQ(read.value, "");
}

TEST_F(MachineSettings, WritesStoreTheCharactersWithoutATerminatingNul) {
    WriteMachineSetting(registry, question, "Acme Labs", "Sweeper", "Settings", "FirstTime", "Yes");
    const std::optional<platform::RegistryValue> value =
        registry.Value(RegistryRoot::LocalMachine, kKey, "FirstTime");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, platform::reg_type::kString);
    EXPECT_EQ(value->data, "Yes");
    EXPECT_EQ(question.asked, 0);
}

TEST_F(MachineSettings, ARefusedWriteIsPutToTheUserAndAbortGivesUp) {
    registry.DenyAccess(RegistryRoot::LocalMachine, kKey, platform::reg_access::kSetValue);
    question.answers = {MessageAnswer::Abort};
    WriteMachineSetting(registry, question, "Acme Labs", "Sweeper", "Settings", "FirstTime", "Yes");
    EXPECT_EQ(question.asked, 1);
    EXPECT_FALSE(registry.Value(RegistryRoot::LocalMachine, kKey, "FirstTime").has_value());
}

TEST_F(MachineSettings, RetryRepeatsTheStepThatFailed) {
    registry.DenyAccess(RegistryRoot::LocalMachine, kKey, platform::reg_access::kSetValue);
    question.answers = {MessageAnswer::Retry, MessageAnswer::Retry};
    // The administrator grants the right while the question is open.
    question.onAsk = [this] {
        if (question.asked == 2) {
            registry.DenyAccess(RegistryRoot::LocalMachine, kKey, 0);
        }
    };
    WriteMachineSetting(registry, question, "Acme Labs", "Sweeper", "Settings", "FirstTime", "Yes");
    EXPECT_EQ(question.asked, 2);
    EXPECT_EQ(registry.String(RegistryRoot::LocalMachine, kKey, "FirstTime"), "Yes");
}

}  // namespace
}  // namespace core
