// The server's answers as functions of a request: the dated exchange of
// Live Update, the language pack and the data submission.

#include "request_handler.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

#include "base/text.h"
#include "definitions/line_code.h"
#include "submit/submission_url.h"
#include "submitted_names.h"
#include "temp_folder.h"

namespace defserver {
namespace {

constexpr UnixSeconds kDec1 = 1796083200;                 // 12/1/2026 12:00:00 AM
constexpr UnixSeconds kDec8 = kDec1 + 7 * 86400 + 54245;  // 12/8/2026 3:04:05 PM

class RequestHandlerTest : public ::testing::Test {
protected:
    RequestHandlerTest() : m_log(OpenLog()) {}

    HttpAnswer Get(std::string_view target, std::string remote = "10.0.0.1",
                   UnixSeconds now = kDec8) {
        std::optional<HttpRequest> request =
            ParseRequestLine("GET " + std::string(target) + " HTTP/1.1");
        EXPECT_TRUE(request) << target;
        request->remoteAddress = std::move(remote);
        RequestHandler handler(m_log, m_settings);
        return handler.Handle(*request, now);
    }

    void Publish(std::vector<Change> changes, UnixSeconds date) {
        const Checked<UnixSeconds> appended = m_log.Append(changes, date, date);
        ASSERT_TRUE(appended) << appended.Error();
    }

    // Two dates of changes: the seed, then an addition and a deletion.
    void PublishTwoDates() {
        Publish({*MakeAddition("FILE", "a=T|f"), *MakeAddition("COOK", "c.example")}, kDec1);
        Publish({*MakeAddition("EXE", "x.exe=T|f"), *MakeDeletion("FILE", "a")}, kDec8);
    }

    static std::size_t RecordCount(const HttpAnswer& answer) {
        return answer.body.empty() ? 0 : base::Split(answer.body, "[BR]").size();
    }

