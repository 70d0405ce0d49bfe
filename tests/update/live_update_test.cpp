// The dated exchange with the definitions server, and the Live Update
// command around it: its windows, its notice, the automatic update and the
// list of definition addresses.

#include "update/live_update.h"

#include <functional>

#include "app/app_fixture.h"
#include "definitions/line_code.h"
#include "update/definition_update.h"

namespace update {
namespace {

constexpr const char* kServer = "http://defs.test";
constexpr const char* kQuery = "prog=Acme%20Sweeper&comp=Acme%20Labs";

std::string Url(std::string_view pathAndQuery) {
    return std::string(kServer) + std::string(pathAndQuery);
}

std::string FileAddition(std::string_view plain) {
    std::string body;
    for (const char c : plain) {
        body.push_back(c == '|' || c == '=' ? c : definitions::EncodeDefinitionChar(c));
    }
    return definitions::EncodeDefinitionLine("FILE") + "|ADD[DEF]" + body;
}

class LiveUpdate : public core::testing::AppFixture {
protected:
    LiveUpdate() {
        SetUserSetting("Settings", "Language", "English");
        SetUserSetting("Settings", "DefinitionServer", std::string(kServer) + "/");
        machine.dialogs.answers = {platform::MessageAnswer::No};
        StartProgram();
        machine.dialogs.shown.clear();
    }

    std::string DateUrl() { return Url("/asp/currentDateNEW.asp?") + kQuery; }
    std::string DefinitionsUrl(std::string_view clientDate) {
        return Url("/asp/getDefsNEW.asp?") + kQuery + "&date=" + std::string(clientDate);
    }

