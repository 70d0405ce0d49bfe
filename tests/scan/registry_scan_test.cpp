#include "scan/registry_scan.h"

#include "scan/registry_lookup.h"
#include "scan/registry_views.h"
#include "scan_fixture.h"

namespace scan {
namespace {

using platform::RegistryRoot;

constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class RegistryScan : public testing::ScanFixture {
protected:
    void SetString(std::string_view path, std::string_view name, std::string_view text) {
        machine.registry.SetString(RegistryRoot::CurrentUser, path, name, text);
    }
    std::string Trace(int row, int column) {
        const ui::ListItem& item = Main().lvwRegistryToBeDeleted->Item(row);
        return column == 0 ? item.text : item.SubItem(column);
    }
};

TEST_F(RegistryScan, AThreatWithAKeyAndAValueGivesOneThreatAndTwoTraces) {
    SetString("Software\\EvilBar", "Version", "1");
    SetString(kRun, "EvilBar", "evilbar.exe");
    Definitions("RegistryDefinition.dat", {"1^Software\\EvilBar^=EvilBar|Toolbar",
                                           std::string("1^") + kRun + "^EvilBar^=EvilBar"});
    Scan();

    EXPECT_EQ(Summary(), std::vector<std::string>{"EvilBar - Found"});
    ASSERT_EQ(Removal().ItemCount(), 1);
    EXPECT_EQ(Removal().Item(0).text, "EvilBar");
    EXPECT_EQ(Removal().Item(0).smallIcon, kIconRegistry);
    EXPECT_EQ(Removal().Item(0).SubItem(1), "HKEY_CURRENT_USER\\Software\\EvilBar");
    EXPECT_EQ(Removal().Item(0).SubItem(2), "Toolbar");
    ASSERT_EQ(Main().lvwRegistryToBeDeleted->ItemCount(), 2);
    EXPECT_EQ(Trace(0, 0), "-2147483647");
    EXPECT_EQ(Trace(0, 1), "Software\\EvilBar");
    EXPECT_EQ(Trace(0, 2), "");
    EXPECT_EQ(Trace(1, 2), "EvilBar");
    EXPECT_EQ(Trace(1, 3), "EvilBar");
    EXPECT_EQ(Caption(Main().lbltracesFound), "2");
    EXPECT_EQ(Caption(Main().lblRegistryInspected), "2");
    EXPECT_EQ(app->scan.ThreatsFound, 1);
}

TEST_F(RegistryScan, TheTypeTextBelongsToItsOwnRecord) {
    SetString("Software\\Tool", "", "");
    SetString("Software\\Other", "", "");
    Definitions("RegistryDefinition.dat",
                {"1^Software\\Tool^=Tool|Adware", "1^Software\\Tool^=Tool|Adware",
                 "1^Software\\Other^=Other"});
    Scan();
    ASSERT_EQ(Removal().ItemCount(), 2);
    EXPECT_EQ(Removal().Item(1).text, "Other");
    EXPECT_EQ(Removal().Item(1).SubItem(2), "");
}

TEST_F(RegistryScan, UnusableRootsAreNeitherCountedNorReported) {
    SetString("Software\\Evil", "", "");
    Definitions("RegistryDefinition.dat", {"7^Software\\Evil^=Evil", " ^Software\\Evil^=Evil",
                                           "no equals sign", "1^only two fields=Evil"});
    Scan();
    EXPECT_EQ(app->scan.RegistryEntriesInspected, 0);
    EXPECT_TRUE(Summary().empty());
}

TEST_F(RegistryScan, AWordForARootReadsAsClassesRoot) {
    machine.registry.SetString(RegistryRoot::ClassesRoot, "EvilBar.Helper", "", "");
    Definitions("RegistryDefinition.dat", {"HKLM^EvilBar.Helper^=EvilBar"});
    Scan();
    EXPECT_EQ(Summary(), std::vector<std::string>{"EvilBar - Found"});
    EXPECT_EQ(Removal().Item(0).SubItem(1), "HKEY_CLASSES_ROOT\\EvilBar.Helper");
}

TEST_F(RegistryScan, ABareRootIsCountedButNeverReported) {
    Definitions("RegistryDefinition.dat", {"1^^=Everything", "1^ ^Value^=Everything"});
    SetString("", "Value", "x");
    Scan();
    EXPECT_EQ(app->scan.RegistryEntriesInspected, 2);
    EXPECT_TRUE(Summary().empty());
    EXPECT_EQ(Main().lvwRegistryToBeDeleted->ItemCount(), 0);
}

TEST_F(RegistryScan, ValuesOfOtherTypesThanStringAndNumberAreNotReported) {
    machine.registry.SetValue(RegistryRoot::CurrentUser, "Software\\Evil", "Blob",
                              {platform::reg_type::kBinary, "\x01\x02"});
    machine.registry.SetValue(RegistryRoot::CurrentUser, "Software\\Evil", "Count",
                              {platform::reg_type::kDword, std::string("\x05\0\0\0", 4)});
    Definitions("RegistryDefinition.dat",
                {"1^Software\\Evil^Blob^=Blobby", "1^Software\\Evil^Count^=Counter"});
    Scan();
    EXPECT_EQ(Summary(), std::vector<std::string>{"Counter - Found"});
}

TEST_F(RegistryScan, NamelessTracesShowAsKeysOrNotAtAll) {
    SetString("Software\\Nameless", "Value", "x");
    Definitions("RegistryDefinition.dat",
                {"1^Software\\Nameless^Value^= ", "1^Software\\Nameless^=  "});
    Scan();
    EXPECT_EQ(Main().lvwRegistryToBeDeleted->ItemCount(), 2);
    EXPECT_EQ(Caption(Main().lbltracesFound), "2");
    EXPECT_EQ(Summary(), std::vector<std::string>{"RegKey Software\\Nameless - Found"});
    ASSERT_EQ(Removal().ItemCount(), 1);
    EXPECT_EQ(Removal().Item(0).text, "Software\\Nameless");
    EXPECT_EQ(Removal().Item(0).SubItem(1), "HKEY_CURRENT_USER\\Software\\Nameless");
}

TEST_F(RegistryScan, ExcludingAKeyExcludesItsValuesToo) {
    SetString("Software\\Evil", "Autorun", "x");
    machine.fileSystem.AddFile(DataFile("ENoSignature.dat"),
                               "hkey_current_user\\software\\evil\r\n");
    app->exclusions.LoadExclusions(machine.fileSystem, machine.textCodec, machine.eventLoop,
                                   app->DataFolder);
    Definitions("RegistryDefinition.dat", {"1^Software\\Evil^Autorun^=Evil"});
    Scan();
    EXPECT_EQ(Summary(),
              std::vector<std::string>{"EXCLUDED: HKEY_CURRENT_USER\\Software\\EvilAutorun"});
    EXPECT_EQ(Caption(Main().lbltracesFound), "0");
    EXPECT_EQ(Removal().ItemCount(), 0);
}

TEST_F(RegistryScan, SafeListedLocationsAreNotReported) {
    SetString("Software\\Good", "", "");
    SetString(kRun, "Helper", "helper.exe");
    machine.fileSystem.AddFile(
        DataFile("Safety.dat"),
        definitions::EncodeDefinitionLine("SREG|x|1^Software\\Good") + "\r\n" +
            definitions::EncodeDefinitionLine(std::string("SREG|x|1^") + kRun + "^Helper") +
            "\r\n");
    Definitions("RegistryDefinition.dat",
                {"1^Software\\Good^=Good", std::string("1^") + kRun + "^Helper^=Helper"});
    Scan();
    EXPECT_TRUE(Summary().empty());
}

TEST_F(RegistryScan, ValueNamesWithDoubledBackslashesAreUsedWithSingleOnes) {
    SetString("Software\\Evil", "C:\\evil.exe", "1");
    Definitions("RegistryDefinition.dat", {"1^Software\\Evil^C:\\\\evil.exe^=Evil"});
    Scan();
    ASSERT_EQ(Main().lvwRegistryToBeDeleted->ItemCount(), 1);
    EXPECT_EQ(Trace(0, 2), "C:\\evil.exe");
    EXPECT_EQ(Removal().Item(0).SubItem(1), "HKEY_CURRENT_USER\\Software\\EvilC:\\evil.exe");
}

// Machine-wide keys refuse writes to a standard user, and to an
// administrator's filtered rights, which is how the program usually runs;
// and a key may refuse even reading. They are there all the same.
TEST_F(RegistryScan, MachineKeysAndValuesThatRefuseWritesAreFound) {
    machine.ModelStandardUser();
    machine.registry.SetString(RegistryRoot::LocalMachine, "Software\\Evil", "Value", "x");
    machine.registry.SetString(RegistryRoot::LocalMachine, "Software\\Sealed", "", "");
    machine.registry.DenyAccess(RegistryRoot::LocalMachine, "Software\\Sealed",
                                platform::reg_access::kRead);
    Definitions("RegistryDefinition.dat", {"2^Software\\Evil^=Evil", "2^Software\\Evil^Value^=Evil",
                                           "2^Software\\Sealed^=Sealed"});
    Scan();
    EXPECT_EQ(Summary(), (std::vector<std::string>{"Evil - Found", "Sealed - Found"}));
    EXPECT_EQ(Caption(Main().lbltracesFound), "3");
}

TEST_F(RegistryScan, OnSixtyFourBitWindowsEachViewsTraceIsARowOfItsOwnAndTheRecordCountsOnce) {
    machine.Model64BitWindows();
    fakes::FakeRegistry& registry = machine.registry;
    registry.SetString(RegistryRoot::LocalMachine, "SOFTWARE\\Evil", "Path", "evil64.exe");
    registry.SetString(RegistryRoot::LocalMachine, "SOFTWARE\\WOW6432Node\\Evil", "Path",
                       "evil32.exe");
    registry.SetString(RegistryRoot::LocalMachine, "SOFTWARE\\Loose", "", "");
    registry.SetString(RegistryRoot::LocalMachine, "SOFTWARE\\WOW6432Node\\Loose", "", "");
    // Keys that both views share, and one that only 32-bit programs have.
    SetString("Software\\Evil", "", "");
    registry.SetString(RegistryRoot::LocalMachine, "SOFTWARE\\Classes\\.evil", "", "");
    registry.SetString(RegistryRoot::ClassesRoot, "WOW6432Node\\CLSID\\{E}", "", "");
    Definitions("RegistryDefinition.dat",
                {"2^SOFTWARE\\Evil^Path^=Evil", "1^Software\\Evil^=Evil",
                 "2^SOFTWARE\\Classes\\.evil^=Evil", "0^CLSID\\{E}^=Evil",
                 "2^SOFTWARE\\WOW6432Node\\Evil^Path^=Evil", "2^SOFTWARE\\Loose^="});
    Scan();

    std::vector<std::string> traces;
    for (int row = 0; row < Main().lvwRegistryToBeDeleted->ItemCount(); ++row) {
        traces.push_back(Trace(row, 0) + " " + Trace(row, 1) + " " + Trace(row, 2));
    }
    EXPECT_EQ(traces, (std::vector<std::string>{
                          "-2147483646 SOFTWARE\\Evil Path",
                          "-2147483646 SOFTWARE\\WOW6432Node\\Evil Path",
                          "-2147483647 Software\\Evil ",
                          "-2147483646 SOFTWARE\\Classes\\.evil ",
                          "-2147483648 WOW6432Node\\CLSID\\{E} ",
                          "-2147483646 SOFTWARE\\WOW6432Node\\Evil Path",
                          "-2147483646 SOFTWARE\\Loose ",
                          "-2147483646 SOFTWARE\\WOW6432Node\\Loose ",
                      }));
    // A nameless key is a row of its own in each view, located where it is.
    EXPECT_EQ(Texts(Removal()), (std::vector<std::string>{"Evil", "SOFTWARE\\Loose",
                                                          "SOFTWARE\\WOW6432Node\\Loose"}));
    EXPECT_EQ(Removal().Item(2).SubItem(1), "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Loose");
    EXPECT_EQ(Caption(Main().lblRegistryInspected), "6");
    EXPECT_EQ(app->scan.ThreatsFound, 2);
    EXPECT_EQ(Caption(Main().lbltracesFound), "8");
}

TEST_F(RegistryScan, StopActsWhileALargeParentKeyIsListed) {
    for (int i = 0; i < 3000; ++i) {
        SetString("Software\\Big\\K" + std::to_string(i), "", "");
    }
    std::vector<std::string> lines;
    for (int i = 0; i < 20; ++i) {
        lines.push_back("1^Software\\Big\\Missing" + std::to_string(i) + "^=Missing");
    }
    Definitions("RegistryDefinition.dat", lines);
    machine.dialogs.answers = {platform::MessageAnswer::Yes};
    bool stoppedWhileListing = false;
    machine.eventLoop.onYield = [&] {
        if (machine.registry.listedNames > 0 && !app->scan.ScanStopRequested) {
            stoppedWhileListing = true;
            Main().cmdStop->Click();
        }
    };
    Scan();
    EXPECT_TRUE(stoppedWhileListing);
    EXPECT_LT(machine.registry.listedNames, 3000) << "the listing went on after Stop";
    EXPECT_EQ(Caption(Main().lblStatus0), "Scanning was cancelled.");
    EXPECT_EQ(app->scan.RegistryEntriesInspected, GroupedRegistryLookup::kListFrom);
}

TEST(RegistryViews, TheSystemsNameOfAKeyTellsWhereTheViewLed) {
    const struct {
        std::string_view requested;
        std::string_view kernelName;
        std::optional<std::string> path;
    } cases[] = {
        {"SOFTWARE\\Acme", "\\REGISTRY\\MACHINE\\SOFTWARE\\Wow6432Node\\Acme",
         "SOFTWARE\\WOW6432Node\\Acme"},
        {"software\\acme\\", "\\REGISTRY\\MACHINE\\SOFTWARE\\WOW6432NODE\\ACME",
         "software\\WOW6432Node\\acme"},
        // The classes of the machine or of the user, through the merged root.
        {"CLSID\\{E}", "\\REGISTRY\\MACHINE\\SOFTWARE\\Classes\\Wow6432Node\\CLSID\\{E}",
         "WOW6432Node\\CLSID\\{E}"},
        {"CLSID\\{E}", "\\REGISTRY\\USER\\S-1-5-21-7_Classes\\Wow6432Node\\CLSID\\{E}",
         "WOW6432Node\\CLSID\\{E}"},
        // Not led elsewhere: a user's key, a shared key, a link, a path that
        // names the 32-bit keys already, and a name the system did not give.
        {"Software\\Acme", "\\REGISTRY\\USER\\S-1-5-21-7\\Software\\Acme", std::nullopt},
        {"SOFTWARE\\Classes\\.txt", "\\REGISTRY\\MACHINE\\SOFTWARE\\Classes\\.txt", std::nullopt},
        {"SYSTEM\\CurrentControlSet\\Services\\Acme",
         "\\REGISTRY\\MACHINE\\SYSTEM\\ControlSet001\\Services\\Acme", std::nullopt},
        {"SOFTWARE\\WOW6432Node\\Acme", "\\REGISTRY\\MACHINE\\SOFTWARE\\Wow6432Node\\Acme",
         std::nullopt},
        {"SOFTWARE\\Acme", "", std::nullopt},
        // The 32-bit classes named through their link: the same key, reached
        // another way, not a second one.
        {"SOFTWARE\\Wow6432Node\\Classes\\CLSID\\{E}",
         "\\REGISTRY\\MACHINE\\SOFTWARE\\Classes\\Wow6432Node\\CLSID\\{E}", std::nullopt},
        {"SOFTWARE\\Wow6432Node\\Classes\\Evil",
         "\\REGISTRY\\MACHINE\\SOFTWARE\\Classes\\Wow6432Node\\Evil", std::nullopt},
        {"SOFTWARE\\Classes\\CLSID\\{E}",
         "\\REGISTRY\\MACHINE\\SOFTWARE\\Classes\\Wow6432Node\\CLSID\\{E}",
         "SOFTWARE\\Classes\\WOW6432Node\\CLSID\\{E}"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(RedirectedKeyPath(test.requested, test.kernelName), test.path)
            << test.requested << " named " << test.kernelName;
    }
}

TEST(RegistryReads, NumbersReadAsDecimalTextAndStringsWithoutTheirNul) {
    fakes::FakeRegistry registry;
    registry.SetValue(RegistryRoot::CurrentUser, "K", "n",
                      {platform::reg_type::kDword, std::string("\x2A\x01\0\0", 4)});
    registry.SetValue(RegistryRoot::CurrentUser, "K", "s", platform::StringValue("text"));
    registry.SetValue(RegistryRoot::CurrentUser, "K", "x",
                      {platform::reg_type::kExpandString, std::string("%a%\0", 4)});
    std::string value;
    EXPECT_TRUE(RegistryValueExists(registry, 0x80000001u, "K", "n", value));
    EXPECT_EQ(value, "298");
    EXPECT_TRUE(RegistryValueExists(registry, 0x80000001u, "K", "s", value));
    EXPECT_EQ(value, "text");
    EXPECT_TRUE(RegistryValueExists(registry, 0x80000001u, "K", "x", value));
    EXPECT_EQ(value, "%a%");
    EXPECT_FALSE(RegistryValueExists(registry, 0x80000001u, "K", "missing", value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(RegistryKeyExists(registry, 0x80000001u, "Missing"));
}

}  // namespace
}  // namespace scan
