#include "scheduler/schedule_settings.h"

#include "core/application.h"
#include "core/date_time_text.h"
#include "core/text.h"

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

}  // namespace

void LoadSchedule(core::Application& app) {
    ui::FrmMain& main = app.frmMain;
    // 1.
    const double autoDelete =
        core::LeadingNumber(app.ReadUserSetting("Settings", "chkAutoDel", "0"));
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
    const auto index = static_cast<int>(core::LeadingNumber(day));
    main.cmbDays->SetListIndex(index >= 0 && index < main.cmbDays->ItemCount() ? index : kDaily);
}

}  // namespace scheduler
