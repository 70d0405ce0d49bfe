// The stored schedule as the watcher reads it: which texts make a moment,
// and which never fire.

#include "scheduler/watched_schedule.h"

#include <tuple>

#include "scheduler_fixture.h"

namespace scheduler {
namespace {

using testing::At;

class WatchedScheduleTexts : public testing::SchedulerFixture {
protected:
    WatchedScheduleTexts() { Start(); }

    WatchedSchedule Read(std::string_view day, std::string_view time, std::string_view date) {
        StoreSchedule(day, time, date);
        return ReadWatchedSchedule(*app);
    }
};

TEST_F(WatchedScheduleTexts, TheTimeCountsToTheSecondWhateverItsDate) {
    const WatchedSchedule schedule = Read("7", "12/1/2020 6:05:09 PM", "Null");
    EXPECT_TRUE(IsScheduleDue(schedule, At(2026, 12, 7, 18, 5, 9)));
    EXPECT_FALSE(IsScheduleDue(schedule, At(2026, 12, 7, 18, 5, 8)));
    EXPECT_FALSE(IsScheduleDue(schedule, At(2026, 12, 7, 18, 5, 10)));
    EXPECT_FALSE(IsScheduleDue(schedule, At(2026, 12, 7, 6, 5, 9))) << "24-hour";
}

TEST_F(WatchedScheduleTexts, TheDateCountsWithoutItsTime) {
    const WatchedSchedule schedule = Read("8", "6:00:00 PM", "12/24/2026 11:59:00 PM");
    EXPECT_TRUE(IsScheduleDue(schedule, At(2026, 12, 24, 18, 0, 0)));
    EXPECT_FALSE(IsScheduleDue(schedule, At(2026, 11, 24, 18, 0, 0)));
    EXPECT_FALSE(IsScheduleDue(schedule, At(2025, 12, 24, 18, 0, 0)));
}

TEST_F(WatchedScheduleTexts, TextsThatAreNoScheduleNeverFire) {
    for (const auto& [day, time, date] :
         std::vector<std::tuple<std::string, std::string, std::string>>{
             {"9", "6:00:00 PM", "Null"},
             {"10", "6:00:00 PM", "Null"},
             {"-1", "6:00:00 PM", "Null"},
             {"Daily", "6:00:00 PM", "Null"},
             {"", "6:00:00 PM", "Null"},
             {"99999999999999999999", "6:00:00 PM", "Null"},
             {"7", "25:00:00", "Null"},
             {"7", "six o'clock", "Null"},
             {"8", "6:00:00 PM", "Christmas"},
         }) {
        const WatchedSchedule schedule = Read(day, time, date);
        for (int dayOfMonth = 21; dayOfMonth <= 27; ++dayOfMonth) {
            EXPECT_FALSE(IsScheduleDue(schedule, At(2026, 12, dayOfMonth, 18, 0, 0)))
                << day << " / " << time << " / " << date;
        }
    }
}

TEST_F(WatchedScheduleTexts, MissingSettingsReadAsDailyWithNoTime) {
    const WatchedSchedule schedule = ReadWatchedSchedule(*app);
    EXPECT_EQ(schedule.day, 7);
    EXPECT_FALSE(schedule.secondOfDay.has_value());
    EXPECT_FALSE(schedule.date.has_value());
}

}  // namespace
}  // namespace scheduler
