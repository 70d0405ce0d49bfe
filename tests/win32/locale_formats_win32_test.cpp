#include "platform/win32/locale_formats_win32.h"

#include <gtest/gtest.h>

namespace platform::win32 {
namespace {

// A day of two digits: Wine's German short date leaves out the leading zero
// that Windows writes ("9.12.2026" against "19.12.2026").
constexpr DateTime kAfternoon{2026, 12, 19, 13, 5, 9, 6};

TEST(LocaleFormatsWin32, ANamedLocaleGivesItsOwnForms) {
    const struct {
        const char* locale;
        const char* date;
        const char* time;
        const char* number;
        const char* negative;
    } cases[] = {
        {"de-DE", "19.12.2026", "13:05:09", "1.234.567", "-1.234"},
        {"en-US", "12/19/2026", "1:05:09 PM", "1,234,567", "-1,234"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        LocaleFormatsWin32 formats(c.locale);
        EXPECT_EQ(formats.ShortDate(kAfternoon), c.date);
        EXPECT_EQ(formats.LongTime(kAfternoon), c.time);
        EXPECT_EQ(formats.WholeNumber(1234567), c.number);
        EXPECT_EQ(formats.WholeNumber(-1234), c.negative);
        EXPECT_EQ(formats.WholeNumber(999), "999");
    }
}

TEST(LocaleFormatsWin32, GroupsOfTwoAfterTheFirstThreeFollowTheLocale) {
    LocaleFormatsWin32 formats("hi-IN");
    EXPECT_EQ(formats.WholeNumber(1234567), "12,34,567");
}

TEST(LocaleFormatsWin32, TheUsersOwnLocaleFormatsToo) {
    LocaleFormatsWin32 formats;
    const std::optional<std::string> date = formats.ShortDate(kAfternoon);
    ASSERT_TRUE(date.has_value());
    EXPECT_NE(date->find("2026"), std::string::npos) << *date;
    EXPECT_TRUE(formats.LongTime(kAfternoon).has_value());
    EXPECT_TRUE(formats.WholeNumber(1234567).has_value());
}

}  // namespace
}  // namespace platform::win32
