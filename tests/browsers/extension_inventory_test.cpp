#include "browsers/extension_inventory.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "fakes/fake_ports.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_shell_folders.h"

namespace browsers {
namespace {

constexpr char kLocal[] = "C:\\Users\\alice\\AppData\\Local";
constexpr char kRoaming[] = "C:\\Users\\alice\\AppData\\Roaming";
constexpr char kStoreId[] = "aaaabbbbccccddddeeeeffffgggghhhh";
constexpr char kOffId[] = "bbbbccccddddeeeeffffgggghhhhiiii";
constexpr char kUnpackedId[] = "ccccddddeeeeffffgggghhhhiiiijjjj";
constexpr char kClimbId[] = "ddddeeeeffffgggghhhhiiiijjjjkkkk";
constexpr char kRegisteredId[] = "eeeeffffgggghhhhiiiijjjjkkkkllll";
constexpr char kLegacyId[] = "ffffgggghhhhiiiijjjjkkkkllllmmmm";
constexpr char kExternalId[] = "gggghhhhiiiijjjjkkkkllllmmmmnnnn";

std::string SourceText(ExtensionSource source) {
    constexpr const char* kNames[] = {"store",   "registry", "file",    "unpacked",
                                      "cmdline", "policy",   "browser", "other"};
    return kNames[static_cast<int>(source)];
}

class ExtensionInventory : public ::testing::Test {
protected:
    fakes::FakeFileSystem fs;
    fakes::FakeRegistry registry;
    fakes::FakeShellFolders folders;
    fakes::Windows1252Codec codec;

