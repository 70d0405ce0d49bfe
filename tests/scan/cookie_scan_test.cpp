#include "scan/cookie_scan.h"

#include "scan/cookie_fields.h"
#include "scan_fixture.h"

namespace scan {
namespace {

const std::string kCookies = "C:\\Users\\alice\\AppData\\Local\\Microsoft\\Windows\\INetCookies";

TEST(CookieNames, TheSiteIsTakenFromTheFileName) {
    EXPECT_EQ(CookieFileSite("C:\\c\\alice@tracker[2].txt"), "tracker");
    EXPECT_EQ(CookieFileSite("C:\\c\\alice@tracker(1).txt"), "tracker");
    EXPECT_EQ(CookieFileSite("C:\\c\\alice@www.tracker.txt"), "www.tracker");
    EXPECT_EQ(CookieFileSite("C:\\c\\index.dat"), "");
    EXPECT_EQ(CookieFileSite("C:\\c\\alice@noext"), "");
}

TEST(CookieFields, CommasAndLineEndsSeparateAndQuotesHoldCommas) {
    EXPECT_EQ(ReadFields("a,b\r\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(ReadFields("\"x, y\" ,z\n"), (std::vector<std::string>{"x, y", "z"}));
    EXPECT_EQ(ReadFields("  padded  ,\t tab"), (std::vector<std::string>{"padded", "tab"}));
    EXPECT_EQ(ReadFields("\"open quote, never closed"),
              std::vector<std::string>{"open quote, never closed"});
    EXPECT_EQ(ReadFields(",,"), (std::vector<std::string>{"", "", ""}));
    EXPECT_TRUE(ReadFields("").empty());
}

TEST(BlockedCookies, EntriesAndSitesMatchWithoutTheirLastPart) {
    const std::vector<std::string> blocked{"tracker.example", "ads.big.example", "*counter.net",
                                           ""};
    EXPECT_TRUE(IsBlockedCookie(blocked, "tracker"));
    EXPECT_TRUE(IsBlockedCookie(blocked, "ads.big"));
    EXPECT_FALSE(IsBlockedCookie(blocked, "big")) << "B.A.T does not block A.T";
    EXPECT_TRUE(IsBlockedCookie(blocked, "counter")) << "the first star is dropped";
    EXPECT_FALSE(IsBlockedCookie(blocked, "Tracker")) << "the first filter compares case exactly";
    EXPECT_FALSE(IsBlockedCookie(blocked, "False"));
    EXPECT_FALSE(IsBlockedCookie(blocked, ""));
    EXPECT_FALSE(IsBlockedCookie({}, "tracker"));
}

class CookieScan : public testing::ScanFixture {
protected:
    void Cookie(const std::string& name, const std::string& content) {
        machine.fileSystem.AddFile(kCookies + "\\" + name, content);
    }
};

TEST_F(CookieScan, ATrackingCookieIsReportedWithItsThreeRows) {
    Cookie("alice@tracker[1].txt", "id\n42\ntracker.example/\n1024\n*\n");
    Cookie("alice@harmless[1].txt", "id\n1\nharmless.example/\n");
    Definitions("BlockedCookies.dat", {"tracker.example"});
    Scan();
    EXPECT_EQ(Summary(), std::vector<std::string>{"Cookie Found: alice@tracker[1].txt"});
    EXPECT_EQ(Main().lvwSpywareFound->Item(0).smallIcon, kIconCookie);
    ASSERT_EQ(Main().lvwCookiesToDelete->ItemCount(), 1);
    EXPECT_EQ(Main().lvwCookiesToDelete->Item(0).text, kCookies + "\\alice@tracker[1].txt");
    ASSERT_EQ(Removal().ItemCount(), 1);
    EXPECT_EQ(Removal().Item(0).text, "Cookie: alice@tracker[1].txt");
    EXPECT_EQ(Removal().Item(0).SubItem(1), kCookies + "\\alice@tracker[1].txt");
    EXPECT_EQ(Removal().Item(0).SubItem(2), "Tracking Cookie");
    EXPECT_EQ(app->scan.ThreatsFound, 1);
}

TEST_F(CookieScan, TheWwwPrefixAndTheTopLevelPartAreDropped) {
    Cookie("alice@www.tracker[1].txt", "id,1,www.tracker.example/path,0");
    Definitions("BlockedCookies.dat", {"tracker.example"});
    Scan();
    EXPECT_EQ(Removal().ItemCount(), 1);
}

TEST_F(CookieScan, FilesWithoutASiteAndUnlistedSitesAreNotReported) {
    Cookie("index.dat", "tracker.example/");
    Cookie("alice@Tracker[1].txt", "Tracker.example/");
    Definitions("BlockedCookies.dat", {"tracker.example"});
    Scan();
    EXPECT_TRUE(Summary().empty());
}

TEST_F(CookieScan, AnExcludedCookieGivesOnlyItsExcludedRow) {
    Cookie("alice@tracker[1].txt", "tracker.example/");
    machine.fileSystem.AddFile(DataFile("ENoSignature.dat"),
                               kCookies + "\\alice@tracker[1].txt\r\n");
    app->exclusions.LoadExclusions(machine.fileSystem, machine.textCodec, machine.eventLoop,
                                   app->DataFolder);
    Definitions("BlockedCookies.dat", {"tracker.example"});
    Scan();
    EXPECT_EQ(Summary(),
              std::vector<std::string>{"EXCLUDED: " + kCookies + "\\alice@tracker[1].txt"});
    EXPECT_EQ(Main().lvwCookiesToDelete->ItemCount(), 0);
}

TEST_F(CookieScan, StopActsAfterACookieThatIsNotListed) {
    Cookie("alice@harmless[1].txt", "harmless.example/");
    Cookie("alice@tracker[1].txt", "tracker.example/");
    Definitions("BlockedCookies.dat", {"tracker.example", "a.example", "b.example", "c.example"});
    machine.dialogs.answers = {platform::MessageAnswer::Yes};
    machine.eventLoop.onYield = [&] {
        // Set once the first cookie file has been looked at.
        if (app->scan.MemoryItemsInspected > 0 && !app->scan.ScanStopRequested) {
            Main().cmdStop->Click();
        }
    };
    Scan();
    EXPECT_TRUE(app->scan.ScanStopRequested);
    EXPECT_TRUE(Summary().empty()) << "the run stopped before the second cookie";
}

TEST_F(CookieScan, AnEmptyCookieFolderAddsNothingAndLeavesTheCountersAlone) {
    Definitions("BlockedCookies.dat", {"tracker.example"});
    Scan();
    EXPECT_TRUE(Summary().empty());
    EXPECT_EQ(app->scan.MemoryItemsInspected, 0);
}

}  // namespace
}  // namespace scan
