// Removing a browser's tracking cookies from its store and putting them back
// from the quarantine: exactly those rows, never half, never while the
// browser holds the store.

#include <algorithm>
#include <functional>

#include "fakes/cookie_store_images.h"
#include "removal/cookie_store_restore.h"
#include "removal/quarantine_index.h"
#include "removal/removal_fixture.h"
#include "scan/finding_lists.h"

namespace removal {
namespace {

using fakes::StoreCookie;

const std::string kLocal = "C:\\Users\\alice\\AppData\\Local";
const std::string kChrome = kLocal + "\\Google\\Chrome\\User Data\\Default\\Network\\Cookies";
const std::string kFirefox =
    "C:\\Users\\alice\\AppData\\Roaming\\Mozilla\\Firefox\\Profiles\\k3x9.default\\cookies.sqlite";

const std::vector<StoreCookie> kChromeRows{{".tracker.com", "id", "/", "1"},
                                           {"pixel.tracker.com", "px", "/p", "2"},
                                           {"notatracker.com", "id", "/", "3"},
                                           {"bank.example", "session", "/", "4"},
                                           {"ads.tracker.com.", "fq", "/", "7"}};
const std::vector<StoreCookie> kFirefoxRows{{".tracker.com", "uid", "/", "5"},
                                            {"mail.example", "s", "/", "6"}};

class CookieStoreRemoval : public testing::RemovalFixture {
protected:
    void SetUp() override {
        machine.fileSystem.AddFile(kChrome, fakes::ChromeStoreImage(kChromeRows));
        machine.fileSystem.AddFile(kFirefox, fakes::FirefoxStoreImage(kFirefoxRows));
        Definitions("BlockedCookies.dat", {"tracker.com"});
    }

    void ScanAndDelete() {
        Scan();
        ASSERT_EQ(Main().lvwCookiesToDelete->ItemCount(), 2);
        scan::cmdSelectAll_Click(*app);
        Delete();
    }

    std::vector<StoreCookie> Rows(const std::string& path, bool* valid = nullptr) {
        return fakes::StoreCookies(machine.fileSystem.Find(path)->content, valid);
    }

    std::vector<QuarantineEntry> SavedRows() {
        std::vector<QuarantineEntry> saved;
        for (const QuarantineEntry& entry :
             LoadQuarantineEntries(machine.fileSystem, machine.textCodec, app->DataFolder)) {
            if (entry.kind == QuarantineKind::CookieRows) {
                saved.push_back(entry);
            }
        }
        return saved;
    }

