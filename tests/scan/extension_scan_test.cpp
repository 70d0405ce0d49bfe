#include "scan/extension_scan.h"

#include "removal/removal_run.h"
#include "report/scan_report.h"
#include "scan/finding_lists.h"

#include "scan_fixture.h"

namespace scan {
namespace {

using browsers::ExtensionSource;

constexpr char kChrome[] = "C:\\Users\\alice\\AppData\\Local\\Google\\Chrome\\User Data\\Default";
constexpr char kEvilId[] = "aaaabbbbccccddddeeeeffffgggghhhh";
constexpr char kDevId[] = "bbbbccccddddeeeeffffgggghhhhiiii";
constexpr char kTabId[] = "ccccddddeeeeffffgggghhhhiiiijjjj";
constexpr char kSafeId[] = "ddddeeeeffffgggghhhhiiiijjjjkkkk";
constexpr char kOwnId[] = "eeeeffffgggghhhhiiiijjjjkkkkllll";

// Which rules an extension that no definition names meets, by where it came
// from, what it changes and where its folder is.
TEST(ExtensionRisk, TheRulesSayEveryReasonAndSpareTheStoreAndTheOrganisation) {
    const std::string profile = "C:\\Users\\alice";
    const struct {
        ExtensionSource source;
        bool search;
        bool newTab;
        std::string folder;
        std::vector<std::string_view> reasons;
    } cases[] = {
        {ExtensionSource::Store, true, true, "", {}},
        {ExtensionSource::Policy, true, false, "", {}},
        {ExtensionSource::Browser, false, true, "", {}},
        {ExtensionSource::Other, false, false, "", {}},
        {ExtensionSource::Other, true, true, "", {"MSG_EXT_RISK_SEARCH", "MSG_EXT_RISK_NEWTAB"}},
        {ExtensionSource::Registry, false, false, "", {"MSG_EXT_RISK_REGISTRY"}},
        {ExtensionSource::ExternalFile,
         false,
         true,
         "",
         {"MSG_EXT_RISK_NEWTAB", "MSG_EXT_RISK_EXTERNAL"}},
        {ExtensionSource::CommandLine, false, false, "", {"MSG_EXT_RISK_COMMANDLINE"}},
        {ExtensionSource::Unpacked, false, false, "C:\\Users\\alice\\code\\ext", {}},
        {ExtensionSource::Unpacked,
         false,
         false,
         "C:\\Users\\alicebob\\ext",
         {"MSG_EXT_RISK_UNPACKED"}},
        {ExtensionSource::Unpacked,
         false,
         false,
         "C:\\Users\\alice\\AppData\\Local\\x",
         {"MSG_EXT_RISK_UNPACKED"}},
        {ExtensionSource::Unpacked, false, false, "C:\\ProgramData\\x", {"MSG_EXT_RISK_UNPACKED"}},
    };
    for (const auto& c : cases) {
        browsers::InstalledExtension found;
        found.extension.source = c.source;
        found.extension.overrides.searchProvider = c.search;
        found.extension.overrides.newTabPage = c.newTab;
        found.folder = c.folder;
        EXPECT_EQ(RiskReasons(found, profile), c.reasons)
            << static_cast<int>(c.source) << " " << c.folder;
    }
}

class ExtensionScan : public testing::ScanFixture {
protected:
    ExtensionScan() { SetUserSetting("OptionAndSettings", "chkScanCookies", "0"); }

