#include "scan/cookie_store_scan.h"

#include "fakes/cookie_store_images.h"
#include "scan_fixture.h"

namespace scan {
namespace {

using fakes::StoreCookie;

const std::string kLocal = "C:\\Users\\alice\\AppData\\Local";
const std::string kChromeDefault =
    kLocal + "\\Google\\Chrome\\User Data\\Default\\Network\\Cookies";
const std::string kFirefoxProfile =
    "C:\\Users\\alice\\AppData\\Roaming\\Mozilla\\Firefox\\Profiles\\k3x9.default-release";
const std::string kFirefoxStore = kFirefoxProfile + "\\cookies.sqlite";

class CookieStoreScan : public testing::ScanFixture {
protected:
    void Store(const std::string& path, std::string image) {
        machine.fileSystem.AddFile(path, std::move(image));
    }
    void Blocked(const std::vector<std::string>& entries) {
        Definitions("BlockedCookies.dat", entries);
    }
    std::vector<std::string> Names() { return Texts(Removal()); }
};

TEST_F(CookieStoreScan, HostsMatchTheBlockedDomainOrLieBelowIt) {
    struct Case {
        std::vector<std::string> blocked;
        std::string host;
        bool found;
        std::string why;
    };
    const std::vector<Case> cases{
        {{"tracker.com"}, "tracker.com", true, "the domain itself"},
        {{"tracker.com"}, "pixel.tracker.com", true, "a host below it"},
        {{"tracker.com"}, ".tracker.com", true, "a domain cookie's leading dot"},
        {{"tracker.com"}, "..a.b.tracker.com", true, "several dots and levels"},
        {{"tracker.com"}, "notatracker.com", false, "a look-alike that merely ends the same"},
        {{"tracker.com"}, "tracker.com.evil.net", false, "the domain inside another"},
        {{"tracker.com"}, "tracker.co", false, "a shorter host"},
        {{"Tracker.COM"}, "PIXEL.tracker.com", true, "hosts have no letter case"},
        {{"*.tracker.com"}, "ads.tracker.com", true, "the first star is dropped"},
        {{"*tracker.com"}, "tracker.com", true, "a star before the name"},
        {{"com"}, "tracker.com", false, "a bare top-level name blocks nothing"},
        {{"*"}, "tracker.com", false, "nor does a star alone"},
        {{"pixel.tracker.com"}, "tracker.com", false, "a narrower entry misses the wider host"},
        {{"tracker.com"}, "pixel.tracker.com.", true, "a host's trailing dot"},
        {{"tracker.com."}, "tracker.com", true, "an entry's trailing dot"},
        {{"tracker.com.."}, "tracker.com", false, "but only one"},
        {{"b\xfc"
          "cher.example"},
         "xn--bcher-kva.example",
         true,
         "a name in Unicode"},
        {{"co.uk"}, "tracker.co.uk", false, "a public suffix blocks nothing"},
        {{"blogspot.com"}, "me.blogspot.com", false, "nor does a private one"},
        {{"foo.ck"}, "a.foo.ck", false, "nor one below a wildcard rule"},
        {{"www.ck"}, "www.ck", true, "but an exception to it does"},
        {{"tracker.co.uk"}, "ads.tracker.co.uk", true, "a domain below a suffix"},
    };
    machine.textCodec.hostNames
        ["b\xc3\xbc"
         "cher.example"] = "xn--bcher-kva.example";
    for (const Case& c : cases) {
        Store(kChromeDefault, fakes::ChromeStoreImage({{c.host, "id"}, {"innocent.org", "id"}}));
        Blocked(c.blocked);
        Scan();
        EXPECT_EQ(Main().lvwCookiesToDelete->ItemCount(), c.found ? 1 : 0)
            << c.why << ": " << c.host;
    }
}

TEST_F(CookieStoreScan, EachBrowserProfileAndDomainIsOneFindingWithItsCookieCount) {
    Store(kChromeDefault, fakes::ChromeStoreImage({{".tracker.com", "a"},
                                                   {"pixel.tracker.com", "b"},
                                                   {"pixel.tracker.com", "c", "/x"},
                                                   {"ads.example", "d"},
                                                   {"bank.example.org", "e"}}));
    // An older Chrome keeps the store in the profile itself.
    Store(kLocal + "\\Google\\Chrome\\User Data\\Profile 2\\Cookies",
          fakes::ChromeStoreImage({{"tracker.com", "a"}}));
    Store(kLocal + "\\Microsoft\\Edge\\User Data\\Default\\Network\\Cookies",
          fakes::ChromeStoreImage({{"news.example.org", "a"}}));
    Store(kFirefoxStore, fakes::FirefoxStoreImage({{".ads.example", "f"}, {"mail.example", "g"}}));
    Blocked({"tracker.com", "ads.example", "pixel.tracker.com"});
    Scan();
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"Cookie: ads.example (Chrome, Default)",
                                        "Cookie: tracker.com (Chrome, Default)",
                                        "Cookie: tracker.com (Chrome, Profile 2)",
                                        "Cookie: ads.example (Firefox, k3x9.default-release)"}));
    EXPECT_EQ(Removal().Item(1).SubItem(1), kChromeDefault + " (tracker.com)");
    EXPECT_EQ(Removal().Item(1).SubItem(2), "Tracking Cookie (3)")
        << "the subdomain's cookies belong to the widest blocked domain, counted once";
    EXPECT_EQ(Main().lvwCookiesToDelete->ItemCount(), 4);
    EXPECT_EQ(app->scan.ThreatsFound, 4);
    EXPECT_EQ(Summary()[0], "Cookie Found: ads.example (Chrome, Default)");
}