    std::string InUseProblem(const std::string& store, const std::string& browser) {
        return store + " (tracker.com) - " +
               base::ReplaceAll(app->Message("MSG_COOKIE_STORE_IN_USE"), "[Browser]", browser);
    }
};

TEST_F(CookieStoreRemoval, OnlyTheBlockedRowsGoAndRestoreBringsBackExactlyThose) {
    ScanAndDelete();
    bool valid = false;
    EXPECT_EQ(Rows(kChrome, &valid),
              (std::vector<StoreCookie>{{"bank.example", "session", "/", "4"},
                                        {"notatracker.com", "id", "/", "3"}}));
    EXPECT_TRUE(valid);
    EXPECT_EQ(Rows(kFirefox, &valid), (std::vector<StoreCookie>{{"mail.example", "s", "/", "6"}}));
    EXPECT_TRUE(valid);
    EXPECT_TRUE(Problems().empty());
    EXPECT_EQ(Main().lvwCookiesToDelete->ItemCount(), 0);

    const std::vector<QuarantineEntry> saved = SavedRows();
    ASSERT_EQ(saved.size(), 2U);
    EXPECT_EQ(saved[0].location, kChrome);
    EXPECT_EQ(saved[0].valueName, "tracker.com");
    EXPECT_EQ(saved[0].threat, "Cookie: tracker.com (Chrome, Default)");
    EXPECT_NE(Log().find(" - Location: " + kChrome + " (tracker.com)"), std::string::npos);

    // The browser has set one of them again meanwhile, with a newer value.
    {
        std::vector<StoreCookie> now = Rows(kChrome);
        now.push_back({".tracker.com", "id", "/", "new"});
        machine.fileSystem.AddFile(kChrome, fakes::ChromeStoreImage(now));
    }
    const CookieRestore chrome = RestoreCookieRows(*app, saved[0]);
    EXPECT_EQ(chrome.status, CookieRestoreStatus::Restored);
    EXPECT_EQ(chrome.restored, 2);
    EXPECT_EQ(chrome.skipped, 1);
    EXPECT_EQ(CookieRestoreText(*app, saved[0], chrome),
              app->Message("MSG_RESTORE_COOKIES_SKIPPED"));
    EXPECT_EQ(Rows(kChrome, &valid),
              (std::vector<StoreCookie>{{".tracker.com", "id", "/", "new"},
                                        {"ads.tracker.com.", "fq", "/", "7"},
                                        {"bank.example", "session", "/", "4"},
                                        {"notatracker.com", "id", "/", "3"},
                                        {"pixel.tracker.com", "px", "/p", "2"}}));
    EXPECT_TRUE(valid);

    const CookieRestore firefox = RestoreCookieRows(*app, saved[1]);
    EXPECT_EQ(firefox.status, CookieRestoreStatus::Restored);
    EXPECT_EQ(firefox.skipped, 0);
    std::vector<StoreCookie> firefoxRows = kFirefoxRows;
    std::sort(firefoxRows.begin(), firefoxRows.end());
    EXPECT_EQ(Rows(kFirefox), firefoxRows);
}

TEST_F(CookieStoreRemoval, AStoreTheBrowserHoldsIsNotChangedAndIsListedWithWhatToDo) {
    struct Case {
        std::string why;
        std::function<void()> hold;
    };
    const std::vector<Case> cases{
        {"the store is open without sharing",
         [&] {
             machine.fileSystem.Find(kChrome)->locked = true;
         }},
        {"its log holds pages",
         [&] {
             machine.fileSystem.AddFile(kChrome + "-wal", "pages");
         }},
        {"a transaction is under way",
         [&] {
             machine.fileSystem.AddFile(kChrome + "-journal", "j");
         }},
        {"it writes its rows back as soon as the store is replaced",
         [&] {
             machine.fileSystem.afterFileMoved =
                 [&fs = machine.fileSystem,
                  rows = machine.fileSystem.Find(kChrome)->content](std::string_view to) {
                     if (to == kChrome) {
                         fs.Find(kChrome)->content = rows;
                     }
                 };
         }},
    };
    for (const Case& c : cases) {
        SetUp();
        machine.fileSystem.Remove(kChrome + "-wal");
        machine.fileSystem.Remove(kChrome + "-journal");
        const std::string before = machine.fileSystem.Find(kChrome)->content;
        c.hold();
        ScanAndDelete();
        machine.fileSystem.afterFileMoved = nullptr;
        machine.fileSystem.Find(kChrome)->locked = false;
        EXPECT_EQ(machine.fileSystem.Find(kChrome)->content, before) << c.why;
        EXPECT_EQ(Problems(), std::vector<std::string>{InUseProblem(kChrome, "Chrome")}) << c.why;
        EXPECT_FALSE(Exists(kChrome + ".new")) << c.why;
        for (const QuarantineEntry& entry : SavedRows()) {
            EXPECT_NE(entry.location, kChrome) << c.why << ": its saved rows are dropped again";
        }
        EXPECT_EQ(Rows(kFirefox).size(), 1U) << c.why << ": the other browser's store is done";
    }
}

TEST_F(CookieStoreRemoval, RowsThatCannotBeSavedAreNotDeleted) {
    machine.fileSystem.RefuseWritesUnder(Quarantined(""));
    const std::string chrome = machine.fileSystem.Find(kChrome)->content;
    const std::string firefox = machine.fileSystem.Find(kFirefox)->content;
    ScanAndDelete();
    EXPECT_EQ(machine.fileSystem.Find(kChrome)->content, chrome);
    EXPECT_EQ(machine.fileSystem.Find(kFirefox)->content, firefox);
    EXPECT_EQ(Problems().size(), 2U);
    EXPECT_EQ(Problems()[0],
              kChrome + " (tracker.com) - " + app->Message("MSG_COOKIE_STORE_NOT_SAVED"));
}

TEST_F(CookieStoreRemoval, ARestoreIntoAStoreTheBrowserHoldsChangesNothing) {
    ScanAndDelete();
    const QuarantineEntry entry = SavedRows().at(1);
    machine.fileSystem.AddFile(kFirefox + "-wal", "pages");
    const std::string before = machine.fileSystem.Find(kFirefox)->content;
    const CookieRestore result = RestoreCookieRows(*app, entry);
    EXPECT_EQ(result.status, CookieRestoreStatus::InUse);
    EXPECT_EQ(machine.fileSystem.Find(kFirefox)->content, before);
    EXPECT_EQ(CookieRestoreText(*app, entry, result),
              base::ReplaceAll(app->Message("MSG_COOKIE_STORE_IN_USE"), "[Browser]", "Firefox"));
}

TEST_F(CookieStoreRemoval, ARestorePutsBackOnlyTheBytesWhoseDigestItChecked) {
    ScanAndDelete();
    const QuarantineEntry entry = SavedRows().at(1);
    const std::string saved = Quarantined(entry.storedName);
    // Another program swaps the saved copy once its digest has been read.
    machine.fileSystem.beforeWholeRead = [&](std::string_view path) {
        if (base::EqualsIgnoreCase(path, saved)) {
            machine.fileSystem.Find(saved)->content =
                fakes::FirefoxStoreImage({{".tracker.com", "planted", "/", "x"}});
        }
    };
    const CookieRestore result = RestoreCookieRows(*app, entry);
    machine.fileSystem.beforeWholeRead = nullptr;
    EXPECT_EQ(result.status, CookieRestoreStatus::SavedDamaged);
    EXPECT_EQ(Rows(kFirefox), (std::vector<StoreCookie>{{"mail.example", "s", "/", "6"}}));
}

TEST_F(CookieStoreRemoval, AStoresOwnConstraintsAndIndexExpressionsDoNotStopTheRemoval) {
    const std::vector<StoreCookie> rows{{".tracker.com", "id", "/", "1"},
                                        {"bank.example", "session", "/", "overflow"}};
    machine.fileSystem.AddFile(kChrome, fakes::HostileChromeStoreImage(rows));
    ScanAndDelete();
    EXPECT_TRUE(Problems().empty());
    EXPECT_EQ(Rows(kChrome), (std::vector<StoreCookie>{rows[1]}));
    const CookieRestore restored = RestoreCookieRows(*app, SavedRows().at(0));
    EXPECT_EQ(restored.status, CookieRestoreStatus::Restored);
    EXPECT_EQ(Rows(kChrome), rows);
}

TEST_F(CookieStoreRemoval, WorkOnAStoreThatRunsOutOfTimeFailsAndChangesNothing) {
    std::vector<StoreCookie> rows;
    for (int i = 0; i < 3000; ++i) {
        rows.push_back({"host" + std::to_string(i) + ".tracker.com", "id"});
    }
    machine.fileSystem.AddFile(kChrome, fakes::ChromeStoreImage(rows));
    Scan();
    scan::cmdSelectAll_Click(*app);
    const std::string before = machine.fileSystem.Find(kChrome)->content;
    // Each look at the clock finds an hour gone.
    machine.clock.ticksPerRead = 3'600'000;
    Delete();
    EXPECT_EQ(machine.fileSystem.Find(kChrome)->content, before);
    EXPECT_EQ(Problems().at(0),
              kChrome + " (tracker.com) - " + app->Message("MSG_COOKIE_STORE_UNWORKABLE"));
    for (const QuarantineEntry& entry : SavedRows()) {
        EXPECT_NE(entry.location, kChrome);
    }
}

TEST_F(CookieStoreRemoval, ARestoreIntoAStoreOfAnotherLayoutSaysSoAndChangesNothing) {
    ScanAndDelete();
    const QuarantineEntry entry = SavedRows().at(1);
    // The browser has since moved its store to the next layout version,
    // which it keeps in the database's user version.
    std::string upgraded = fakes::FirefoxStoreImage({{"mail.example", "s", "/", "6"}});
    upgraded[63] = 15;
    machine.fileSystem.AddFile(kFirefox, upgraded);
    const CookieRestore result = RestoreCookieRows(*app, entry);
    EXPECT_EQ(result.status, CookieRestoreStatus::OtherLayout);
    EXPECT_EQ(machine.fileSystem.Find(kFirefox)->content, upgraded);
    EXPECT_EQ(CookieRestoreText(*app, entry, result),
              app->Message("MSG_RESTORE_COOKIES_OTHER_VERSION"));
}

// A store's saved rows have a record of their own in the log: with the
// index lost, they are never taken for a file of the browser's profile.
TEST_F(CookieStoreRemoval, SavedRowsAreNoFileOfTheProfileWhenOnlyTheLogKnowsThem) {
    ScanAndDelete();
    EXPECT_NE(Log().find(" - Cookies: "), std::string::npos) << Log();
    ASSERT_TRUE(machine.fileSystem.RemoveFile(Quarantined("QuarantineIndex.txt")));
    for (const QuarantineEntry& entry :
         ListQuarantine(machine.fileSystem, machine.textCodec, app->DataFolder)) {
        ADD_FAILURE() << entry.storedName << " from " << entry.location;
    }
}

}  // namespace
}  // namespace removal