    ServerSettings m_settings;
    testing::TempFolder m_folder;
    ChangeLog m_log;

private:
    static ChangeLog OpenLog() {
        Checked<ChangeLog> log = ChangeLog::Open(":memory:", Database::Opening::CreateIfMissing);
        EXPECT_TRUE(log) << log.Error();
        return std::move(*log);
    }
};

TEST_F(RequestHandlerTest, BeforeAnyChangeTheDateIsOneNoProgramWouldAskAfter) {
    EXPECT_EQ(Get("/asp/currentDateNEW.asp?prog=Keelwatch&comp=Keelwatch%20Software").body,
              "1/1/2000 12:00:00 AM");
    EXPECT_EQ(Get("/asp/date.asp").body, "1/1/2000 12:00:00 AM");
}

TEST_F(RequestHandlerTest, TheDateIsTheNewestChangeWithATwelveHourClock) {
    Publish({*MakeAddition("COOK", "a.example")}, kDec1);
    EXPECT_EQ(Get("/asp/date.asp").body, "12/1/2026 12:00:00 AM");
    Publish({*MakeAddition("COOK", "b.example")}, kDec1 + 12 * 3600);
    EXPECT_EQ(Get("/asp/date.asp").body, "12/1/2026 12:00:00 PM");
    Publish({*MakeAddition("COOK", "c.example")}, kDec8);
    EXPECT_EQ(Get("/asp/currentDateNEW.asp?prog=a&comp=b").body, "12/8/2026 3:04:05 PM");
}

TEST_F(RequestHandlerTest, TheUpdateTextHoldsEveryChangeAfterTheProgramsDateInOrder) {
    PublishTwoDates();
    const HttpAnswer answer = Get("/asp/getDefsNEW.asp?prog=Keelwatch&comp=K&date=12/1/2026");
    EXPECT_EQ(answer.status, 200);
    EXPECT_EQ(answer.body,
              "\x85\x98\x85|ADD[DEF]\xB8n\xA5\xB8\xA5=\x94|\xA6"
              "[BR]\x86\x89\x8C\x85|DEL[DEF]\xA1");
    EXPECT_EQ(RecordCount(Get("/asp/getDefsNEW.asp?prog=K&comp=K&date=3/16/2006")), 4u);
}

TEST_F(RequestHandlerTest, TheDateAnsweredNamesExactlyTheNewestChange) {
    PublishTwoDates();
    const std::string newest = Get("/asp/date.asp").body;
    const HttpAnswer upToDate = Get("/asp/getDefsNEW.asp?prog=K&comp=K&date=" + newest);
    EXPECT_EQ(upToDate.status, 200);
    EXPECT_EQ(upToDate.body, "");
    EXPECT_EQ(RecordCount(Get("/asp/getDefsNEW.asp?prog=K&comp=K&date=12/8/2026 3:04:04 PM")), 2u);
}

TEST_F(RequestHandlerTest, TheProgramsDateIsReadInEveryFormItArrivesIn) {
    PublishTwoDates();
    const std::pair<std::string_view, std::size_t> cases[] = {
        {"12/8/2026 3:04:04 PM", 2},
        {"12/8/2026+3:04:04+PM", 2},
        {"12/8/2026%203:04:04%20PM", 2},
        {"12/8/2026", 2},
        {"12/1/2026 12:00:00 AM", 2},
        {"11/30/2026", 4},
        {"12:00:00 AM", 4},
        {"2026-12-08 15:04:04", 2},
        {"12/8/2026 3:04:05 PM", 0},
    };
    for (const auto& [date, records] : cases) {
        const HttpAnswer answer =
            Get("/asp/getDefsNEW.asp?prog=K&comp=K&date=" + std::string(date));
        EXPECT_EQ(answer.status, 200) << date;
        EXPECT_EQ(RecordCount(answer), records) << date;
    }
}

// Behind a cache that keys on the date as sent, a date in any other form
// than the program's is sent to that form, with the rest of the query.
TEST_F(RequestHandlerTest, BehindACacheADateInAnotherFormIsSentToTheProgramsForm) {
    PublishTwoDates();
    m_settings.canonicalDates = true;
    const std::string query = "/asp/getDefsNEW.asp?prog=K&comp=K&date=";
    for (const std::string_view date :
         {"12/8/2026%203:04:04%20PM", "12/8/2026 3:04:04 PM", "12/8/2026", "12:00:00%20AM"}) {
        EXPECT_EQ(Get(query + std::string(date)).status, 200) << date;
    }
    const std::pair<std::string_view, std::string_view> moved[] = {
        {"12/8/2026+3:04:04+PM", "12/8/2026%203:04:04%20PM"},
        {"12%2F8%2F2026%203:04:04%20PM", "12/8/2026%203:04:04%20PM"},
        {"2026-12-08 15:04:04", "12/8/2026%203:04:04%20PM"},
        {"12/08/2026%2003:04:04%20pm", "12/8/2026%203:04:04%20PM"},
        {"12/1/2026%2012:00:00%20AM", "12/1/2026"},
        {"12/30/1899", "12:00:00%20AM"},
    };
    for (const auto& [date, programs] : moved) {
        const HttpAnswer answer = Get(query + std::string(date) + "&x=1");
        EXPECT_EQ(answer.status, 302) << date;
        EXPECT_EQ(answer.location, query + std::string(programs) + "&x=1") << date;
        EXPECT_EQ(answer.body, "") << date;
        EXPECT_NE(answer.cacheControl.find("no-store"), std::string::npos);
    }
    // Nothing that could end the header line gets into it.
    EXPECT_EQ(Get("/asp/getDefsNEW.asp?x=\r\n&date=12/8/2026+3:04:04+PM").location,
              "/asp/getDefsNEW.asp?x=%0D%0A&date=12/8/2026%203:04:04%20PM");
}

TEST_F(RequestHandlerTest, ACacheMayKeepAChangesAnswerUntilAChangeIsPublished) {
    Publish({*MakeAddition("COOK", "a.example")}, kDec1);
    const std::string target = "/asp/getDefsNEW.asp?prog=K&comp=K&date=3/16/2006";
    const HttpAnswer first = Get(target);
    ASSERT_FALSE(first.etag.empty());
    EXPECT_NE(first.cacheControl.find("max-age="), std::string::npos);
    EXPECT_EQ(first.cacheControl.find("no-"), std::string::npos);
    // The dates must always come from the log as it is now.
    EXPECT_NE(Get("/asp/currentDateNEW.asp?prog=K&comp=K").cacheControl.find("no-store"),
              std::string::npos);

    const std::string upToDate = "/asp/getDefsNEW.asp?prog=K&comp=K&date=12/1/2026";
    const HttpAnswer empty = Get(upToDate);
    ASSERT_EQ(empty.body, "");
    const auto revalidate = [&](const std::string& tags, const std::string& of) {
        std::optional<HttpRequest> request = ParseRequestLine("GET " + of + " HTTP/1.1");
        request->ifNoneMatch = tags;
        RequestHandler handler(m_log, m_settings);
        return handler.Handle(*request, kDec8);
    };
    const HttpAnswer unchanged = revalidate(first.etag, target);
    EXPECT_EQ(unchanged.status, 304);
    EXPECT_EQ(unchanged.body, "");
    EXPECT_EQ(unchanged.etag, first.etag);
    EXPECT_EQ(revalidate("\"x\", W/" + first.etag, target).status, 304);
    EXPECT_EQ(revalidate(empty.etag, upToDate).status, 304);

    Publish({*MakeAddition("COOK", "b.example")}, kDec8);
    const HttpAnswer changed = revalidate(first.etag, target);
    EXPECT_EQ(changed.status, 200);
    EXPECT_EQ(RecordCount(changed), 2u);
    EXPECT_NE(changed.etag, first.etag);
    // An answer that was empty is no longer the answer either.
    const HttpAnswer filled = revalidate(empty.etag, upToDate);
    EXPECT_EQ(filled.status, 200);
    EXPECT_EQ(RecordCount(filled), 1u);
}

// A cache that holds an answer of another database, or of this one before
// a backup was put back and other changes were published under the same
// ids, must not have it confirmed.
TEST_F(RequestHandlerTest, AnAnswersTagBelongsToItsDatabaseAndOutlivesARestore) {
    const auto tagOf = [](const std::string& path, const std::vector<Change>& publish,
                          UnixSeconds now) {
        Checked<ChangeLog> log = ChangeLog::Open(path, Database::Opening::CreateIfMissing);
        EXPECT_TRUE(log) << log.Error();
        if (!publish.empty()) {
            EXPECT_TRUE(log->Append(publish, now, now));
        }
        RequestHandler handler(*log, {});
        const std::optional<HttpRequest> request =
            ParseRequestLine("GET /asp/getDefsNEW.asp?date=3/16/2006 HTTP/1.1");
        return handler.Handle(*request, now).etag;
    };
    const std::vector<Change> first{*MakeAddition("COOK", "a.example")};
    EXPECT_NE(tagOf(m_folder.Path("one.sqlite"), first, kDec1),
              tagOf(m_folder.Path("two.sqlite"), first, kDec1));

    const std::string live = m_folder.Path("live.sqlite");
    const std::string backup = m_folder.Path("backup.sqlite");
    static_cast<void>(tagOf(live, first, kDec1));
    std::filesystem::copy_file(live, backup);
    const std::string before = tagOf(live, {*MakeAddition("COOK", "b.example")}, kDec8);
    std::filesystem::copy_file(backup, live, std::filesystem::copy_options::overwrite_existing);
    EXPECT_NE(tagOf(live, {*MakeAddition("COOK", "c.example")}, kDec8 + 60), before);

    // A database made before identities were kept gets one, and keeps it.
    {
        Checked<Database> db = Database::Open(backup, Database::Opening::ExistingOnly);
        ASSERT_TRUE(db);
        ASSERT_TRUE(db->Execute("DROP TABLE identity"));
    }
    Checked<ChangeLog> reopened = ChangeLog::Open(backup, Database::Opening::ExistingOnly);
    ASSERT_TRUE(reopened) << reopened.Error();
    EXPECT_FALSE(reopened->Identity().empty());
    EXPECT_EQ(ChangeLog::Open(backup, Database::Opening::ExistingOnly)->Identity(),
              reopened->Identity());
}

TEST_F(RequestHandlerTest, AMissingOrUnreadableDateGetsAnEmptyBadRequest) {
    PublishTwoDates();
    for (const std::string_view target :
         {"/asp/getDefsNEW.asp?prog=K&comp=K",
          "/asp/getDefsNEW.asp?prog=K&comp=K&date=", "/asp/getDefsNEW.asp?date=yesterday",
          "/asp/getDefsNEW.asp?date=13/45/2026", "/asp/getDefsNEW.asp?date=%ZZ%"}) {
        const HttpAnswer answer = Get(target);
        EXPECT_EQ(answer.status, 400) << target;
        EXPECT_EQ(answer.body, "") << target;
    }
}

TEST_F(RequestHandlerTest, TheLanguagePackIsTheConfiguredFileReadAfresh) {
    EXPECT_EQ(Get("/Languages/21/Localization.txt").status, 404);

    m_settings.localizationFile = m_folder.Path("Localization.txt");
    EXPECT_EQ(Get("/Languages/21/Localization.txt").status, 404);
    m_folder.Write("Localization.txt", "<TRANSLATION_ITEMS>\r\nfirst");
    EXPECT_EQ(Get("/Languages/21/Localization.txt").body, "<TRANSLATION_ITEMS>\r\nfirst");
    m_folder.Write("Localization.txt", "<TRANSLATION_ITEMS>\r\nsecond");
    const HttpAnswer answer = Get("/languages/21/localization.txt");
    EXPECT_EQ(answer.body, "<TRANSLATION_ITEMS>\r\nsecond");
    EXPECT_EQ(answer.contentType, "text/plain; charset=utf-8");
    EXPECT_EQ(Get("/Languages/22/Localization.txt").status, 404);
}

TEST_F(RequestHandlerTest, ASubmissionIsAddedOnceAndSkippedWhenEmptyOrRepeated) {
    const std::string names = definitions::EncodeDefinitionLine("A.EXE") + "|" +
                              definitions::EncodeDefinitionLine("B.EXE");
    EXPECT_EQ(Get("/asp/getData.asp?data=" + names).body, "Added");
    EXPECT_EQ(Get("/asp/getData.asp?data=" + names).body, "Skipped");
    // The same names with the bar of a manual submission after them.
    EXPECT_EQ(Get("/asp/getData.asp?data=" + names + "|").body, "Skipped");
    EXPECT_EQ(Get("/asp/getData.asp?data=" + names, "10.0.0.2").body, "Added");
    EXPECT_EQ(Get("/asp/getData.asp?data=" + names, "10.0.0.1", kDec8 + kDuplicateWindow).body,
              "Added");

    EXPECT_EQ(Get("/asp/getData.asp?data=|").body, "Skipped");
    EXPECT_EQ(Get("/asp/getData.asp?data=").body, "Skipped");
    EXPECT_EQ(Get("/asp/getData.asp").body, "Skipped");
}

TEST_F(RequestHandlerTest, SubmittedNamesRunToTheEndOfTheQuery) {
    // "&" and "=" are the coded forms of two letters; the program sends them
    // unescaped, last in the query.
    EXPECT_EQ(Get("/asp/getData.asp?data=\x81&x=\x85").body, "Added");
    EXPECT_EQ(Get("/asp/getData.asp?data=\x81").body, "Added");
    EXPECT_EQ(Get("/asp/getData.asp?data=\x81&x=\x85").body, "Skipped");
}

TEST_F(RequestHandlerTest, TheProgramsPercentEncodedDataIsStoredAsSentAndDecodesToTheNames) {
    // Their codes hold "&", "%", "+" (from \xEA), "=" and bytes above 127.
    const std::vector<std::string> names{"A.EXE", "Evil & Co 100%.exe", "caf\xEA.exe", "}.exe"};
    std::string data;
    for (const std::string& name : names) {
        data += definitions::EncodeDefinitionLine(name) + "|";
    }
    EXPECT_EQ(Get("/asp/getData.asp?data=" + submit::PercentEncode(data)).body, "Added");

    std::vector<std::string> stored;
    ASSERT_TRUE(m_log.ForEachSubmission(
        [&](const StoredSubmission& submission) { stored.emplace_back(submission.data); }));
    ASSERT_EQ(stored, std::vector<std::string>{data});
    EXPECT_EQ(SubmittedNames(stored.front()), names);
}

// Answers of every change, made on several threads at once, keep no other
// request waiting for them.
TEST_F(RequestHandlerTest, LongAnswersHoldUpNoOtherRequest) {
    Checked<ChangeLog> log =
        ChangeLog::Open(m_folder.Path("defs.sqlite"), Database::Opening::CreateIfMissing);
    ASSERT_TRUE(log);
    std::vector<Change> changes;
    for (int i = 0; i < 30000; ++i) {
        changes.push_back(*MakeAddition("FILE", "file" + std::to_string(i) + ".dll=T|[system]"));
    }
    ASSERT_TRUE(log->Append(changes, kDec1, kDec1));
    RequestHandler handler(*log, {});
    const auto ask = [&](std::string_view target) {
        const std::optional<HttpRequest> request =
            ParseRequestLine("GET " + std::string(target) + " HTTP/1.1");
        return handler.Handle(*request, kDec8);
    };
    // While two threads make it over and over, the dates are answered
    // alongside about as often as alone, not a few times between one
    // answer and the next.
    using Clock = std::chrono::steady_clock;
    const auto started = Clock::now();
    std::atomic<int> building = 2;
    std::vector<std::thread> builders;
    for (int b = 0; b < 2; ++b) {
        builders.emplace_back([&] {
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(ask("/asp/getDefsNEW.asp?date=3/16/2006").status, 200);
            }
            --building;
        });
    }
    int alongside = 0;
    while (building > 0) {
        EXPECT_EQ(ask("/asp/date.asp").body, "12/1/2026 12:00:00 AM");
        ++alongside;
    }
    const auto built = Clock::now();
    for (std::thread& builder : builders) {
        builder.join();
    }
    int alone = 0;
    for (const auto from = Clock::now(); Clock::now() - from < built - started; ++alone) {
        static_cast<void>(ask("/asp/date.asp"));
    }
    EXPECT_GT(alongside * 4, alone)
        << alongside << " dates answered alongside, " << alone << " alone";
}

TEST_F(RequestHandlerTest, TensOfThousandsOfChangesMakeOneAnswer) {
    std::vector<Change> changes;
    for (int i = 0; i < 30000; ++i) {
        changes.push_back(*MakeAddition("FILE", "file" + std::to_string(i) + ".dll=T|[system]"));
    }
    Publish(std::move(changes), kDec1);
    const HttpAnswer answer = Get("/asp/getDefsNEW.asp?date=3/16/2006");
    EXPECT_EQ(RecordCount(answer), 30000u);
    EXPECT_EQ(answer.body.substr(answer.body.rfind("[DEF]") + 5),
              definitions::EncodeDefinitionLine("file29999.dll") + "=" +
                  definitions::EncodeDefinitionLine("T") + "|" +
                  definitions::EncodeDefinitionLine("[system]"));
}

}  // namespace
}  // namespace defserver
