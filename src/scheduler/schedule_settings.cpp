#include "scheduler/schedule_settings.h"

#include "base/text.h"
#include "core/application.h"
#include "core/date_time_text.h"
#include "scheduler/schedule_days.h"
#include "scheduler/schedule_watcher.h"
#include "scheduler/watched_schedule.h"

namespace scheduler {

namespace {

// "Null" empties the picker (after showing the current moment, as an empty
// picker keeps a value to offer when it is ticked again); any other text sets
// it when it reads as a date or time.
void ShowStoredMoment(core::Application& app, ui::DateTimePicker& picker,
                      const std::string& stored) {
    if (stored == "Null") {
        picker.SetValue(app.ports.clock.Now());
        picker.SetValue(std::nullopt);
        return;
    }
    if (const std::optional<platform::DateTime> value = core::ParseDateTime(stored)) {
        picker.SetValue(*value);
    }
}

std::string StoredMoment(const ui::DateTimePicker& picker) {
    return picker.Value() ? core::GeneralDateText(*picker.Value()) : std::string("Null");
}

}  // namespace

bool SaveSchedule(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    // 1.
    if (main.cmbDays->ListIndex() == kDateAndTime &&
        (!main.dtpScheduleDate->Value() || !main.dtpScheduleTime->Value())) {
        app.ports.dialogs.ShowMessage(app.Message("MSG_DATE"), app.branding.ProgramName,
                                      platform::MessageButtons::Ok,
                                      platform::MessageIcon::Information);
        return false;
    }
    // 2.
    const int scheduled = main.chkAutomaticScanYesOrNo->Value();
    app.WriteUserSetting("OptionAndSettings", "chkAutomaticScanYesOrNo", std::to_string(scheduled));
    // 3.
    if (scheduled != 1) {
        main.tmrScheduler->SetEnabled(false);
        return true;
    }
    // 4.
    app.WriteUserSetting("OptionAndSettings", "Day", std::to_string(main.cmbDays->ListIndex()));
    app.WriteUserSetting("OptionAndSettings", "Time", StoredMoment(*main.dtpScheduleTime));
    app.WriteUserSetting("OptionAndSettings", "Date", StoredMoment(*main.dtpScheduleDate));
    // The watcher compares what is stored now, read back as it reads it.
    app.scheduler.watched = ReadWatchedSchedule(app);
    // Watched closely until the next tick has measured how near it is.
    main.tmrScheduler->SetInterval(kWatchCloseInterval);
    // 5.
    main.tmrScheduler->SetEnabled(true);
    return true;
}

void LoadSchedule(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    // 1.
    const double autoDelete =
        base::LeadingNumber(app.ReadUserSetting("Settings", "chkAutoDel", "0"));
    if (autoDelete == 0 || autoDelete == 1) {
        main.chkAutoDel->SetValue(static_cast<int>(autoDelete));
    }
    // 2.
    const std::string day = app.ReadUserSetting("OptionAndSettings", "Day", "None");
    if (day == "None") {
        main.cmbDays->SetListIndex(kDaily);
        return;
    }
    // 3.
    ShowStoredMoment(app, *main.dtpScheduleDate,
                     app.ReadUserSetting("OptionAndSettings", "Date", "Null"));
    ShowStoredMoment(app, *main.dtpScheduleTime,
                     app.ReadUserSetting("OptionAndSettings", "Time", "Null"));
    // 4.
    // A stored number that names no choice shows "Daily"; it is range-checked
    // before it becomes an index, as the text may hold any number.
    const double index = base::LeadingNumber(day);
    main.cmbDays->SetListIndex(
        index >= 0 && index < main.cmbDays->ItemCount() ? static_cast<int>(index) : kDaily);
}

}  // namespace scheduler
