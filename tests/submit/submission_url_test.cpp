#include "submit/submission_url.h"

#include <gtest/gtest.h>

#include "submit/submit_fixture.h"

namespace submit {
namespace {

TEST(PercentEncode, KeepsOnlyTheUnreservedCharactersOfAUrl) {
    EXPECT_EQ(PercentEncode("Az09-._~"), "Az09-._~");
    EXPECT_EQ(PercentEncode(std::string(" &%+|=?#/\x80\xFF\0", 12)),
              "%20%26%25%2B%7C%3D%3F%23%2F%80%FF%00");
    EXPECT_EQ(PercentEncode(""), "");
}

class SubmissionAddress : public testing::SubmitFixture {};

TEST_F(SubmissionAddress, GoesToTheDataServerOrElseTheDefinitionsServer) {
    EXPECT_EQ(SubmissionUrl(*app, "|"), Url("%7C"));
    SetUserSetting("Settings", "DataServer", "");
    SetUserSetting("Settings", "DefinitionServer", "http://defs.test");
    EXPECT_EQ(SubmissionUrl(*app, "a"), "http://defs.test/asp/getData.asp?data=a");
}

}  // namespace
}  // namespace submit
