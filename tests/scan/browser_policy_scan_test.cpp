#include "scan/browser_policy_scan.h"

#include "base/json_reader.h"

#include "scan_fixture.h"

namespace scan {
namespace {

using platform::RegistryRoot;

constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;

constexpr char kChrome[] = "SOFTWARE\\Policies\\Google\\Chrome";
constexpr char kEdge[] = "SOFTWARE\\Policies\\Microsoft\\Edge";
constexpr char kBrave[] = "SOFTWARE\\Policies\\BraveSoftware\\Brave";
constexpr char kFirefox[] = "SOFTWARE\\Policies\\Mozilla\\Firefox";
constexpr char kFirefoxFile[] = "C:\\Program Files\\Mozilla Firefox\\distribution\\policies.json";

class BrowserPolicyScan : public testing::ScanFixture {
protected:
    BrowserPolicyScan() { SetUserSetting("OptionAndSettings", "chkScanCookies", "0"); }

    void Set(RegistryRoot root, std::string_view key, std::string_view name,
             std::string_view text) {
        machine.registry.SetString(root, key, name, text);
    }
    // Every removal-list row as "name | location | type".
    std::vector<std::string> Findings() {
        std::vector<std::string> rows;
        for (int row = 0; row < Removal().ItemCount(); ++row) {
            const ui::ListItem& item = Removal().Item(row);
            rows.push_back(item.text + " | " + item.SubItem(1) + " | " + item.SubItem(2));
        }
        return rows;
    }
    std::vector<std::string> RegistryTraces() {
        std::vector<std::string> rows;
        const ui::ListView& traces = *Main().lvwRegistryToBeDeleted;
        for (int row = 0; row < traces.ItemCount(); ++row) {
            const ui::ListItem& item = traces.Item(row);
            rows.push_back(item.text + " " + item.SubItem(1) + " " + item.SubItem(2));
        }
        return rows;
    }
};

// Every kind of policy, in the registry's stores and views and in a policy
// file, is a finding of its own named for what it does.
TEST_F(BrowserPolicyScan, EveryKindOfPolicyInEveryPlaceIsAFindingNamedForWhatItDoes) {
    machine.Model64BitWindows();
    const std::string wowChrome = "SOFTWARE\\WOW6432Node\\Policies\\Google\\Chrome";
    const std::string wowFirefox = "SOFTWARE\\WOW6432Node\\Policies\\Mozilla\\Firefox";
    Set(kMachine, kChrome, "HomepageLocation", "http://start.example");
    Set(kMachine, kChrome, "ExtensionSettings",
        R"({"abc": {"installation_mode": "force_installed"}, "ok": {"installation_mode": )"
        R"("allowed"}, "def": {"installation_mode": "normal_installed"}})");
    Set(kMachine, wowChrome, "NewTabPageLocation", "http://tab.example");
    Set(kMachine, std::string(kChrome) + "\\ExtensionInstallForcelist", "1",
        "evilid;https://clients2.example/crx");
    Set(kUser, kEdge, "DefaultSearchProviderSearchURL", "http://find.example/?q={searchTerms}");
    machine.registry.SetValue(kUser, kEdge, "DefaultSearchProviderEnabled",
                              {platform::reg_type::kDword, std::string("\x01\0\0\0", 4)});
    Set(kUser, std::string(kBrave) + "\\RestoreOnStartupURLs", "1", "http://first.example");
    Set(kMachine, std::string(kFirefox) + "\\Homepage", "URL", "http://fox.example");
    Set(kUser, std::string(kFirefox) + "\\SearchEngines", "Default", "EvilSearch");
    Set(kMachine, wowFirefox + "\\SearchEngines\\Add\\1", "Name", "Added");
    Set(kMachine, wowFirefox + "\\Extensions\\Install", "1", "https://addons.example/x.xpi");
    // Policies that take nothing over are no findings.
    Set(kMachine, kChrome, "PasswordManagerEnabled", "0");
    machine.fileSystem.AddFile(kFirefoxFile,
                               R"({"policies": {"Homepage": {"URL": "http://file.example"},)"
                               R"( "ExtensionSettings": {"x@evil": {"installation_mode": )"
                               R"("force_installed"}}, "DisableTelemetry": true}})");
    Scan();

    // The values of one key in the order the registry lists them (here by name).
    EXPECT_EQ(
        Findings(),
        (std::vector<std::string>{
            "Chrome start page set to http://start.example | "
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies\\Google\\Chrome\\HomepageLocation | "
            "Browser policy",
            "Chrome forces extension abc, def | "
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies\\Google\\Chrome\\ExtensionSettings | "
            "Browser policy",
            "Chrome forces extension evilid | HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies\\Google\\"
            "Chrome\\ExtensionInstallForcelist\\1 | Browser policy",
            "Firefox start page set to http://fox.example | "
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies\\Mozilla\\Firefox\\Homepage\\URL | "
            "Browser policy",
            "Chrome new tab page set to http://tab.example | HKEY_LOCAL_MACHINE\\SOFTWARE\\"
            "WOW6432Node\\Policies\\Google\\Chrome\\NewTabPageLocation | Browser policy",
            "Firefox adds search engine Added | HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\"
            "Policies\\Mozilla\\Firefox\\SearchEngines\\Add\\1 | Browser policy",
            "Firefox forces extension https://addons.example/x.xpi | HKEY_LOCAL_MACHINE\\"
            "SOFTWARE\\WOW6432Node\\Policies\\Mozilla\\Firefox\\Extensions\\Install\\1 | "
            "Browser policy",
            "Edge search setting DefaultSearchProviderEnabled set to 1 | HKEY_CURRENT_USER\\"
            "SOFTWARE\\Policies\\Microsoft\\Edge\\DefaultSearchProviderEnabled | Browser policy",
            "Edge search engine set to http://find.example/?q={searchTerms} | "
            "HKEY_CURRENT_USER\\SOFTWARE\\Policies\\Microsoft\\Edge\\"
            "DefaultSearchProviderSearchURL | Browser policy",
            "Brave opens http://first.example at start | HKEY_CURRENT_USER\\SOFTWARE\\Policies\\"
            "BraveSoftware\\Brave\\RestoreOnStartupURLs\\1 | Browser policy",
            "Firefox search engine set to EvilSearch | HKEY_CURRENT_USER\\SOFTWARE\\Policies\\"
            "Mozilla\\Firefox\\SearchEngines\\Default | Browser policy",
            std::string("Firefox start page set to http://file.example; Firefox forces extension "
                        "x@evil | ") +
                kFirefoxFile + " | Browser policy",
        }));
    // Each registry finding is the one value (the added engine its whole
    // key) that the removal deletes where it was found.
    const std::vector<std::string> traces = RegistryTraces();
    ASSERT_EQ(traces.size(), 11U);
    EXPECT_EQ(traces[2],
              "-2147483646 SOFTWARE\\Policies\\Google\\Chrome\\"
              "ExtensionInstallForcelist 1");
    EXPECT_EQ(traces[5], "-2147483646 " + wowFirefox + "\\SearchEngines\\Add\\1 ");
    EXPECT_EQ(traces[8],
              "-2147483647 SOFTWARE\\Policies\\Microsoft\\Edge "
              "DefaultSearchProviderSearchURL");
    ASSERT_EQ(Main().lvwFilesToBeDeleted->ItemCount(), 1);
    EXPECT_EQ(Main().lvwFilesToBeDeleted->Item(0).text, kFirefoxFile);
    EXPECT_EQ(app->scan.ThreatsFound, 12);
    EXPECT_EQ(Caption(Main().lbltracesFound), "12");
    EXPECT_EQ(Caption(Main().lblRegistryInspected), "12");
    // Unchecked, like every finding.
    for (int row = 0; row < Removal().ItemCount(); ++row) {
        EXPECT_FALSE(Removal().Item(row).checked);
    }
}

TEST_F(BrowserPolicyScan, OnAManagedMachineThePoliciesAreTheOrganisationsAndNoFindings) {
    Set(kMachine, kChrome, "HomepageLocation", "http://intranet.example");
    machine.fileSystem.AddFile(kFirefoxFile, R"({"policies": {"Homepage": {"URL": "x"}}})");
    machine.deviceManagement.managed = true;
    Scan();
    EXPECT_EQ(Removal().ItemCount(), 0);
    EXPECT_EQ(Main().lvwRegistryToBeDeleted->ItemCount(), 0);
    EXPECT_EQ(Main().lvwFilesToBeDeleted->ItemCount(), 0);
    EXPECT_EQ(Summary(), std::vector<std::string>{app->Message("MSG_POLICY_MANAGED")});
}

TEST_F(BrowserPolicyScan, ExcludedAndSafeListedPoliciesAreKept) {
    Set(kMachine, kChrome, "HomepageLocation", "http://mine.example");
    Set(kUser, kEdge, "HomepageLocation", "http://work.example");
    Set(kUser, kBrave, "NewTabPageLocation", "http://evil.example");
    machine.fileSystem.AddFile(kFirefoxFile, R"({"policies": {"Homepage": {"URL": "x"}}})");
    // The policy file by its location and Edge's by its name, as the Exclude
    // button writes both; Chrome's by the safe list.
    machine.fileSystem.AddFile(
        DataFile("ENoSignature.dat"),
        std::string(kFirefoxFile) + "\r\nedge start page set to http://work.example\r\n");
    app->exclusions.LoadExclusions(machine.fileSystem, machine.textCodec, machine.eventLoop,
                                   app->DataFolder);
    machine.fileSystem.AddFile(DataFile("Safety.dat"),
                               definitions::EncodeDefinitionLine(
                                   "SREG|x|2^SOFTWARE\\Policies\\Google\\Chrome^HomepageLocation") +
                                   "\r\n");
    Scan();
    EXPECT_EQ(Findings(), std::vector<std::string>{
                              "Brave new tab page set to http://evil.example | HKEY_CURRENT_USER\\"
                              "SOFTWARE\\Policies\\BraveSoftware\\Brave\\NewTabPageLocation | "
                              "Browser policy"});
    EXPECT_EQ(Summary(), (std::vector<std::string>{
                             "EXCLUDED: HKEY_CURRENT_USER\\SOFTWARE\\Policies\\Microsoft\\Edge\\"
                             "HomepageLocation",
                             "Brave new tab page set to http://evil.example - Found",
                             std::string("EXCLUDED: ") + kFirefoxFile}));
}

// What is not JSON the browsers do not apply either; what is beyond the
// reader's limits they may, and it is said rather than passed over.
TEST_F(BrowserPolicyScan, MalformedPoliciesSetNothingAndUnreadOnesAreSaid) {
    machine.Model64BitWindows();
    const std::string longAddress = "http://" + std::string(5000, 'a') + ".example";
    Set(kMachine, kChrome, "ExtensionSettings", R"({"abc": {"installation_mode": )");
    Set(kMachine, kEdge, "ExtensionSettings", std::string(100, '[') + std::string(100, ']'));
    Set(kMachine, kBrave, "HomepageLocation", longAddress);
    machine.fileSystem.AddFile(kFirefoxFile, "{\"policies\": {\"Homepage\": {\"URL\": \"x\"}},}");
    const std::string otherFile =
        "C:\\Program Files (x86)\\Mozilla Firefox\\distribution\\policies.json";
    machine.fileSystem.AddFile(
        otherFile, "{\"policies\": {}, \"pad\": \"" + std::string(base::kJsonMaxSize, ' ') + "\"}");
    Scan();
    ASSERT_EQ(Removal().ItemCount(), 3) << ::testing::PrintToString(Findings());
    EXPECT_EQ(Removal().Item(0).text, "Edge policy that cannot be read: ExtensionSettings");
    EXPECT_EQ(Removal().Item(0).SubItem(1),
              "HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies\\Microsoft\\Edge\\ExtensionSettings");
    // The name tells the address apart without carrying all of it.
    EXPECT_LT(Removal().Item(1).text.size(), 300U);
    EXPECT_TRUE(Removal().Item(1).text.starts_with("Brave start page set to http://aaa"));
    EXPECT_EQ(Removal().Item(2).text, "Firefox policy that cannot be read: " + otherFile);
    EXPECT_EQ(Main().lvwFilesToBeDeleted->Item(0).text, otherFile);
}

// The shapes the browsers' own documentation gives besides the plain ones:
// Firefox's template writes ExtensionSettings as a multi-string, Chromium
// takes a dictionary as a key tree and a list as one JSON string, and the
// Recommended keys set the pages and the search engine too.
TEST_F(BrowserPolicyScan, EveryShapeTheBrowsersApplyIsRead) {
    machine.registry.SetValue(
        kMachine, kFirefox, "ExtensionSettings",
        {platform::reg_type::kMultiString,
         std::string("{\n  \"evil@fox\": {\n\0    \"installation_mode\": \"force_installed\"\0"
                     "  }\n}\0\0",
                     70)});
    const std::string tree = std::string(kChrome) + "\\ExtensionSettings";
    Set(kMachine, tree + "\\treeid", "installation_mode", "force_installed");
    Set(kMachine, tree + "\\okid", "installation_mode", "allowed");
    Set(kMachine, tree + "\\*", "installation_mode", "force_installed");
    Set(kUser, kChrome, "ExtensionInstallForcelist",
        R"(["jsonid;https://clients2.example/crx", "second"])");
    Set(kUser, kEdge, "RestoreOnStartupURLs", R"(["http://one.example", "http://two.example"])");
    const std::string chromeRecommended = std::string(kChrome) + "\\Recommended";
    const std::string edgeRecommended = std::string(kEdge) + "\\Recommended";
    Set(kMachine, chromeRecommended, "HomepageLocation", "http://rec.example");
    Set(kMachine, chromeRecommended + "\\RestoreOnStartupURLs", "1", "http://startup.example");
    Set(kUser, edgeRecommended, "NewTabPageLocation", "http://tab.example");
    Set(kUser, edgeRecommended, "DefaultSearchProviderSearchURL", "http://find.example/?q=x");
    // Not recommendable: no browser applies it from there.
    Set(kUser, edgeRecommended, "ExtensionSettings",
        R"({"recid": {"installation_mode": "force_installed"}})");
    Scan();
    EXPECT_EQ(Findings(),
              (std::vector<std::string>{
                  "Chrome forces extension treeid | HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies\\"
                  "Google\\Chrome\\ExtensionSettings\\treeid | Browser policy",
                  "Chrome start page set to http://rec.example | HKEY_LOCAL_MACHINE\\SOFTWARE\\"
                  "Policies\\Google\\Chrome\\Recommended\\HomepageLocation | Browser policy",
                  "Chrome opens http://startup.example at start | HKEY_LOCAL_MACHINE\\SOFTWARE\\"
                  "Policies\\Google\\Chrome\\Recommended\\RestoreOnStartupURLs\\1 | "
                  "Browser policy",
                  "Firefox forces extension evil@fox | HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies\\"
                  "Mozilla\\Firefox\\ExtensionSettings | Browser policy",
                  "Chrome forces extension jsonid, second | HKEY_CURRENT_USER\\SOFTWARE\\"
                  "Policies\\Google\\Chrome\\ExtensionInstallForcelist | Browser policy",
                  "Edge opens http://one.example, http://two.example at start | "
                  "HKEY_CURRENT_USER\\SOFTWARE\\Policies\\Microsoft\\Edge\\"
                  "RestoreOnStartupURLs | Browser policy",
                  "Edge new tab page set to http://tab.example | HKEY_CURRENT_USER\\SOFTWARE\\"
                  "Policies\\Microsoft\\Edge\\Recommended\\NewTabPageLocation | Browser policy",
                  "Edge search engine set to http://find.example/?q=x | HKEY_CURRENT_USER\\"
                  "SOFTWARE\\Policies\\Microsoft\\Edge\\Recommended\\"
                  "DefaultSearchProviderSearchURL | Browser policy",
              }));
    // The extension's key is the policy: the removal deletes it whole.
    ASSERT_FALSE(RegistryTraces().empty());
    EXPECT_EQ(RegistryTraces().front(), "-2147483646 " + tree + "\\treeid ");
}

// Read as the browsers read it, nothing hides behind a repeated name or a
// lone half of a surrogate pair.
TEST_F(BrowserPolicyScan, NoPolicyHidesBehindARepeatedNameOrABrokenCharacter) {
    Set(kMachine, kChrome, "ExtensionSettings",
        R"({"hid": {"installation_mode": "force_installed"}, "hid": {"installation_mode": )"
        R"("allowed"}, "two": {"installation_mode": "force_installed", )"
        R"("installation_mode": "blocked"}, "\ud800x": {"installation_mode": "allowed"}})");
    machine.fileSystem.AddFile(
        kFirefoxFile,
        R"({"policies": {"Homepage": {"URL": "http://first.example"}, )"
        R"("Homepage": {"URL": "http://last\ud800.example"}, "ExtensionSettings": )"
        R"({"a@x": {"installation_mode": "force_installed"}}, "ExtensionSettings": {}}})");
    Scan();
    EXPECT_EQ(Findings(),
              (std::vector<std::string>{
                  "Chrome forces extension hid, two | HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies\\"
                  "Google\\Chrome\\ExtensionSettings | Browser policy",
                  std::string("Firefox start page set to http://last\xEF\xBF\xBD.example; Firefox "
                              "forces extension a@x | ") +
                      kFirefoxFile + " | Browser policy",
              }));
}

// "Yes, keep it" in the policy shield makes the policy the user's: a scan
// (and so a scheduled one that removes everything) leaves it alone while it
// stays as it was kept.
TEST_F(BrowserPolicyScan, APolicyTheUserKeptIsNoFindingUntilItChanges) {
    Set(kMachine, kChrome, "HomepageLocation", "http://mine.example");
    Set(kUser, kEdge, "HomepageLocation", "http://changed.example");
    SetUserSetting("KeptBrowserPolicies",
                   "HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies\\Google\\Chrome\\HomepageLocation",
                   "http://mine.example");
    SetUserSetting("KeptBrowserPolicies",
                   "HKEY_CURRENT_USER\\SOFTWARE\\Policies\\Microsoft\\Edge\\HomepageLocation",
                   "http://kept.example");
    Scan();
    EXPECT_EQ(Findings(), std::vector<std::string>{
                              "Edge start page set to http://changed.example | HKEY_CURRENT_USER\\"
                              "SOFTWARE\\Policies\\Microsoft\\Edge\\HomepageLocation | "
                              "Browser policy"});
}

TEST_F(BrowserPolicyScan, WithoutTheRegistryScanThePoliciesAreNotRead) {
    Set(kMachine, kChrome, "HomepageLocation", "http://start.example");
    SetUserSetting("OptionAndSettings", "chkScanRegistry", "False");
    Scan();
    EXPECT_EQ(Removal().ItemCount(), 0);
}

}  // namespace
}  // namespace scan
