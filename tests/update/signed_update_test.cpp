// Live Update in a build that carries the publisher's key: only changes
// signed for the client's own date reach the files, and the date stored is
// the newest one they cover. And a build without a key, which takes the
// answers as they come.

#include "app/app_fixture.h"
#include "fakes/signed_test_vectors.h"
#include "update/definition_update.h"
#include "update/live_update.h"

namespace update {
namespace {

namespace vectors = fakes::signed_vectors;

constexpr const char* kServer = "http://defs.test";
constexpr const char* kQuery = "prog=Acme%20Sweeper&comp=Acme%20Labs";

class SignedUpdate : public core::testing::AppFixture {
protected:
    SignedUpdate() {
        SetUserSetting("Settings", "Language", "English");
        SetUserSetting("Settings", "DefinitionServer", kServer);
        machine.dialogs.answers = {platform::MessageAnswer::No};
        StartProgram();
        app->PublisherKey = vectors::Key(vectors::kPublisherKey);
    }

    std::string DateUrl() { return std::string(kServer) + "/asp/currentDateNEW.asp?" + kQuery; }
    std::string DefinitionsUrl(std::string_view clientDate) {
        return std::string(kServer) + "/asp/getDefsNEW.asp?" + kQuery +
               "&date=" + std::string(clientDate);
    }
    std::string EndDateUrl() { return std::string(kServer) + "/asp/date.asp"; }

    // A server whose newest change is later than the stored date, answering
    // the changes since `clientDate` with `answer`, and a second later at the end.
    void Serve(std::string_view clientDate, std::string answer) {
        machine.http.requested.clear();
        machine.http.Serve(DateUrl(), "12/8/2026 3:04:05 PM");
        machine.http.Serve(DefinitionsUrl(clientDate), std::move(answer));
        machine.http.Serve(EndDateUrl(), "12/8/2026 3:04:06 PM");
    }

    static std::string SignedNewAnswer() {
        return vectors::kNewBody +
               vectors::SignatureRecord(vectors::kNewNewest, vectors::kNewSignature);
    }

