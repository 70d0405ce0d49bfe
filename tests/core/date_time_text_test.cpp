#include "core/date_time_text.h"

#include <gtest/gtest.h>

#include "fakes/fake_ports.h"

namespace core {
namespace {

platform::DateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return {year, month, day, hour, minute, second, DayOfWeek(year, month, day)};
}

TEST(DateTimeText, GeneralFormDropsMidnightAndTheZeroDate) {
    EXPECT_EQ(GeneralDateText(At(2006, 3, 16, 0, 0, 0)), "3/16/2006");
    EXPECT_EQ(GeneralDateText(At(2026, 12, 8, 13, 5, 9)), "12/8/2026 1:05:09 PM");
    EXPECT_EQ(GeneralDateText(At(2026, 12, 8, 0, 0, 1)), "12/8/2026 12:00:01 AM");
    EXPECT_EQ(GeneralDateText(At(2026, 12, 8, 12, 0, 0)), "12/8/2026 12:00:00 PM");
    EXPECT_EQ(GeneralDateText(At(1899, 12, 30, 0, 0, 0)), "12:00:00 AM");
    EXPECT_EQ(GeneralDateText(At(1899, 12, 30, 23, 59, 59)), "11:59:59 PM");
}

TEST(DateTimeText, TheGeneralFormReadsBack) {
    for (const platform::DateTime& value :
         {At(2006, 3, 16), At(2026, 12, 8, 13, 5, 9), At(1899, 12, 30, 7, 0, 0),
          At(2024, 2, 29, 23, 59, 59)}) {
        EXPECT_EQ(ParseDateTime(GeneralDateText(value)), value) << GeneralDateText(value);
    }
}

TEST(DateTimeText, ReadsTheFormsServersAndUsersWrite) {
    EXPECT_EQ(ParseDateTime("3/16/2006 12:00:00 AM"), At(2006, 3, 16));
    EXPECT_EQ(ParseDateTime("  3/16/2006  "), At(2006, 3, 16));
    EXPECT_EQ(ParseDateTime("2006-03-16"), At(2006, 3, 16));
    EXPECT_EQ(ParseDateTime("12/8/2026 1:05 pm"), At(2026, 12, 8, 13, 5, 0));
    EXPECT_EQ(ParseDateTime("17:30:15"), At(1899, 12, 30, 17, 30, 15));
    EXPECT_EQ(ParseDateTime("1/2/06"), At(2006, 1, 2));
}

TEST(DateTimeText, RejectsWhatIsNoDateOrTime) {
    for (const char* text :
         {"", "Null", "None", "13/1/2006", "2/30/2006", "2/29/2025", "25:00", "12:60", "13:00 PM",
          "0:30 AM", "3/16/2006 junk", "<html>", "3/16", "12:00:00 AM PST"}) {
        EXPECT_EQ(ParseDateTime(text), std::nullopt) << text;
    }
}

TEST(DateTimeText, DayOfWeekAndOrdering) {
    EXPECT_EQ(DayOfWeek(1899, 12, 30), 6);  // a Saturday
    EXPECT_EQ(DayOfWeek(2026, 12, 8), 2);   // a Tuesday
    EXPECT_EQ(SecondsSinceZeroDate(At(1899, 12, 30)), 0);
    EXPECT_EQ(SecondsSinceZeroDate(At(1899, 12, 31, 0, 0, 1)), 86401);
    EXPECT_LT(SecondsSinceZeroDate(At(2006, 3, 16)),
              SecondsSinceZeroDate(At(2006, 3, 16, 0, 0, 1)));
}

TEST(DateTimeText, NumbersAreGroupedByThousands) {
    EXPECT_EQ(GroupedNumberText(0), "0");
    EXPECT_EQ(GroupedNumberText(999), "999");
    EXPECT_EQ(GroupedNumberText(1000), "1,000");
    EXPECT_EQ(GroupedNumberText(1234567), "1,234,567");
    EXPECT_EQ(GroupedNumberText(-1234), "-1,234");
}

TEST(DateTimeText, WhatAPersonReadsIsInTheUsersFormsWithTheSameParts) {
    using Profile = fakes::FakeLocaleFormats::Profile;
    const struct {
        Profile profile;
        platform::DateTime value;
        const char* stored;
        const char* shown;
    } cases[] = {
        {Profile::UnitedStates, At(2026, 12, 9, 13, 5, 9), "12/9/2026 1:05:09 PM",
         "12/9/2026 1:05:09 PM"},
        {Profile::Germany, At(2026, 12, 9, 13, 5, 9), "12/9/2026 1:05:09 PM",
         "09.12.2026 13:05:09"},
        {Profile::Germany, At(2026, 12, 9), "12/9/2026", "09.12.2026"},
        {Profile::Germany, At(1899, 12, 30, 7, 0, 0), "7:00:00 AM", "07:00:00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        fakes::FakeLocaleFormats formats;
        formats.profile = c.profile;
        EXPECT_EQ(UserDateText(formats, c.value), c.shown);
        EXPECT_EQ(UserDateTextOf(formats, c.stored), c.shown);
        EXPECT_EQ(GeneralDateText(c.value), c.stored) << "the stored form is the same everywhere";
    }
    fakes::FakeLocaleFormats german;
    german.profile = Profile::Germany;
    EXPECT_EQ(UserDateTextOf(german, "3/16/2006 12:00:00 AM"), "16.03.2006 00:00:00");
    EXPECT_EQ(UserDateTextOf(german, "Never"), "Never");
    EXPECT_EQ(UserNumberText(german, 1234567), "1.234.567");
}

}  // namespace
}  // namespace core
