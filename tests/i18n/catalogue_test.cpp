#include <gtest/gtest.h>

#include "fakes/fake_platform.h"
#include "i18n/languages.h"

namespace i18n {
namespace {

class Catalogue : public ::testing::Test {
protected:
    fakes::FakePlatform machine;
    core::Branding branding{"Sweeper", "Acme Labs", "www.acme.example"};
    clsLanguages catalogue{machine.fileSystem, machine.textCodec, "C:\\Program Files\\Sweeper",
                           branding};
};

TEST_F(Catalogue, BuiltInMessagesFillTheFirstSlotsInTheirOrder) {
    LoadBuiltInMessages(catalogue);
    const auto& slots = catalogue.MessageSlots();
    EXPECT_EQ(slots[0].name, "MSG_THANK1");
    EXPECT_EQ(slots[6].name, "MSG_SURE");
    EXPECT_EQ(slots[15].name, "MSG_SORRY2");
    EXPECT_EQ(slots[64].name, "MSG_COMPLETE");
    // The language window's texts follow the 65.
    EXPECT_EQ(slots[65].name, "MSG_TITLELANGUAGE");
    EXPECT_EQ(slots[66].name, "MSG_DOWNLOADED");
    EXPECT_EQ(slots[67].name, "MSG_LANGUAGE_NOT_SAVED");
    EXPECT_EQ(slots[68].name, "MSG_LANGUAGE_INCOMPLETE");
    // Then the Run at Startup tool's.
    EXPECT_EQ(slots[69].name, "MSG_STARTUP_TITLE");
    EXPECT_EQ(slots[77].name, "MSG_STARTUP_NOPROGRAM");
    // Then those of the signature check.
    EXPECT_EQ(slots[78].name, "MSG_UPDATE_NOT_VERIFIED");
    EXPECT_EQ(slots[80].name, "MSG_UPDATES_UNSIGNED");
    EXPECT_EQ(slots[81].name, "MSG_SERVER_NOT_TRUSTED");
    // Then the quarantine window's.
    EXPECT_EQ(slots[82].name, "MSG_QUARANTINE_TITLE");
    EXPECT_EQ(slots[97].name, "MSG_QDELETE_FAILED");
    EXPECT_EQ(slots[98].name, "MSG_RESTORE_NOT_DONE");
    EXPECT_EQ(slots[103].name, "MSG_RESTORE_WHY_FAILED");
    // Then those of the browser policies, of the cookie stores, and of the
    // browser policy shield.
    EXPECT_EQ(slots[104].name, "MSG_POLICY_TYPE");
    EXPECT_EQ(slots[113].name, "MSG_POLICY_MANAGED");
    EXPECT_EQ(slots[114].name, "MSG_COOKIE_STORE_TOO_LARGE");
    EXPECT_EQ(slots[120].name, "MSG_RESTORE_COOKIES_SKIPPED");
    EXPECT_EQ(slots[121].name, "MSG_SHIELD_POLICY_CHANGED");
    EXPECT_EQ(slots[124].name, "MSG_SHIELD_POLICY_NOT_REMOVED");
    // Then the cookie stores' refusals.
    EXPECT_EQ(slots[125].name, "MSG_RESTORE_COOKIES_OTHER_VERSION");
    EXPECT_EQ(slots[126].name, "MSG_COOKIE_STORE_UNWORKABLE");
    // Then those of failed transfers.
    EXPECT_EQ(slots[127].name, "MSG_UPDATE_INCOMPLETE");
    EXPECT_EQ(slots[128].name, "MSG_LANGUAGE_OLDER");
    // Then the Run at Startup tool's refusals.
    EXPECT_EQ(slots[129].name, "MSG_STARTUP_NOTINSTALLED");
    EXPECT_EQ(slots[130].name, "MSG_STARTUP_UNSAFE");
    // Then the name of a policy beyond the reader's limits.
    EXPECT_EQ(slots[131].name, "MSG_POLICY_UNREADABLE");
    // Then those of the browser extensions.
    EXPECT_EQ(slots[132].name, "MSG_EXT_TYPE");
    EXPECT_EQ(slots[142].name, "MSG_EXT_NOT_REMOVED");
    // Then those of the startup places.
    EXPECT_EQ(slots[143].name, "MSG_STARTUPITEMS");
    EXPECT_EQ(slots[160].name, "MSG_SI_NOT_REMOVED_HOSTS");
    // Then the About window's credit.
    EXPECT_EQ(slots[161].name, "MSG_EXTENSION_DEFINITIONS_CREDIT");
    // Then the refusals and restores of the startup places' removal.
    EXPECT_EQ(slots[162].name, "MSG_SI_RUN_AS_ADMIN");
    EXPECT_EQ(slots[172].name, "MSG_QUARANTINE_TASK");
    EXPECT_EQ(slots[173].name, "MSG_SHIELD_SI_CHANGED");
    // Then why a restored item stays in the quarantine.
    EXPECT_EQ(slots[174].name, "MSG_RESTORE_WHY_NOT_BACK");
    // Then the removal and restore of browser extensions.
    EXPECT_EQ(slots[175].name, "MSG_EXT_BROWSER_RUNNING");
    EXPECT_EQ(slots[184].name, "MSG_EXT_RESTORE_NOT_SETTINGS");
    EXPECT_EQ(slots[185].name, "MSG_SHIELD_EXT_NEW");
    EXPECT_FALSE(slots[186].used);
}

TEST_F(Catalogue, MessagesAreReadyToShow) {
    LoadBuiltInMessages(catalogue);
    EXPECT_EQ(catalogue.getMessages("MSG_SURE"), "Are you sure?");
    EXPECT_EQ(catalogue.getMessages("msg_sure"), "Are you sure?");
    EXPECT_EQ(catalogue.getMessages("MSG_CAPTION"), "Sweeper by Acme Labs");
    EXPECT_EQ(catalogue.getMessages("MSG_WEBSITE"), "Visit www.acme.example");
    EXPECT_EQ(catalogue.getMessages("MSG_PAUSED"), "Sweeper has been paused.  Click OK to resume.");
    // Every text handed out begins with an upper-case letter.
    EXPECT_EQ(catalogue.getMessages("MSG_COMPLETE"), "Complete");
}

TEST_F(Catalogue, UnknownKeysGiveEmptyText) {
    LoadBuiltInMessages(catalogue);
    EXPECT_EQ(catalogue.getMessages("MSG_NO_SUCH_MESSAGE"), "");
    EXPECT_EQ(catalogue.getMessages(""), "");
}

TEST_F(Catalogue, TheFirstSlotOfADuplicatedNameWins) {
    catalogue.setMessage("MSG_X", "first");
    catalogue.setMessage("MSG_X", "second");
    EXPECT_EQ(catalogue.getMessages("MSG_X"), "First");
}

TEST_F(Catalogue, MessagesBeyondTheLastSlotAreNotStored) {
    LoadBuiltInMessages(catalogue);
    int used = 0;
    for (const MessageSlot& slot : catalogue.MessageSlots()) {
        used += slot.used ? 1 : 0;
    }
    for (int i = used; i < kMessageSlotCount; ++i) {
        catalogue.setMessage("MSG_EXTRA" + std::to_string(i), "extra");
    }
    EXPECT_EQ(catalogue.getMessages("MSG_EXTRA200"), "Extra");
    catalogue.setMessage("MSG_ONE_TOO_MANY", "lost");
    EXPECT_EQ(catalogue.getMessages("MSG_ONE_TOO_MANY"), "");
    EXPECT_EQ(catalogue.getMessages("MSG_THANK1"), "Thank you for using Sweeper!");
}

TEST_F(Catalogue, TrimPathGivesTheFileName) {
    EXPECT_EQ(clsLanguages::LangTrimPath("C:\\a\\Localization.txt"), "Localization.txt");
    EXPECT_EQ(clsLanguages::LangTrimPath("Localization.txt"), "Localization.txt");
    EXPECT_EQ(clsLanguages::LangTrimPath(""), "");
}

TEST_F(Catalogue, LangFileExistsSeesOnlyNormalFiles) {
    machine.fileSystem.AddFile("C:\\p\\Localization.txt");
    machine.fileSystem.AddFile("C:\\p\\hidden.txt").hidden = true;
    EXPECT_TRUE(catalogue.LangFileExists("C:\\p\\localization.TXT"));
    EXPECT_FALSE(catalogue.LangFileExists("C:\\p\\hidden.txt"));
    EXPECT_FALSE(catalogue.LangFileExists("C:\\p\\missing.txt"));
}

}  // namespace
}  // namespace i18n