TEST_F(CookieStoreScan, AFirefoxStoreInWriteAheadLogModeIsRead) {
    Store(kFirefoxStore,
          fakes::FirefoxStoreImage({{".tracker.com", "id"}}, fakes::JournalMode::WriteAheadLog));
    machine.fileSystem.AddFile(kFirefoxStore + "-wal", std::string(4096, 'w'));
    Blocked({"tracker.com"});
    Scan();
    EXPECT_EQ(Names(),
              std::vector<std::string>{"Cookie: tracker.com (Firefox, k3x9.default-release)"});
    EXPECT_EQ(fakes::StoreCookies(machine.fileSystem.Find(kFirefoxStore)->content).size(), 1U)
        << "the store itself is not changed by reading it";
}

TEST_F(CookieStoreScan, DamagedStoresGiveNoFindingAndTheOthersAreStillRead) {
    const std::string good = fakes::ChromeStoreImage({{"tracker.com", "id"}});
    std::string flipped = good;
    for (std::size_t at = 100; at < flipped.size(); at += 7) {
        flipped[at] = static_cast<char>(~flipped[at]);
    }
    const std::vector<std::string> damaged{
        "not a database at all",
        good.substr(0, 100),
        good.substr(0, good.size() / 2),
        flipped,
        std::string("SQLite format 3\0", 16) + std::string(84, '\xff'),
    };
    for (const std::string& image : damaged) {
        Store(kChromeDefault, image);
        Store(kFirefoxStore, fakes::FirefoxStoreImage({{"tracker.com", "id"}}));
        Blocked({"tracker.com"});
        Scan();
        EXPECT_EQ(Names(),
                  std::vector<std::string>{"Cookie: tracker.com (Firefox, k3x9.default-release)"})
            << image.size();
    }
}

TEST_F(CookieStoreScan, AnExcludedDomainGivesOnlyItsExcludedRow) {
    Store(kChromeDefault, fakes::ChromeStoreImage({{"tracker.com", "id"}}));
    Blocked({"tracker.com"});
    app->exclusions.AddExclusion(machine.fileSystem, machine.textCodec, machine.eventLoop,
                                 app->DataFolder, kChromeDefault + " (tracker.com)");
    Scan();
    EXPECT_EQ(Summary(),
              std::vector<std::string>{"EXCLUDED: " + kChromeDefault + " (tracker.com)"});
    EXPECT_EQ(Removal().ItemCount(), 0);
}

TEST_F(CookieStoreScan, AStoreTheBrowserKeepsClosedIsSaidNotPassedOver) {
    Store(kChromeDefault, fakes::ChromeStoreImage({{"tracker.com", "id"}}));
    machine.fileSystem.Find(kChromeDefault)->unreadable = true;
    Blocked({"tracker.com"});
    Scan();
    EXPECT_EQ(Summary(), std::vector<std::string>{app->Message("MSG_COOKIE_STORE_UNREADABLE") +
                                                  " " + kChromeDefault});
    EXPECT_EQ(Removal().ItemCount(), 0);
}

TEST_F(CookieStoreScan, OtherChannelsAndProfilesOutsideTheUsualFolderAreRead) {
    const std::vector<StoreCookie> rows{{"tracker.com", "id"}};
    Store(kLocal + "\\Google\\Chrome Beta\\User Data\\Default\\Network\\Cookies",
          fakes::ChromeStoreImage(rows));
    Store(kLocal + "\\Google\\Chrome SxS\\User Data\\Default\\Network\\Cookies",
          fakes::ChromeStoreImage(rows));
    Store(kLocal + "\\Microsoft\\Edge Dev\\User Data\\Profile 1\\Network\\Cookies",
          fakes::ChromeStoreImage(rows));
    Store(kFirefoxStore, fakes::FirefoxStoreImage(rows));
    Store("D:\\Firefox\\Work\\cookies.sqlite", fakes::FirefoxStoreImage(rows));
    machine.fileSystem.AddFile(
        "C:\\Users\\alice\\AppData\\Roaming\\Mozilla\\Firefox\\profiles.ini",
        "[Install308046B0AF4A39CB]\r\nDefault=Profiles/k3x9.default-release\r\n\r\n"
        "[Profile1]\r\nName=work\r\nIsRelative=0\r\nPath=D:\\Firefox\\Work\r\n\r\n"
        "[Profile0]\r\nName=default-release\r\nIsRelative=1\r\n"
        "Path=Profiles/k3x9.default-release\r\n");
    Store(kLocal +
              "\\Packages\\Mozilla.Firefox_n80bbvh6b1yt2\\LocalCache\\Roaming\\Mozilla\\"
              "Firefox\\Profiles\\s7q2.default\\cookies.sqlite",
          fakes::FirefoxStoreImage(rows));
    Blocked({"tracker.com"});
    Scan();
    EXPECT_EQ(Names(), (std::vector<std::string>{
                           "Cookie: tracker.com (Chrome Beta, Default)",
                           "Cookie: tracker.com (Chrome Canary, Default)",
                           "Cookie: tracker.com (Edge Dev, Profile 1)",
                           "Cookie: tracker.com (Firefox, k3x9.default-release)",
                           "Cookie: tracker.com (Firefox, Work)",
                           "Cookie: tracker.com (Firefox, s7q2.default)",
                       }));
}

}  // namespace
}  // namespace scan
