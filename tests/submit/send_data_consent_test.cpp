#include "submit/send_data_consent.h"

#include <gtest/gtest.h>

#include "submit/submit_fixture.h"

namespace submit {
namespace {

class SendDataConsent : public testing::SubmitFixture {
protected:
    // The user's click on the box: the value changes, then the mouse is
    // released.
    void ClickBox() {
        Main().chkSendData->UserToggle();
        Main().chkSendData->MouseUp(ui::MouseEvent{});
    }
    std::optional<std::string> Stored() { return UserSetting("OptionAndSettings", "chkSendData"); }
};

TEST_F(SendDataConsent, UncheckingAndAnsweringNoKeepsTheBoxCheckedAndStoresOne) {
    SetUserSetting("OptionAndSettings", "chkSendData", "0");
    Main().chkSendData->SetValue(1);
    machine.dialogs.answers = {platform::MessageAnswer::No};
    ClickBox();
    EXPECT_EQ(Main().chkSendData->Value(), 1);
    EXPECT_EQ(Stored(), "1");

    ASSERT_EQ(machine.dialogs.shown.size(), 1u);
    const fakes::ScriptedDialogs::Shown& question = machine.dialogs.shown.front();
    EXPECT_EQ(question.title, "Really turn off anonymous data collection?");
    EXPECT_EQ(question.text, app->Message("MSG_ANON1") + "\r\n\r\n" + app->Message("MSG_ANON2") +
                                 "\r\n\r\n" + app->Message("MSG_ANON3"));
    EXPECT_EQ(question.buttons, platform::MessageButtons::YesNo);
}

TEST_F(SendDataConsent, AnsweringYesStoresZeroAndCheckingAgainStoresOneWithoutAsking) {
    machine.dialogs.answers = {platform::MessageAnswer::Yes};
    ClickBox();
    EXPECT_EQ(Main().chkSendData->Value(), 0);
    EXPECT_EQ(Stored(), "0");
    EXPECT_EQ(machine.dialogs.shown.size(), 1u);

    ClickBox();
    EXPECT_EQ(Main().chkSendData->Value(), 1);
    EXPECT_EQ(Stored(), "1");
    EXPECT_EQ(machine.dialogs.shown.size(), 1u) << "turning it on asks nothing";

    RunAgain();
    EXPECT_EQ(Main().chkSendData->Value(), 1);
}

TEST_F(SendDataConsent, AReleaseThatChangedNothingAsksAndStoresNothing) {
    Main().chkSendData->SetValue(0);
    machine.dialogs.answers = {platform::MessageAnswer::No, platform::MessageAnswer::No};
    Main().chkSendData->MouseUp(ui::MouseEvent{.button = 2});
    Main().chkSendData->MouseUp(ui::MouseEvent{.button = 1});
    EXPECT_EQ(Main().chkSendData->Value(), 0) << "collection stays off";
    EXPECT_FALSE(Stored().has_value());
    EXPECT_TRUE(machine.dialogs.shown.empty());
}

TEST_F(SendDataConsent, AChangeByTheKeyboardIsAskedAboutAndStored) {
    machine.dialogs.answers = {platform::MessageAnswer::Yes};
    Main().chkSendData->UserToggle();
    EXPECT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_EQ(Stored(), "0");
    Main().chkSendData->UserToggle();
    EXPECT_EQ(Stored(), "1");
}

TEST_F(SendDataConsent, LoadingTheStoredChoiceAsksNothing) {
    SetUserSetting("OptionAndSettings", "chkSendData", "0");
    RunAgain();
    EXPECT_EQ(Main().chkSendData->Value(), 0);
    EXPECT_TRUE(machine.dialogs.shown.empty());
}

}  // namespace
}  // namespace submit