    std::string StoredDate() {
        return machine.fileSystem.ReadWholeFile(DataFile("date.dat")).value_or("(none)");
    }
};

TEST_F(LiveUpdate, ANewerServerSendsItsChangesAndItsDateIsStored) {
    machine.http.Serve(DateUrl(), " 12/8/2026 3:04:05 PM\r\n");
    machine.http.Serve(DefinitionsUrl("3/16/2006"), FileAddition("new.dll=T|x"));
    machine.http.Serve(Url("/asp/date.asp"), "12/8/2026 3:04:06 PM");
    update::cmdUpdate_Click(*app);

    EXPECT_EQ(
        machine.http.requested,
        (std::vector<std::string>{DateUrl(), DefinitionsUrl("3/16/2006"), Url("/asp/date.asp")}));
    EXPECT_EQ(StoredDate(), "12/8/2026 3:04:06 PM\r\n");
    EXPECT_EQ(Main().lblDefVersion->Caption(), "12/8/2026 3:04:06 PM PST");
    EXPECT_EQ(app->frmSignatureUpdated.lblUpdateInfo->Caption(),
              "Your Acme Sweeper definitions have been updated!");
    EXPECT_EQ(UserSetting("OptionAndSettings", "SHOW"), "True");
    EXPECT_EQ(UserSetting("OptionAndSettings", "RESTART"), "True");
    EXPECT_EQ(Main().lblDefCount->Caption().substr(0, 1), "1") << "the definitions recounted";
    EXPECT_FALSE(app->frmDownload.IsLoaded());
    EXPECT_TRUE(Main().cmdLiveUpdate->Enabled());
}

TEST_F(LiveUpdate, OnAGermanSystemTheWireAndTheDateFileKeepTheFixedFormAndTheStatusPageIsGerman) {
    machine.localeFormats.profile = fakes::FakeLocaleFormats::Profile::Germany;
    machine.fileSystem.AddFile(DataFile("date.dat"), "1/5/2026 10:00:00 AM\r\n");
    machine.http.Serve(DateUrl(), "12/8/2026 3:04:05 PM");
    machine.http.Serve(DefinitionsUrl("1/5/2026 10:00:00 AM"), FileAddition("new.dll=T|x"));
    machine.http.Serve(Url("/asp/date.asp"), "12/8/2026 3:04:06 PM");
    update::cmdUpdate_Click(*app);

    EXPECT_EQ(machine.http.requested.size(), 3u) << "the changes were asked for in the fixed form";
    EXPECT_EQ(StoredDate(), "12/8/2026 3:04:06 PM\r\n");
    EXPECT_EQ(Main().lblDefVersion->Caption(), "08.12.2026 15:04:06 PST");
}

TEST_F(LiveUpdate, AServerThatIsNotNewerIsNotAskedForDefinitions) {
    machine.fileSystem.AddFile(DataFile("date.dat"), "12/8/2026 3:04:05 PM\r\n");
    for (const char* serverDate : {"12/8/2026 3:04:05 PM", "1/1/2026 1:00:00 AM"}) {
        machine.http.requested.clear();
        machine.http.Serve(DateUrl(), serverDate);
        update::cmdUpdate_Click(*app);
        EXPECT_EQ(machine.http.requested, std::vector<std::string>{DateUrl()}) << serverDate;
        EXPECT_EQ(app->frmSignatureUpdated.lblUpdateInfo->Caption(),
                  "You are using the most recent Acme Sweeper definitions.");
    }
    EXPECT_EQ(StoredDate(), "12/8/2026 3:04:05 PM\r\n");
}

TEST_F(LiveUpdate, AnUnreachableServerEndsAsUpToDateWithTheTimersRunningAgain) {
    machine.http.Refuse(DateUrl());
    Main().chkAutoProtect->SetValue(1);
    update::cmdUpdate_Click(*app);
    EXPECT_EQ(app->frmSignatureUpdated.lblUpdateInfo->Caption(),
              "You are using the most recent Acme Sweeper definitions.");
    EXPECT_TRUE(app->frmSignatureUpdated.Visible());
    EXPECT_TRUE(Main().tmrMemoryInspected->Enabled());
    EXPECT_EQ(StoredDate(), "(none)");
}

TEST_F(LiveUpdate, AMissingLastDateKeepsTheFirstDateInsteadOfTheZeroDate) {
    machine.fileSystem.AddFile(DataFile("date.dat"), "1/5/2026 10:00:00 AM\r\n");
    machine.http.Serve(DateUrl(), "12/8/2026 3:04:05 PM");
    machine.http.Serve(DefinitionsUrl("1/5/2026 10:00:00 AM"), FileAddition("new.dll=T|x"));
    machine.http.Serve(Url("/asp/date.asp"), "<html>Service Unavailable</html>");
    update::cmdUpdate_Click(*app);
    EXPECT_EQ(StoredDate(), "12/8/2026 3:04:05 PM\r\n");
}

TEST_F(LiveUpdate, AFileLeftUnchangedKeepsTheDateSoTheNextUpdateBringsItsChanges) {
    machine.fileSystem.AddFile(DataFile("date.dat"), "1/5/2026 10:00:00 AM\r\n");
    machine.fileSystem.AddFile(DataFile("FileDefinition.dat"), "").unreadable = true;
    machine.http.Serve(DateUrl(), "12/8/2026 3:04:05 PM");
    machine.http.Serve(DefinitionsUrl("1/5/2026 10:00:00 AM"),
                       FileAddition("new.dll=T|x") + "[BR]" +
                           definitions::EncodeDefinitionLine("COOK") + "|ADD[DEF]" +
                           definitions::EncodeDefinitionLine("tracker.example"));
    machine.http.Serve(Url("/asp/date.asp"), "12/8/2026 3:04:06 PM");
    update::cmdUpdate_Click(*app);
    EXPECT_EQ(StoredDate(), "1/5/2026 10:00:00 AM\r\n");
    EXPECT_EQ(machine.http.requested.size(), 2u) << "no date asked for when it is not stored";
}

// After the server said it has newer definitions, a changes answer that
// does not arrive whole is neither applied nor "most recent".
TEST_F(LiveUpdate, AChangesAnswerThatFailsAppliesNothingKeepsTheDateAndSaysSo) {
    const std::string changes =
        FileAddition("first.dll=T|x") + "[BR]" + FileAddition("second.dll=T|x");
    const std::string url = DefinitionsUrl("1/5/2026 10:00:00 AM");
    struct Case {
        const char* what;
        std::function<void()> serve;
    };
    const Case cases[] = {
        {"cut off before its length",
         [&] {
             machine.http.CutShort(url, changes, 20);
         }},
        {"a read that fails",
         [&] {
             machine.http.FailAfter(url, changes, 20);
         }},
        {"a server that falls silent",
         [&] {
             machine.http.StallAfter(url, changes, 20);
         }},
        {"no answer at all",
         [&] {
             machine.http.Refuse(url);
         }},
        // The records are whole, but the page is the cache's, not the server's.
        {"a cache's 503",
         [&] {
             machine.http.ServeStatus(url, 503, changes);
         }},
        {"a cache's 504",
         [&] {
             machine.http.ServeStatus(url, 504, "<html>Timeout</html>");
         }},
    };
    for (const Case& c : cases) {
        machine.fileSystem.AddFile(DataFile("date.dat"), "1/5/2026 10:00:00 AM\r\n");
        machine.fileSystem.AddFile(DataFile("FileDefinition.dat"), "");
        machine.http.Serve(DateUrl(), "12/8/2026 3:04:05 PM");
        c.serve();
        machine.http.Serve(Url("/asp/date.asp"), "12/8/2026 3:04:06 PM");
        Main().chkAutoProtect->SetValue(1);
        update::cmdUpdate_Click(*app);
        EXPECT_EQ(machine.fileSystem.ReadWholeFile(DataFile("FileDefinition.dat")), "") << c.what;
        EXPECT_EQ(StoredDate(), "1/5/2026 10:00:00 AM\r\n") << c.what;
        EXPECT_EQ(app->frmSignatureUpdated.lblUpdateInfo->Caption(),
                  "The definitions update could not be completed: the update server has newer "
                  "definitions but did not send them whole. Nothing was changed. Please run Live "
                  "Update again later.")
            << c.what;
        EXPECT_TRUE(Main().tmrMemoryInspected->Enabled()) << c.what;
    }
    // A date answer that is an error page is no date: nothing newer.
    machine.http.ServeStatus(DateUrl(), 503, "12/9/2026 3:04:05 PM");
    update::cmdUpdate_Click(*app);
    EXPECT_EQ(app->frmSignatureUpdated.lblUpdateInfo->Caption(),
              "You are using the most recent Acme Sweeper definitions.");
}

TEST_F(LiveUpdate, AfterCancelTheNextStatusTextLoadsTheWindowAgainHiddenWithItsIcon) {
    machine.http.Serve(DateUrl(), "12/8/2026 3:04:05 PM");
    machine.http.Serve(DefinitionsUrl("3/16/2006"), FileAddition("new.dll=T|x"));
    machine.http.Serve(Url("/asp/date.asp"), "12/8/2026 3:04:06 PM");
    ui::FrmDownload& download = app->frmDownload;
    int yields = 0;
    bool loadedAgain = false;
    machine.eventLoop.onYield = [&] {
        if (++yields == 1) {
            download.Command1->Click();
            EXPECT_FALSE(download.IsLoaded());
        } else if (yields == 2) {
            loadedAgain = download.IsLoaded() && !download.Visible() && machine.notifyIcon.shown &&
                          machine.notifyIcon.tip == "Getting latest definitions.";
        }
    };
    update::cmdUpdate_Click(*app);
    EXPECT_TRUE(loadedAgain);
    EXPECT_EQ(StoredDate(), "12/8/2026 3:04:06 PM\r\n") << "Cancel does not stop the update";
    EXPECT_FALSE(download.IsLoaded());
}

TEST_F(LiveUpdate, TheDownloadWindowAnimatesThroughItsCycle) {
    ui::FrmDownload& download = app->frmDownload;
    download.Show();
    EXPECT_EQ(download.lblProduct->Caption(), app->Message("MSG_DOWNLOADING"));
    EXPECT_TRUE(download.tmrBlink->Enabled());
    std::vector<std::string> captions;
    for (int tick = 0; tick < 16; ++tick) {
        download.tmrBlink->onTimer();
        captions.push_back(download.lblProduct->Caption());
    }
    EXPECT_EQ(captions[0], app->Message("MSG_CONNECTING2"));
    EXPECT_EQ(captions[1], app->Message("MSG_CONNECTING")) << "step 1 keeps the blink's text";
    EXPECT_EQ(captions[6], app->Message("MSG_SENT"));
    EXPECT_EQ(captions[8], "Receiving a response from the Server.");
    EXPECT_EQ(captions[15], app->Message("MSG_CONNECTING2")) << "a cycle of fifteen steps";
    download.Command1->onClick();
    EXPECT_FALSE(download.IsLoaded());
}

TEST_F(LiveUpdate, TheAutomaticUpdateRunsOnceAfterThreeHundredIdleTicks) {
    machine.http.Refuse(DateUrl());
    Main().timUpdate->SetEnabled(true);
    for (int tick = 0; tick < 300; ++tick) {
        update::timUpdate_Timer(*app);
    }
    Main().cmdScanNow->SetEnabled(false);  // a scan runs: ticks neither count nor reset
    update::timUpdate_Timer(*app);
    EXPECT_TRUE(machine.http.requested.empty());
    Main().cmdScanNow->SetEnabled(true);
    update::timUpdate_Timer(*app);
    EXPECT_EQ(machine.http.requested.size(), 1u);
    EXPECT_FALSE(Main().timUpdate->Enabled());
    EXPECT_EQ(app->AutoUpdateTicks, 0);
}

TEST_F(LiveUpdate, TheDefinitionAddressesStartAtTheWebsite) {
    app->branding.Website = "http://Example.org/download/page";
    EXPECT_EQ(DefinitionAddressBase(*app), "http://www.Example.org");
    app->branding.Website = "www.acme.example";
    EXPECT_EQ(DefinitionAddressBase(*app), "http://www.acme.example");
    app->branding.Website = UNBRANDED_WEBSITE;
    EXPECT_EQ(DefinitionAddressBase(*app), kServer);
    const std::string addresses = DefinitionAddresses(*app);
    EXPECT_EQ(addresses.substr(0, addresses.find("\r\n")),
              std::string(kServer) + "/definitions/version/R.HTM");
    EXPECT_EQ(std::count(addresses.begin(), addresses.end(), '\n'), 8);

    ui::MouseEvent shifted;
    shifted.shift = 1;
    Main().cmdUpdate->MouseDown(shifted);
    ASSERT_EQ(machine.dialogs.shown.size(), 1u);
    EXPECT_EQ(machine.dialogs.shown[0].text, addresses);
    ui::MouseEvent withCtrl;
    withCtrl.shift = 3;
    Main().cmdUpdate->MouseDown(withCtrl);
    EXPECT_EQ(machine.dialogs.shown.size(), 1u);
}

TEST_F(LiveUpdate, TheNoticesOkForgetsTheNotice) {
    machine.http.Refuse(DateUrl());
    update::cmdUpdate_Click(*app);
    app->frmSignatureUpdated.cmdUpdateSuccesfullOK->onClick();
    EXPECT_EQ(UserSetting("OptionAndSettings", "SHOW"), "false");
    EXPECT_FALSE(app->frmSignatureUpdated.IsLoaded());
}

}  // namespace
}  // namespace update
