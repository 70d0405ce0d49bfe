// Removing a browser extension so that the browser does not bring it back,
// and putting all of it back from the quarantine, without overwriting what
// the browser has changed since.

#include "removal/extension_removal.h"
#include "browsers/extension_settings.h"
#include "removal/quarantine_index.h"
#include "removal/quarantine_restore.h"
#include "removal/removal_fixture.h"
#include "scan/finding_lists.h"

namespace removal {
namespace {

using platform::RegistryRoot;

const std::string kUserData = "C:\\Users\\alice\\AppData\\Local\\Google\\Chrome\\User Data";
const std::string kProfile = kUserData + "\\Default";
constexpr char kEvilId[] = "aaaabbbbccccddddeeeeffffgggghhhh";
constexpr char kGoodId[] = "bbbbccccddddeeeeffffgggghhhhiiii";
const std::string kKey = std::string("SOFTWARE\\Google\\Chrome\\Extensions\\") + kEvilId;
const std::string kExternal = kUserData + "\\External Extensions\\" + kEvilId + ".json";

const std::string kSecure =
    std::string(R"({"extensions":{"settings":{")") + kEvilId + R"(":{"location":1,"state":1},")" +
    kGoodId + R"(":{"location":1}}},"protection":{"macs":{"extensions":{"settings":{")" + kEvilId +
    R"(":"M1",")" + kGoodId + R"(":"M2"}}},"super_mac":"S"}})";
const std::string kPreferences = std::string(R"({"homepage":"https://start.example",)") +
                                 R"("extensions":{"settings":{")" + kEvilId +
                                 R"(":{"active_permissions":{}}}}})";