    // "browser|profile|id|name|version|source|on/off|folder|search home newtab"
    std::vector<std::string> Inventory() {
        std::vector<std::string> rows;
        for (const InstalledExtension& found : FindExtensions(folders, fs, registry, codec)) {
            const RecordedExtension& e = found.extension;
            rows.push_back(found.browser + "|" + found.profile + "|" + e.id + "|" + e.name + "|" +
                           e.version + "|" + SourceText(e.source) + "|" +
                           (e.enabled ? "on" : "off") + "|" + found.folder + "|" +
                           (e.overrides.searchProvider ? "S" : "") +
                           (e.overrides.homePage ? "H" : "") + (e.overrides.newTabPage ? "N" : ""));
        }
        return rows;
    }
};

// Profiles of the shapes the browsers write: where each kind of extension
// comes from, whether it is on, its name from its own locale, and files that
// are damaged, hostile or huge adding nothing or being cut down.
TEST_F(ExtensionInventory, ListsEveryExtensionOfEveryProfileAsTheBrowsersRecordThem) {
    const std::string chrome = std::string(kLocal) + "\\Google\\Chrome\\User Data";
    fs.AddFile(chrome + "\\Local State",
               R"({"profile": {"info_cache": {"Default": {}, "Profile 3": {}, "..\\..": {}}}})");
    // The settings of today's Chrome live in Secure Preferences, no manifest.
    fs.AddFile(chrome + "\\Default\\Secure Preferences",
               std::string(R"({"extensions": {"settings": {")") + kStoreId +
                   R"(": {"location": 1, "path": ")" + kStoreId +
                   R"(\\2.1_0", "disable_reasons": []}, ")" + kOffId +
                   R"(": {"location": 1, "disable_reasons": [1]}, ")" + kUnpackedId +
                   R"(": {"location": 4, "path": "C:\\dev\\helper"}, ")" + kClimbId +
                   R"(": {"location": 2, "path": "..\\..\\..\\Windows"}, "notanid": {}}}})");
    fs.AddFile(chrome + "\\Default\\Preferences", R"({"extensions": {"settings": {}}})");
    const std::string storeFolder = chrome + "\\Default\\Extensions\\" + kStoreId + "\\2.1_0";
    fs.AddFile(storeFolder + "\\manifest.json",
               R"({"name": "__MSG_appName__", "version": "2.1", "default_locale": "en"})");
    fs.AddFile(storeFolder + "\\_locales\\en\\messages.json",
               R"({"APPNAME": {"message": "Search Helper"}})");
    fs.AddFile(
        chrome + "\\Default\\Extensions\\" + kOffId + "\\1.0_0\\manifest.json",
        R"({"name": "Notes", "version": "1.0", "chrome_url_overrides": {"newtab": "t.html"}})");
    fs.AddFile("C:\\dev\\helper\\manifest.json",
               R"({"name": "Dev", "version": "0.1", "chrome_settings_overrides": )"
               R"({"search_provider": {"search_url": "http://find.example/?q={searchTerms}"}}})");
    // Listed in Local State, but its settings are damaged.
    fs.AddFile(chrome + "\\Profile 3\\Preferences", R"({"extensions": {"settings": {)");
    // An older Edge with the manifest in Preferences, a name of a megabyte.
    const std::string edge = std::string(kLocal) + "\\Microsoft\\Edge\\User Data\\Work";
    fs.AddFile(edge + "\\Preferences",
               std::string(R"({"extensions": {"settings": {")") + kLegacyId +
                   R"(": {"location": 3, "state": 1, "manifest": {"name": ")" +
                   std::string(1 << 20, 'x') + R"(", "version": "3"}}}}})");
    registry.SetString(platform::RegistryRoot::LocalMachine,
                       std::string("SOFTWARE\\Google\\Chrome\\Extensions\\") + kRegisteredId,
                       "update_url", "https://clients2.example/service/update2/crx");
    // Installers' requests: an external extensions file (one that says
    // nothing of where to get it is none), a Firefox registry value, a
    // distribution add-on.
    fs.AddFile(chrome + "\\External Extensions\\" + kExternalId + ".json",
               R"({"external_update_url": "https://clients2.example/service/update2/crx"})");
    fs.AddFile(chrome + "\\External Extensions\\" + kClimbId + ".json", R"({"x": 1})");
    registry.SetString(platform::RegistryRoot::CurrentUser,
                       "SOFTWARE\\Mozilla\\Firefox\\Extensions", "helper@example",
                       "C:\\ProgramData\\helper");
    fs.AddFile("C:\\Program Files\\Mozilla Firefox\\distribution\\extensions\\dist@example.xpi",
               "PK");
    // Firefox: profiles.ini naming a profile, its add-ons.
    const std::string firefox = std::string(kRoaming) + "\\Mozilla\\Firefox";
    fs.AddFile(firefox + "\\profiles.ini",
               "[Profile0]\r\nName=default\r\nIsRelative=1\r\nPath=Profiles/ab.default\r\n");
    fs.AddFile(
        firefox + "\\Profiles\\ab.default\\extensions.json",
        R"({"addons": [{"id": "blocker@example", "type": "extension", "version": "5",)"
        R"( "location": "app-profile", "active": true, "defaultLocale": {"name": "Blocker"},)"
        R"( "installTelemetryInfo": {"source": "amo"}, "path": "C:\\x\\blocker.xpi"},)"
        R"( {"id": "pushed@example", "location": "winreg-app-global", "active": false},)"
        R"( {"type": "extension"}, 7]})");
    // What Firefox wrote down that its add-ons asked to change, applied or
    // not (the manifests lie inside the packed files).
    fs.AddFile(firefox + "\\Profiles\\ab.default\\extension-settings.json",
               R"({"version": 3, "url_overrides": {"newTabURL": {"precedenceList": [)"
               R"({"id": "pushed@example", "value": "moz-extension://x/tab.html"}]}},)"
               R"( "prefs": {"homepage_override": {"precedenceList": [{"id": "pushed@example"},)"
               R"( {"value": "no id"}]}}, "default_search": {"defaultSearch": {"precedenceList":)"
               R"( [{"id": "pushed@example", "value": "Find", "enabled": false}]}}})");

    const std::string longName = std::string(kLongestExtensionText, 'x') + "...";
    EXPECT_EQ(
        Inventory(),
        (std::vector<std::string>{
            "Chrome|Default|" + std::string(kStoreId) + "|Search Helper|2.1|store|on|" +
                storeFolder + "|",
            "Chrome|Default|" + std::string(kOffId) + "|Notes|1.0|store|off|" + chrome +
                "\\Default\\Extensions\\" + kOffId + "\\1.0_0|N",
            "Chrome|Default|" + std::string(kUnpackedId) + "|Dev|0.1|unpacked|on|C:\\dev\\helper|S",
            "Chrome|Default|" + std::string(kClimbId) + "|||file|on||",
            "Chrome||" + std::string(kExternalId) + "|||file|on||",
            "Chrome||" + std::string(kRegisteredId) + "|||registry|on||",
            "Edge|Work|" + std::string(kLegacyId) + "|" + longName + "|3|registry|on||",
            "Firefox|ab.default|blocker@example|Blocker|5|store|on|C:\\x\\blocker.xpi|",
            "Firefox|ab.default|pushed@example|||registry|off||SHN",
            "Firefox||helper@example|||registry|on|C:\\ProgramData\\helper|",
            "Firefox||dist@example|||file|on|C:\\Program Files\\Mozilla "
            "Firefox\\distribution\\extensions\\dist@example.xpi|",
        }));
}

}  // namespace
}  // namespace browsers
