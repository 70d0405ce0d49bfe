#include "scan/status_word_filter.h"

#include <gtest/gtest.h>

namespace scan {
namespace {

TEST(StatusWordFilter, WholeWordsGoInAnyCase) {
    EXPECT_EQ(FilterStatusWords("Free SEX videos"), "Free  videos");
    EXPECT_EQ(FilterStatusWords("anal.exe"), ".exe");
    EXPECT_EQ(FilterStatusWords("C:\\cum\\x"), "C:\\\\x");
}

TEST(StatusWordFilter, WordsInsideLongerWordsStay) {
    EXPECT_EQ(FilterStatusWords("C:\\Users\\alice\\Documents"), "C:\\Users\\alice\\Documents");
    EXPECT_EQ(FilterStatusWords("Analysis of buttons in Essex"), "Analysis of buttons in Essex");
    EXPECT_EQ(FilterStatusWords("cumulative"), "cumulative");
}

TEST(StatusWordFilter, RepeatedWordsAllGo) {
    EXPECT_EQ(FilterStatusWords("sex sex sexy"), "  sexy");
}

}  // namespace
}  // namespace scan