class ExtensionRemoval : public testing::RemovalFixture {
protected:
    void SetUp() override {
        SetUserSetting("OptionAndSettings", "chkScanCookies", "0");
        machine.fileSystem.AddFile(kProfile + "\\Secure Preferences", kSecure);
        machine.fileSystem.AddFile(kProfile + "\\Preferences", kPreferences);
        machine.fileSystem.AddFile(Folder() + "\\manifest.json",
                                   R"({"name": "Search Helper", "version": "2.1"})");
        machine.fileSystem.AddFile(Folder() + "\\_locales\\en\\messages.json", "{}");
        machine.registry.SetString(RegistryRoot::LocalMachine, kKey, "update_url",
                                   "https://clients2.google.com/service/update2/crx");
        machine.fileSystem.AddFile(kExternal, R"({"external_update_url": "https://x.example/u"})");
        Definitions("ExtensionDefinition.dat",
                    {"AAAABBBBCCCCDDDDEEEEFFFFGGGGHHHH=EvilSearch|chromium"});
    }

    static std::string Folder() { return kProfile + "\\Extensions\\" + kEvilId + "\\2.1_0"; }

    std::string Text(const std::string& path) {
        return machine.fileSystem.ReadWholeFile(path).value_or("<missing>");
    }

    void ScanAndDelete() {
        Scan();
        ASSERT_EQ(Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved->ItemCount(), 1);
        scan::cmdSelectAll_Click(*app);
        Delete();
    }
};

TEST_F(ExtensionRemoval, GoesWithWhatWouldReinstallItAndComesBackWithoutUndoingTheBrowser) {
    ScanAndDelete();
    EXPECT_TRUE(Problems().empty());
    EXPECT_EQ(Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved->ItemCount(), 0);
    EXPECT_FALSE(machine.fileSystem.DirectoryExists(kProfile + "\\Extensions\\" + kEvilId));
    EXPECT_FALSE(machine.registry.KeyExists(RegistryRoot::LocalMachine, kKey));
    EXPECT_FALSE(Exists(kExternal));
    // The other extension and its protection entry stay, every byte of them.
    const std::string secure = Text(kProfile + "\\Secure Preferences");
    EXPECT_EQ(secure.find(kEvilId), std::string::npos);
    EXPECT_EQ(browsers::ReadChromiumSettings(secure).size(), 1U);
    EXPECT_NE(secure.find(std::string("\"") + kGoodId + "\":\"M2\""), std::string::npos);
    EXPECT_EQ(Text(kProfile + "\\Preferences").find(kEvilId), std::string::npos);

    // The browser then changes its Preferences; its Secure Preferences stay
    // as the removal left them.
    const std::string changed = base::ReplaceAll(Text(kProfile + "\\Preferences"),
                                                 "https://start.example", "https://new.example");
    machine.fileSystem.AddFile(kProfile + "\\Preferences", changed);

    const std::vector<QuarantineEntry> entries =
        ListQuarantine(machine.fileSystem, machine.textCodec, app->DataFolder);
    ASSERT_EQ(entries.size(), 5U);
    std::string notes;
    for (const QuarantineEntry& entry : entries) {
        const RestoreResult result = RestoreQuarantined(*app, entry, RestorePlace::Original);
        EXPECT_EQ(result.outcome, RestoreOutcome::Restored) << entry.location;
        notes += result.note;
    }
    EXPECT_EQ(Text(kProfile + "\\Secure Preferences"), kSecure);
    const std::string preferences = Text(kProfile + "\\Preferences");
    EXPECT_NE(preferences.find("https://new.example"), std::string::npos);
    EXPECT_EQ(preferences,
              base::ReplaceAll(kPreferences, "https://start.example", "https://new.example"));
    EXPECT_EQ(notes, app->Message("MSG_EXT_RESTORE_ENTRIES_ONLY"));
    EXPECT_EQ(Text(Folder() + "\\manifest.json"), R"({"name": "Search Helper", "version": "2.1"})");
    EXPECT_TRUE(machine.registry.KeyExists(RegistryRoot::LocalMachine, kKey));
    EXPECT_TRUE(Exists(kExternal));
    EXPECT_TRUE(
        LoadQuarantineEntries(machine.fileSystem, machine.textCodec, app->DataFolder).empty());
}

// A restore while the browser runs would be overwritten when it ends; one
// into a file that holds the extension again would undo the browser's work.
TEST_F(ExtensionRemoval, ARestoreNeverOverwritesWhatTheBrowserHoldsOrHasAgain) {
    ScanAndDelete();
    std::vector<QuarantineEntry> settings;
    for (const QuarantineEntry& entry :
         LoadQuarantineEntries(machine.fileSystem, machine.textCodec, app->DataFolder)) {
        if (entry.kind == QuarantineKind::ExtensionSettings &&
            entry.location.ends_with("\\Secure Preferences")) {
            settings.push_back(entry);
        }
    }
    ASSERT_EQ(settings.size(), 1U);
    const std::string secure = Text(kProfile + "\\Secure Preferences");

    machine.fileSystem.AddFile(kUserData + "\\lockfile").locked = true;
    RestoreResult result = RestoreQuarantined(*app, settings[0], RestorePlace::Original);
    EXPECT_NE(result.outcome, RestoreOutcome::Restored);
    EXPECT_EQ(result.note, app->Message("MSG_EXT_RESTORE_RUNNING"));
    EXPECT_EQ(Text(kProfile + "\\Secure Preferences"), secure);

    machine.fileSystem.Remove(kUserData + "\\lockfile");
    const std::string again =
        base::ReplaceAll(secure, std::string("\"") + kGoodId + "\":{",
                         std::string("\"") + kEvilId + "\":{},\"" + kGoodId + "\":{");
    machine.fileSystem.AddFile(kProfile + "\\Secure Preferences", again);
    result = RestoreQuarantined(*app, settings[0], RestorePlace::Original);
    EXPECT_NE(result.outcome, RestoreOutcome::Restored);
    EXPECT_EQ(result.note, app->Message("MSG_EXT_RESTORE_ALREADY"));
    EXPECT_EQ(Text(kProfile + "\\Secure Preferences"), again);
    EXPECT_EQ(LoadQuarantineEntries(machine.fileSystem, machine.textCodec, app->DataFolder).size(),
              5U);
}

// A settings file that cannot be replaced: the other gets its text back, and
// nothing of the extension is gone or kept in the quarantine.
TEST_F(ExtensionRemoval, NothingIsHalfDoneWhenASettingsFileCannotBeReplaced) {
    machine.fileSystem.Find(kProfile + "\\Secure Preferences")->locked = true;
    ScanAndDelete();
    ASSERT_EQ(Problems().size(), 1U);
    EXPECT_NE(Problems()[0].find(
                  base::ReplaceAll(app->Message("MSG_EXT_UNWORKABLE"), "[Browser]", "Chrome")),
              std::string::npos);
    EXPECT_EQ(Text(kProfile + "\\Preferences"), kPreferences);
    EXPECT_EQ(Text(kProfile + "\\Secure Preferences"), kSecure);
    EXPECT_TRUE(Exists(Folder() + "\\manifest.json"));
    EXPECT_TRUE(machine.registry.KeyExists(RegistryRoot::LocalMachine, kKey));
    EXPECT_TRUE(
        LoadQuarantineEntries(machine.fileSystem, machine.textCodec, app->DataFolder).empty());
    EXPECT_EQ(Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved->ItemCount(), 1);
}

// Firefox: the add-on's package and its entry of extensions.json, and its
// registry value; not while Firefox holds the profile.
TEST_F(ExtensionRemoval, AFirefoxAddonGoesOnlyWithFirefoxClosedAndComesBackWholly) {
    const std::string firefox = "C:\\Users\\alice\\AppData\\Roaming\\Mozilla\\Firefox";
    const std::string profile = firefox + "\\Profiles\\ab.default";
    const std::string package = profile + "\\extensions\\evil@example.xpi";
    const std::string addons = std::string(R"({"schemaVersion":36,"addons":[)") +
                               R"({"id":"good@example","location":"app-profile"},)" +
                               R"({"id":"evil@example","location":"app-profile","path":")" +
                               base::ReplaceAll(package, "\\", "\\\\") + R"("}]})";
    const std::string key = "SOFTWARE\\Mozilla\\Firefox\\Extensions";
    machine.fileSystem.AddFile(firefox + "\\profiles.ini",
                               "[Profile0]\r\nName=default\r\nIsRelative=1\r\nPath=Profiles/"
                               "ab.default\r\n");
    machine.fileSystem.AddFile(profile + "\\extensions.json", addons);
    machine.fileSystem.AddFile(package, "PK-evil");
    machine.registry.SetString(RegistryRoot::CurrentUser, key, "evil@example", "C:\\Evil\\addon");
    // Only the add-on is defined now.
    Definitions("ExtensionDefinition.dat", {"evil@example=EvilAddon|firefox"});
    Scan();
    ASSERT_EQ(Main().lvwPicRemoveListOfSpywareFoundAndToBeRemoved->ItemCount(), 1);

    machine.fileSystem.AddFile(profile + "\\parent.lock").locked = true;
    scan::cmdSelectAll_Click(*app);
    Delete();
    ASSERT_EQ(Problems().size(), 1U);
    EXPECT_NE(Problems()[0].find("Close Firefox and try again"), std::string::npos);
    EXPECT_EQ(Text(profile + "\\extensions.json"), addons);
    EXPECT_EQ(Text(package), "PK-evil");

    machine.fileSystem.Find(profile + "\\parent.lock")->locked = false;
    app->frmDelete.lstProblem->Clear();
    scan::cmdSelectAll_Click(*app);
    Delete();
    EXPECT_TRUE(Problems().empty());
    EXPECT_FALSE(Exists(package));
    EXPECT_EQ(Text(profile + "\\extensions.json"),
              R"({"schemaVersion":36,"addons":[{"id":"good@example","location":"app-profile"}]})");
    EXPECT_FALSE(machine.registry.String(RegistryRoot::CurrentUser, key, "evil@example"));

    // Firefox has rewritten its list since: the add-on's entry goes back
    // into it, and what Firefox changed stays.
    machine.fileSystem.AddFile(profile + "\\extensions.json",
                               R"({"schemaVersion":37,"addons":[]})");
    for (const QuarantineEntry& entry :
         ListQuarantine(machine.fileSystem, machine.textCodec, app->DataFolder)) {
        if (entry.location.starts_with(firefox) ||
            entry.location.starts_with("HKEY_CURRENT_USER")) {
            EXPECT_EQ(RestoreQuarantined(*app, entry, RestorePlace::Original).outcome,
                      RestoreOutcome::Restored)
                << entry.location;
        }
    }
    EXPECT_EQ(Text(package), "PK-evil");
    EXPECT_EQ(Text(profile + "\\extensions.json"),
              std::string(R"({"schemaVersion":37,"addons":[{"id":"evil@example",)") +
                  R"("location":"app-profile","path":")" + base::ReplaceAll(package, "\\", "\\\\") +
                  R"("}]})");
    EXPECT_EQ(machine.registry.String(RegistryRoot::CurrentUser, key, "evil@example"),
              "C:\\Evil\\addon");
}

}  // namespace
}  // namespace removal