    std::optional<std::string> Stored(std::string_view name) {
        return machine.fileSystem.ReadWholeFile(DataFile(name));
    }
    std::string Notice() { return app->frmSignatureUpdated.lblUpdateInfo->Caption(); }
};

TEST_F(SignedUpdate, SignedChangesAreAppliedAndTheNewestDateTheyCoverIsStored) {
    Serve("3/16/2006", SignedNewAnswer());
    cmdUpdate_Click(*app);
    EXPECT_EQ(Stored("FileDefinition.dat"),
              definitions::EncodeDefinitionLine("new.dll=T|x") + "\r\n");
    EXPECT_EQ(Stored("date.dat"), "12/8/2026 3:04:05 PM\r\n")
        << "not the later date of the end: a change published meanwhile would be skipped";
    EXPECT_EQ(machine.http.requested.size(), 3u) << "the end date is still asked for";
    EXPECT_EQ(Notice(), app->Message("MSG_UPDATED_DEFS"));
    EXPECT_EQ(Stored("Safety.dat").value_or(""), "") << "the signature record writes nothing";
}

TEST_F(SignedUpdate, AnAnswerNotSignedForThisVeryDateAndBodyChangesNothingAndTheUserIsTold) {
    const std::string signedAnswer = SignedNewAnswer();
    std::string alteredBody = signedAnswer;
    alteredBody[alteredBody.find(vectors::kNewBody) + 12] ^= 0x01;
    std::string alteredSignature = signedAnswer;
    alteredSignature.back() = alteredSignature.back() == '0' ? '1' : '0';
    struct Case {
        const char* what;
        std::string storedDate;  // "" for none
        std::string sentDate;
        std::string answer;
    };
    const Case cases[] = {
        {"a byte of the body changed", "", "3/16/2006", alteredBody},
        {"the newest date moved on by a second", "", "3/16/2006",
         vectors::kNewBody +
             vectors::SignatureRecord("12/8/2026 3:04:06 PM", vectors::kNewSignature)},
        {"a digit of the signature changed", "", "3/16/2006", alteredSignature},
        {"cut inside the signature", "", "3/16/2006",
         signedAnswer.substr(0, signedAnswer.size() - 10)},
        {"cut before the signature record", "", "3/16/2006", vectors::kNewBody + "[BR]"},
        {"no signature at all", "", "3/16/2006", vectors::kNewBody},
        {"an error page served as the answer", "", "3/16/2006", "<html>502 Bad Gateway</html>"},
        // The answer for the default date, replayed to a client a second later.
        {"answered for another date", "3/16/2006 12:00:01 AM\r\n", "3/16/2006 12:00:01 AM",
         signedAnswer},
    };
    for (const Case& c : cases) {
        machine.fileSystem.Remove(DataFile("date.dat"));
        if (!c.storedDate.empty()) {
            machine.fileSystem.AddFile(DataFile("date.dat"), c.storedDate);
        }
        Main().chkAutoProtect->SetValue(1);
        Serve(c.sentDate, c.answer);
        cmdUpdate_Click(*app);
        EXPECT_EQ(Stored("FileDefinition.dat"), std::nullopt) << c.what;
        EXPECT_EQ(Stored("date.dat").value_or(""), c.storedDate) << c.what;
        EXPECT_EQ(Notice(), app->Message("MSG_UPDATE_NOT_VERIFIED")) << c.what;
        EXPECT_TRUE(Main().tmrMemoryInspected->Enabled()) << c.what;
        EXPECT_EQ(machine.http.requested.size(), 2u) << c.what << ": no end date asked for";
    }
    EXPECT_FALSE(Notice().empty());

    // The next honest answer is taken.
    machine.fileSystem.Remove(DataFile("date.dat"));
    Serve("3/16/2006", signedAnswer);
    cmdUpdate_Click(*app);
    EXPECT_EQ(Stored("date.dat"), "12/8/2026 3:04:05 PM\r\n");
}

// A certificate that fails its check is no "most recent definitions", at
// whichever request it is met; a server that is simply away still is.
TEST_F(SignedUpdate, ARefusedCertificateChangesNothingAndTheUserIsToldSo) {
    for (const bool atTheChanges : {false, true}) {
        Main().chkAutoProtect->SetValue(1);
        Serve("3/16/2006", SignedNewAnswer());
        machine.http.RefuseCertificate(atTheChanges ? DefinitionsUrl("3/16/2006") : DateUrl());
        cmdUpdate_Click(*app);
        EXPECT_EQ(Stored("FileDefinition.dat"), std::nullopt) << atTheChanges;
        EXPECT_EQ(Stored("date.dat"), std::nullopt) << atTheChanges;
        EXPECT_EQ(Notice(), app->Message("MSG_SERVER_NOT_TRUSTED")) << atTheChanges;
        EXPECT_TRUE(Main().tmrMemoryInspected->Enabled()) << atTheChanges;
    }
    machine.http.Refuse(DateUrl());
    cmdUpdate_Click(*app);
    EXPECT_EQ(Notice(), app->Message("MSG_RECENT_DEFS"));
}

TEST_F(SignedUpdate, AnAnswerSignedWithAnotherKeyIsRefused) {
    app->PublisherKey = vectors::Key(vectors::kOtherKey);
    Serve("3/16/2006", SignedNewAnswer());
    EXPECT_TRUE(RunDefinitionUpdate(*app).unverified);
    EXPECT_EQ(Stored("FileDefinition.dat"), std::nullopt);
}

TEST_F(SignedUpdate, SignedChangesThatCoverLessThanTheStoredDateAreNotApplied) {
    Serve("3/16/2006", vectors::kOldBody +
                           vectors::SignatureRecord(vectors::kOldNewest, vectors::kOldSignature));
    const DefinitionUpdateResult result = RunDefinitionUpdate(*app);
    EXPECT_TRUE(result.unverified);
    EXPECT_EQ(result.changeCount, 0);
    EXPECT_EQ(Stored("FileDefinition.dat"), std::nullopt);
    EXPECT_EQ(Stored("date.dat"), std::nullopt);
}

// Without a key the signature cannot be checked, but the date it names is
// never later than the changes the answer holds; the end date may be, when
// the answer is a cache's copy.
TEST_F(SignedUpdate, ABuildWithoutAKeyTakesAnswersSignedOrNotAndStoresTheDateTheyName) {
    app->PublisherKey.reset();
    const std::pair<std::string, std::string> cases[] = {
        {SignedNewAnswer(), "12/8/2026 3:04:05 PM\r\n"},
        {vectors::kNewBody, "12/8/2026 3:04:06 PM\r\n"},
    };
    for (const auto& [answer, storedDate] : cases) {
        machine.fileSystem.Remove(DataFile("date.dat"));
        machine.fileSystem.Remove(DataFile("FileDefinition.dat"));
        Serve("3/16/2006", answer);
        cmdUpdate_Click(*app);
        EXPECT_EQ(Stored("FileDefinition.dat"),
                  definitions::EncodeDefinitionLine("new.dll=T|x") + "\r\n");
        EXPECT_EQ(Stored("Safety.dat").value_or(""), "");
        EXPECT_EQ(Stored("date.dat"), storedDate);
        EXPECT_EQ(Notice(), app->Message("MSG_UPDATED_DEFS"));
    }
}

// A cache in front of the server that fails is the server's fault, not a
// forgery on the user's network.
TEST_F(SignedUpdate, AnErrorStatusIsAFailedTransferNotAnUnverifiedOne) {
    for (const int status : {502, 503, 504}) {
        Serve("3/16/2006", "");
        machine.http.ServeStatus(DefinitionsUrl("3/16/2006"), status, SignedNewAnswer());
        cmdUpdate_Click(*app);
        EXPECT_EQ(Notice(), app->Message("MSG_UPDATE_INCOMPLETE")) << status;
        EXPECT_EQ(Stored("FileDefinition.dat"), std::nullopt) << status;
        EXPECT_EQ(Stored("date.dat"), std::nullopt) << status;
    }
}

}  // namespace
}  // namespace update
