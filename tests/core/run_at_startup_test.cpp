#include "core/run_at_startup.h"

#include "app_fixture.h"

namespace core {
namespace {

using platform::RegistryRoot;

class RunAtStartup : public testing::AppFixture {
protected:
    RunAtStartup() {
        SetUserSetting("Settings", "Language", "English");
        machine.programFile.folder = "C:\\Program Files\\Acme Sweeper";
        machine.programFile.baseName = "Sweeper";
    }

    void StartOn(std::uint32_t majorVersion) {
        machine.osVersion.info.majorVersion = majorVersion;
        machine.dialogs.answers = {platform::MessageAnswer::No};
        StartProgram();
        machine.dialogs.shown.clear();
    }

    std::optional<std::string> RunEntry() const {
        return machine.registry.String(RegistryRoot::LocalMachine, kRunKey, "Sweeper");
    }
};

TEST_F(RunAtStartup, BeforeVistaTickingWritesTheSettingAndAQuotedRunEntry) {
    StartOn(5);
    Main().chkRunAtStartup->UserToggle();
    EXPECT_EQ(UserSetting("OptionAndSettings", "chkRunAtStartup"), "1");
    EXPECT_EQ(RunEntry(), "\"C:\\Program Files\\Acme Sweeper\\Sweeper.exe\"");
    EXPECT_TRUE(machine.dialogs.shown.empty());
}

TEST_F(RunAtStartup, UntickingDeletesOnlyThisProgramsEntry) {
    machine.registry.SetString(RegistryRoot::LocalMachine, kRunKey, "Other", "other.exe");
    StartOn(5);
    Main().chkRunAtStartup->UserToggle();
    Main().chkRunAtStartup->UserToggle();
    EXPECT_EQ(UserSetting("OptionAndSettings", "chkRunAtStartup"), "0");
    EXPECT_FALSE(RunEntry().has_value());
    EXPECT_EQ(machine.registry.String(RegistryRoot::LocalMachine, kRunKey, "Other"), "other.exe");
}

TEST_F(RunAtStartup, EveryStartRewritesTheEntryWhileTheSettingIsOne) {
    SetUserSetting("OptionAndSettings", "chkRunAtStartup", "1");
    StartOn(5);
    EXPECT_TRUE(RunEntry().has_value());
    ASSERT_EQ(machine.registry.DeleteTree(RegistryRoot::LocalMachine, kRunKey), 0);
    RunAgain();
    EXPECT_TRUE(RunEntry().has_value());
}

TEST_F(RunAtStartup, OnVistaAndLaterItExplainsTheToolAndWritesNothing) {
    StartOn(6);
    machine.dialogs.answers = {platform::MessageAnswer::Ok, platform::MessageAnswer::Ok};
    Main().chkRunAtStartup->UserToggle();

    ASSERT_EQ(machine.dialogs.shown.size(), 2u);
    EXPECT_EQ(machine.dialogs.shown[0].title, "Vista Detected");
    EXPECT_EQ(machine.dialogs.shown[0].buttons, platform::MessageButtons::OkCancel);
    EXPECT_EQ(machine.dialogs.shown[1].title, "Startup Tool");
    EXPECT_NE(machine.dialogs.shown[1].text.find(".\r\n\r\nRight click"), std::string::npos);
    EXPECT_EQ(machine.shell.commandLines,
              std::vector<std::string>{"explorer C:\\Program Files\\Acme Sweeper"});
    EXPECT_FALSE(UserSetting("OptionAndSettings", "chkRunAtStartup").has_value());
    EXPECT_FALSE(RunEntry().has_value());
}

TEST_F(RunAtStartup, CancelOnVistaStopsAfterTheFirstQuestion) {
    StartOn(6);
    machine.dialogs.answers = {platform::MessageAnswer::Cancel};
    Main().chkRunAtStartup->UserToggle();
    EXPECT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_TRUE(machine.shell.commandLines.empty());
}

}  // namespace
}  // namespace core