    void Extension(std::string_view id, std::string_view settings, std::string_view manifest) {
        prefs +=
            (prefs.empty() ? "" : ", ") + ("\"" + std::string(id) + "\": ") + std::string(settings);
        machine.fileSystem.AddFile(
            std::string(kChrome) + "\\Extensions\\" + std::string(id) + "\\1.0_0\\manifest.json",
            std::string(manifest));
    }
    void WritePreferences() {
        machine.fileSystem.AddFile(std::string(kChrome) + "\\Secure Preferences",
                                   "{\"extensions\": {\"settings\": {" + prefs + "}}}");
        machine.fileSystem.AddFile(std::string(kChrome) + "\\Preferences",
                                   R"({"homepage": "https://start.example"})");
    }
    std::vector<std::string> Findings() {
        std::vector<std::string> rows;
        for (int row = 0; row < Removal().ItemCount(); ++row) {
            const ui::ListItem& item = Removal().Item(row);
            rows.push_back(item.text + " | " + item.SubItem(1) + " | " + item.SubItem(2));
        }
        return rows;
    }
    static std::string Folder(std::string_view id) {
        return std::string(kChrome) + "\\Extensions\\" + std::string(id) + "\\1.0_0";
    }

    std::string prefs;
};

// A defined extension and a risky unlisted one are findings, named with
// their browser and profile and counted; a store extension that takes the
// new tab page, a safe-listed one and an excluded one are not. Checked for
// removal while the browser runs, they are said in Delete Failed with what to
// do, nothing is changed, and they stay.
TEST_F(ExtensionScan, FindsDefinedAndRiskyExtensionsAndDoesNotCountThemAsRemoved) {
    Extension(kEvilId, R"({"location": 1})", R"({"name": "Search Helper", "version": "2.1"})");
    Extension(kDevId, R"({"location": 4, "path": "C:\\ProgramData\\dev"})", "");
    machine.fileSystem.AddFile("C:\\ProgramData\\dev\\manifest.json",
                               R"({"name": "Dev", "chrome_settings_overrides": )"
                               R"({"search_provider": {}}})");
    Extension(kTabId, R"({"location": 1})",
              R"({"name": "Tabs", "chrome_url_overrides": {"newtab": "t.html"}})");
    Extension(kSafeId, R"({"location": 3})", R"({"name": "Safe"})");
    Extension(kOwnId, R"({"location": 3})", R"({"name": "Mine"})");
    WritePreferences();
    const std::string preferences =
        machine.fileSystem.ReadWholeFile(std::string(kChrome) + "\\Secure Preferences").value();
    Definitions("ExtensionDefinition.dat",
                {"AAAABBBBCCCCDDDDEEEEFFFFGGGGHHHH=EvilSearch|chromium"});
    Definitions("Safety.dat", {std::string("SEXT|Safe|") + kSafeId});
    machine.fileSystem.AddFile(DataFile("ENoSignature.dat"), Folder(kOwnId) + "\r\n");
    app->exclusions.LoadExclusions(machine.fileSystem, machine.textCodec, machine.eventLoop,
                                   app->DataFolder);
    Scan();

    EXPECT_EQ(
        Findings(),
        (std::vector<std::string>{
            "EvilSearch (Chrome, Default): Search Helper 2.1 | " + Folder(kEvilId) +
                " | Browser extension",
            "Risky extension (Chrome, Default): Dev - Changes the search engine; Loaded from a "
            "folder outside your own | "
            "C:\\ProgramData\\dev | Browser extension",
        }));
    EXPECT_EQ(Caption(Main().lbltracesFound), "2");
    EXPECT_EQ(Caption(Main().lblSoftwareFound), "2");
    EXPECT_EQ(Summary().back(), "EXCLUDED: " + Folder(kOwnId));

    report::MakeReport(*app);
    const std::string report = machine.fileSystem.ReadWholeFile(DataFile("Scan_Log.txt")).value();
    EXPECT_NE(
        report.find("EvilSearch (Chrome, Default): Search Helper 2.1\r\n\r\n" + Folder(kEvilId)),
        std::string::npos);

    // Chrome runs: it holds its user data's lock file open.
    machine.fileSystem
        .AddFile("C:\\Users\\alice\\AppData\\Local\\Google\\Chrome\\User Data\\lockfile")
        .locked = true;
    cmdSelectAll_Click(*app);
    removal::lblRemove_Click(*app);
    EXPECT_EQ(app->frmDelete.lstProblem->ItemCount(), 2);
    EXPECT_NE(app->frmDelete.lstProblem->Items()[0].find("Close Chrome and try again"),
              std::string::npos);
    EXPECT_EQ(Removal().ItemCount(), 2);
    EXPECT_FALSE(Removal().Item(0).checked);
    EXPECT_TRUE(machine.fileSystem.DirectoryExists(Folder(kEvilId)));
    EXPECT_TRUE(machine.fileSystem.DirectoryExists("C:\\ProgramData\\dev"));
    EXPECT_EQ(machine.fileSystem.ReadWholeFile(std::string(kChrome) + "\\Secure Preferences"),
              preferences);
}

}  // namespace
}  // namespace scan
