#include "submit/manual_submission.h"

#include <gtest/gtest.h>

#include "definitions/line_code.h"
#include "submit/submission_url.h"
#include "submit/submit_fixture.h"

namespace submit {
namespace {

class ManualSubmission : public testing::SubmitFixture {
protected:
    const std::string& Result() { return Main().Label26->Caption(); }
};

TEST_F(ManualSubmission, EnterInAnEmptyBoxSendsTheBarAndShowsTheSentenceWithAnEmptyName) {
    machine.http.Serve(Url("%7C"), "Skipped");
    Main().txtFilename->KeyPress(13);
    EXPECT_EQ(machine.http.requested, std::vector<std::string>{Url("%7C")});
    // The catalogue hands out every text with a capital first letter.
    EXPECT_EQ(Result(), "Results:  Submitted.  Thank you!");
}

TEST_F(ManualSubmission, TheButtonSendsTheCodedNameAndClearsTheBox) {
    const std::string name = "Evil Tool & Co.exe";
    const std::string url = Url(PercentEncode(definitions::EncodeDefinitionLine(name) + "|"));
    machine.http.Serve(url, "<html>Name added</html>");
    Main().txtFilename->SetText(name);
    Main().cmdSubmit->Click();
    EXPECT_EQ(machine.http.requested, std::vector<std::string>{url});
    EXPECT_EQ(Result(), "Results: Evil Tool & Co.exe Submitted.  Thank you!");
    EXPECT_EQ(Main().txtFilename->Text(), "");
}

TEST_F(ManualSubmission, AnAnswerWithoutEitherWordOrNoAnswerShowsTheProblemSentence) {
    const std::string problem =
        "Results: There was a problem submitting x.exe.  Please make sure you are connected to "
        "the internet, or try again later.";
    machine.http.Serve(Url(PercentEncode(definitions::EncodeDefinitionLine("x.exe") + "|")),
                       "Internal Server Error");
    Main().txtFilename->SetText("x.exe");
    Main().txtFilename->KeyPress(13);
    EXPECT_EQ(Result(), problem);
    EXPECT_EQ(Main().txtFilename->Text(), "");

    machine.http.Refuse(Url(PercentEncode(definitions::EncodeDefinitionLine("x.exe") + "|")));
    Main().txtFilename->SetText("x.exe");
    Main().cmdSubmit->Click();
    EXPECT_EQ(Result(), problem);
    EXPECT_TRUE(machine.dialogs.shown.empty());
}

TEST_F(ManualSubmission, OtherKeysOnlyType) {
    Main().txtFilename->SetText("a");
    Main().txtFilename->KeyPress('b');
    Main().txtFilename->KeyPress(10);
    EXPECT_TRUE(machine.http.requested.empty());
    EXPECT_EQ(Main().txtFilename->Text(), "a");
}

}  // namespace
}  // namespace submit
