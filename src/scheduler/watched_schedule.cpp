#include "scheduler/watched_schedule.h"

#include "base/text.h"
#include "core/application.h"
#include "core/date_time_text.h"
#include "scheduler/schedule_days.h"

namespace scheduler {

namespace {

int SecondOfDay(const platform::DateTime& value) {
    return (value.hour * 60 + value.minute) * 60 + value.second;
}

// 0 for Monday, as the choices of cmbDays count, whatever the clock's or the
// system's own numbering of days.
int WeekdayFromMonday(const platform::DateTime& value) {
    return (core::DayOfWeek(value.year, value.month, value.day) + 6) % 7;
}

bool SameDate(const platform::DateTime& a, const platform::DateTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

}  // namespace

WatchedSchedule ReadWatchedSchedule(core::Application& app) {
    WatchedSchedule schedule;
    if (const std::optional<double> day =
            base::WholeNumber(app.ReadUserSetting("OptionAndSettings", "Day", "7"))) {
        // A number that names no choice never fires, as "Never" does.
        schedule.day =
            *day >= 0 && *day <= kNever ? static_cast<int>(base::RoundHalfEven(*day)) : kNever;
    }
    if (const std::optional<platform::DateTime> time =
            core::ParseDateTime(app.ReadUserSetting("OptionAndSettings", "Time", "Null"))) {
        schedule.secondOfDay = SecondOfDay(*time);
    }
    schedule.date = core::ParseDateTime(app.ReadUserSetting("OptionAndSettings", "Date", "Null"));
    return schedule;
}

bool IsScheduleDue(const WatchedSchedule& schedule, const platform::DateTime& now) {
    if (!schedule.day || !schedule.secondOfDay || *schedule.secondOfDay != SecondOfDay(now)) {
        return false;
    }
    const int day = *schedule.day;
    if (day >= 0 && day <= kSunday) {
        return WeekdayFromMonday(now) == day;
    }
    if (day == kDaily) {
        return true;
    }
    if (day == kDateAndTime) {
        return schedule.date && SameDate(*schedule.date, now);
    }
    return false;
}

}  // namespace scheduler
