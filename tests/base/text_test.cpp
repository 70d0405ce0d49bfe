#include "base/text.h"

#include <gtest/gtest.h>

#include <limits>

namespace base {
namespace {

TEST(Text, CaseFollowsTheAnsiCodePageNotTheCLocale) {
    // Windows-1252 bytes: sharp s has no capital; e acute is E9, its capital C9.
    EXPECT_EQ(UpperCase("stra\xDF"
                        "e \xE9t\xE9"),
              "STRA\xDF"
              "E \xC9T\xC9");
    EXPECT_EQ(LowerCase("\xC0\xC9\xCE"), "\xE0\xE9\xEE");
    EXPECT_EQ(UpperCase("\x9C\xFF"), "\x8C\x9F");
    // The multiplication and division signs have no case.
    EXPECT_EQ(UpperCase("\xF7"), "\xF7");
    EXPECT_EQ(LowerCase("\xD7"), "\xD7");
    EXPECT_TRUE(
        EqualsIgnoreCase("\xC9"
                         "COLE",
                         "\xE9"
                         "cole"));
}

TEST(Text, CaseOfUtf8LettersFollowsTheirCharactersAndKeepsTheTextWhole) {
    // Where the program runs in UTF-8: e acute is C3 A9, its capital C3 89;
    // Greek "Ilias" and its capitals; a three-byte character stays as it is.
    EXPECT_EQ(UpperCase("caf\xC3\xA9"), "CAF\xC3\x89");
    EXPECT_EQ(LowerCase("\xCE\x97\xCE\x9B\xCE\x8A\xCE\x91\xCE\xA3"),
              "\xCE\xB7\xCE\xBB\xCE\xAF\xCE\xB1\xCF\x83");
    EXPECT_EQ(UpperCase("\xE2\x82\xAC\xEF\xBC\xA1"), "\xE2\x82\xAC\xEF\xBC\xA1");
    EXPECT_TRUE(EqualsIgnoreCase("C:\\Users\\\xCE\x97\xCE\xBB\xCE\xAF\xCE\xB1\xCF\x82",
                                 "c:\\users\\\xCE\x97\xCE\x9B\xCE\x8A\xCE\x91\xCE\xA3"));
    EXPECT_FALSE(EqualsIgnoreCase("\xCE\x9A", "\xCE\x8A")) << "Kappa is not Iota with tonos";
    EXPECT_EQ(FindIgnoreCase("x\\CAF\xC3\x89\\y", "caf\xC3\xA9"), 2u);
    EXPECT_EQ(FindIgnoreCase("x\xC3\x89", "\xC3\xA9"), 1u);
}

TEST(Text, UpperFirstLeavesTheRestAlone) {
    EXPECT_EQ(UpperFirst("complete"), "Complete");
    EXPECT_EQ(UpperFirst("] using you"), "] using you");
    EXPECT_EQ(UpperFirst(""), "");
    EXPECT_EQ(UpperFirst("aBC"), "ABC");
}

TEST(Text, FindIgnoringCaseStartsAtTheGivenPosition) {
    EXPECT_EQ(FindIgnoreCase("abcABC", "abc", 1), 3u);
    EXPECT_EQ(FindIgnoreCase("abc", "abcd"), std::string_view::npos);
    EXPECT_EQ(FindIgnoreCase("abc", "c", 5), std::string_view::npos);
    EXPECT_EQ(FindIgnoreCase("abc", "", 1), 1u);
}

TEST(Text, ReplaceDoesNotRescanInsertedText) {
    EXPECT_EQ(ReplaceAll("\\\\\\", "\\\\", "\\"), "\\\\");
    EXPECT_EQ(ReplaceAllIgnoreCase("[WinDir]x[windir]", "[windir]", "[windir]1"),
              "[windir]1x[windir]1");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(Text, TrimRemovesSpacesOnly) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(TrimView(" x "), "x");
    EXPECT_EQ(TrimView("  "), "");
    EXPECT_TRUE(IsBlank("   "));
    EXPECT_TRUE(IsBlank(""));
    EXPECT_FALSE(IsBlank(" \t "));
}

TEST(Text, PathTestsLookAtEveryPlace) {
    EXPECT_TRUE(HasDoubledBackslash("\\\\server"));
    EXPECT_TRUE(HasDoubledBackslash("C:\\a\\\\"));
    EXPECT_FALSE(HasDoubledBackslash("C:\\a\\b\\"));
    EXPECT_FALSE(HasDoubledBackslash("\\"));
    EXPECT_FALSE(HasDoubledBackslash(""));
    EXPECT_TRUE(HasWildcard("C:\\*.txt"));
    EXPECT_TRUE(HasWildcard("a?"));
    EXPECT_FALSE(HasWildcard("C:\\a.txt"));
}

TEST(Text, SplitKeepsEmptyPieces) {
    EXPECT_EQ(Split("a|b|", "|"), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(Split("", "|"), (std::vector<std::string>{""}));
    EXPECT_EQ(SplitLines("a\r\nb\nc\r"), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(Text, LeadingNumberReadsWhatItCanAndZeroOtherwise) {
    EXPECT_EQ(LeadingNumber("12abc"), 12.0);
    EXPECT_EQ(LeadingNumber("  -3.5x"), -3.5);
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber(""), 0.0);
}

TEST(Text, TextToBoolAcceptsWordsAndNumbersOnly) {
    EXPECT_EQ(TextToBool("true"), true);
    EXPECT_EQ(TextToBool(" FALSE "), false);
    EXPECT_EQ(TextToBool("1"), true);
    EXPECT_EQ(TextToBool("0"), false);
    EXPECT_EQ(TextToBool("-2.5"), true);
    EXPECT_EQ(TextToBool("yes"), std::nullopt);
    EXPECT_EQ(TextToBool(""), std::nullopt);
    EXPECT_EQ(TextToBool("1x"), std::nullopt);
    EXPECT_EQ(BoolToText(true), "True");
}

TEST(Text, RoundingGoesHalfToEven) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(2.51), 3);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
}

TEST(Text, RoundingSaturatesBeyondTheRangeOfWholeNumbers) {
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(RoundHalfEven(1.5e21), kMax);
    EXPECT_EQ(RoundHalfEven(-1.5e21), kMin);
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::infinity()), kMax);
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(RoundHalfEven(*WholeNumber(std::string(400, '9'))), kMax);
}

}  // namespace
}  // namespace base
