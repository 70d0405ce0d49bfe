#include "submit/process_names.h"

#include <gtest/gtest.h>

#include "definitions/line_code.h"
#include "removal/removal_run.h"
#include "submit/submit_fixture.h"

namespace submit {
namespace {

class ProcessNames : public testing::SubmitFixture {
protected:
    std::string List() { return ListProcessNamesWmi(machine.management); }
};

TEST_F(ProcessNames, OnlyTheSystemsOwnProcessesAndTheBrowsersSendNothing) {
    machine.management.processNames = {"System",       "System Idle Process", "winlogon.exe",
                                       "services.exe", "svchost.exe",         "explorer.exe",
                                       "firefox.exe",  "iexplore.exe",        "svchost.exe"};
    EXPECT_EQ(List(), "");
    SubmitProcessNames(*app);
    EXPECT_TRUE(machine.http.requested.empty());

    ASSERT_FALSE(machine.management.queries.empty());
    const fakes::FakeManagement::Query& query = machine.management.queries.back();
    EXPECT_EQ(query.objectPath, "winmgmts:\\\\localhost");
    EXPECT_EQ(query.query, "select * from Win32_Process");
    EXPECT_EQ(query.property, "Name");
}

TEST_F(ProcessNames, TheSkipListComparesCaseExactlyAndKeepsRepeatedNames) {
    machine.management.processNames = {"SVCHOST.EXE", "svchost.exe", "Explorer.EXE", "tool.exe",
                                       "tool.exe"};
    using definitions::EncodeDefinitionLine;
    EXPECT_EQ(List(),
              EncodeDefinitionLine("SVCHOST.EXE") + "|" + EncodeDefinitionLine("Explorer.EXE") +
                  "|" + EncodeDefinitionLine("tool.exe") + "|" + EncodeDefinitionLine("tool.exe"));
}

TEST_F(ProcessNames, ARunningAExeGoesAsItsCodedBytesPercentEncoded) {
    machine.management.processNames = {"A.EXE", "System", "b c.exe"};
    EXPECT_EQ(List(),
              std::string("\x81\x6E\x85\x98\x85|") + definitions::EncodeDefinitionLine("b c.exe"));
    SubmitProcessNames(*app);
    // "b c.exe" is coded to 0xA2 0x60 0xA3 0x6E 0xA5 0xB8 0xA5: the space
    // becomes a backquote, which a URL must not carry plain either.
    EXPECT_EQ(machine.http.requested,
              std::vector<std::string>{Url("%81n%85%98%85%7C%A2%60%A3n%A5%B8%A5")});
}

TEST_F(ProcessNames, AFailingServiceOrServerIsNeitherSentNorReported) {
    machine.management.processNames = {"tool.exe"};
    machine.management.running = false;
    EXPECT_EQ(List(), "");
    SubmitProcessNames(*app);
    EXPECT_TRUE(machine.http.requested.empty());

    machine.management.running = true;
    SubmitProcessNames(*app);  // nothing scripted answers
    EXPECT_EQ(machine.http.requested.size(), 1u);
    EXPECT_TRUE(machine.dialogs.shown.empty());
}

TEST_F(ProcessNames, TheResultsPageSendsOnlyWhileNothingIsLeftToRemoveAndTheBoxIsChecked) {
    machine.management.processNames = {"A.EXE"};
    ASSERT_EQ(Main().chkSendData->Value(), 1) << "checked by default";
    Main().cmdResults->Click();
    EXPECT_EQ(machine.http.requested.size(), 1u);
    Main().cmdRemove->Click();
    EXPECT_EQ(machine.http.requested.size(), 2u);
    EXPECT_TRUE(Main().frmResults->Visible());

    Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved->AddItem("Demo.Adware");
    Main().cmdResults->Click();
    Main().cmdRemove->Click();
    EXPECT_EQ(machine.http.requested.size(), 2u);

    Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved->Clear();
    Main().chkSendData->SetValue(0);
    Main().cmdResults->Click();
    EXPECT_EQ(machine.http.requested.size(), 2u);
}

TEST_F(ProcessNames, ARemovalEndsWithASubmissionOnlyWhenTheBoxIsChecked) {
    machine.management.processNames = {"A.EXE"};
    Main().chkSendData->SetValue(0);
    removal::lblRemove_Click(*app);
    EXPECT_TRUE(machine.http.requested.empty());

    Main().chkSendData->SetValue(1);
    removal::lblRemove_Click(*app);
    EXPECT_EQ(machine.http.requested, std::vector<std::string>{Url("%81n%85%98%85")});
}

}  // namespace
}  // namespace submit
