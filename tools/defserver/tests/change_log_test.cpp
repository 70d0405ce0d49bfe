// The dated log: dates that only move forward, strictly-after reading in
// publishing order, and the duplicate rule of submissions.

#include "change_log.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_folder.h"

namespace defserver {
namespace {

constexpr UnixSeconds kDec1 = 1796083200;  // 2026-12-01 00:00:00 UTC

Change File(std::string_view body) {
    return Change{"FILE", Operation::Add, std::string(body)};
}

class ChangeLogTest : public ::testing::Test {
protected:
    ChangeLog Open() {
        Checked<ChangeLog> log =
            ChangeLog::Open(m_folder.Path("defs.sqlite"), Database::Opening::CreateIfMissing);
        EXPECT_TRUE(log) << log.Error();
        return std::move(*log);
    }

    std::vector<std::string> BodiesAfter(ChangeLog& log, UnixSeconds after) {
        std::vector<std::string> bodies;
        EXPECT_TRUE(log.ForEachAfter(
            after, [&](const LoggedChange& change) { bodies.emplace_back(change.body); }));
        return bodies;
    }

    testing::TempFolder m_folder;
};

TEST_F(ChangeLogTest, AnEmptyLogHasNoNewestTime) {
    ChangeLog log = Open();
    const Checked<std::optional<UnixSeconds>> newest = log.NewestTime();
    ASSERT_TRUE(newest);
    EXPECT_FALSE(*newest);
}

TEST_F(ChangeLogTest, ChangesAfterADateAreTheLaterOnesInPublishingOrder) {
    ChangeLog log = Open();
    ASSERT_TRUE(log.Append({File("a"), File("b")}, kDec1, kDec1));
    ASSERT_TRUE(log.Append({File("c")}, kDec1 + 60, kDec1));
    ASSERT_TRUE(log.Append({File("d"), File("e")}, kDec1 + 61, kDec1));

    EXPECT_EQ(BodiesAfter(log, kDec1 - 1), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(BodiesAfter(log, kDec1), (std::vector<std::string>{"c", "d", "e"}));
    EXPECT_EQ(BodiesAfter(log, kDec1 + 60), (std::vector<std::string>{"d", "e"}));
    EXPECT_TRUE(BodiesAfter(log, kDec1 + 61).empty());
    EXPECT_EQ(**log.NewestTime(), kDec1 + 61);
}

TEST_F(ChangeLogTest, ADateNotAfterTheNewestIsRefusedAndNothingIsStored) {
    ChangeLog log = Open();
    ASSERT_TRUE(log.Append({File("a")}, kDec1, kDec1));

    const Checked<UnixSeconds> same = log.Append({File("b"), File("c")}, kDec1, kDec1);
    ASSERT_FALSE(same);
    EXPECT_NE(same.Error().find("not after the newest change"), std::string::npos);
    EXPECT_FALSE(log.Append({File("b")}, kDec1 - 3600, kDec1));
    EXPECT_EQ(BodiesAfter(log, 0), (std::vector<std::string>{"a"}));
}

TEST_F(ChangeLogTest, WithoutADateAChangeIsDatedNowOrJustAfterTheNewest) {
    ChangeLog log = Open();
    EXPECT_EQ(*log.Append({File("a")}, std::nullopt, kDec1), kDec1);
    // Two publications within one second must still be told apart.
    EXPECT_EQ(*log.Append({File("b")}, std::nullopt, kDec1), kDec1 + 1);
    EXPECT_EQ(*log.Append({File("c")}, std::nullopt, kDec1 + 100), kDec1 + 100);
}

TEST_F(ChangeLogTest, BodiesKeepEveryByte) {
    ChangeLog log = Open();
    const std::string coded("\x86\x00\xFF|=\x80", 6);
    ASSERT_TRUE(log.Append({File(coded)}, kDec1, kDec1));
    EXPECT_EQ(BodiesAfter(log, 0), (std::vector<std::string>{coded}));
}

TEST_F(ChangeLogTest, OpeningRefusesAMissingFileAndOneThatIsNoDatabase) {
    const Checked<ChangeLog> missing =
        ChangeLog::Open(m_folder.Path("none.sqlite"), Database::Opening::ExistingOnly);
    ASSERT_FALSE(missing);
    EXPECT_NE(missing.Error().find("no database"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(m_folder.Path("none.sqlite")));

    m_folder.Write("text.sqlite", "This is not a database, just a text file of some length.\n");
    EXPECT_FALSE(ChangeLog::Open(m_folder.Path("text.sqlite"), Database::Opening::ExistingOnly));
}

TEST_F(ChangeLogTest, ASubmissionIsADuplicateOnlyFromTheSameAddressWithinTheWindow) {
    ChangeLog log = Open();
    const auto submit = [&](std::string address, UnixSeconds time) {
        return *log.AddSubmission(SubmittedData{time, std::move(address), "data=x", "x", "A.EXE"},
                                  100);
    };
    EXPECT_EQ(submit("10.0.0.1", kDec1), ChangeLog::Submission::Added);
    EXPECT_EQ(submit("10.0.0.1", kDec1 + 99), ChangeLog::Submission::Duplicate);
    EXPECT_EQ(submit("10.0.0.2", kDec1 + 99), ChangeLog::Submission::Added);
    EXPECT_EQ(submit("10.0.0.1", kDec1 + 100), ChangeLog::Submission::Added);
}

TEST_F(ChangeLogTest, SubmissionsOfAnEarlierSchemaGetTheirDataBackFromTheQuery) {
    {
        Checked<Database> db =
            Database::Open(m_folder.Path("defs.sqlite"), Database::Opening::CreateIfMissing);
        ASSERT_TRUE(db) << db.Error();
        ASSERT_TRUE(db->Execute(R"sql(
CREATE TABLE changes (id INTEGER PRIMARY KEY, time INTEGER NOT NULL, kind TEXT NOT NULL,
    operation TEXT NOT NULL, body BLOB NOT NULL, recorded INTEGER NOT NULL);
CREATE TABLE submissions (id INTEGER PRIMARY KEY, time INTEGER NOT NULL, remote TEXT NOT NULL,
    query BLOB NOT NULL, names BLOB NOT NULL);
INSERT INTO submissions VALUES (1, 5, '10.0.0.1', 'x=1&data=%81n%85|&', 'A.E');
PRAGMA user_version = 1;
)sql"));
    }
    ChangeLog log = Open();
    std::vector<std::string> data;
    ASSERT_TRUE(log.ForEachSubmission(
        [&](const StoredSubmission& stored) { data.emplace_back(stored.data); }));
    EXPECT_EQ(data, std::vector<std::string>{"\x81n\x85|&"});
}

}  // namespace
}  // namespace defserver
