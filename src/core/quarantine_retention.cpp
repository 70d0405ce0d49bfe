#include "core/quarantine_retention.h"

#include <string>

#include "core/application.h"
#include "core/text.h"

namespace core {

namespace {

int StoredDays(const Application& app) {
    return RetentionDaysFromText(app.ReadUserSetting(kRetentionSection, kRetentionDaysKey,
                                                     std::to_string(kDefaultRetentionDays)))
        .value_or(kDefaultRetentionDays);
}

}  // namespace

std::optional<int> RetentionDaysFromText(std::string_view text) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty() || trimmed.size() > 4 ||
        trimmed.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const int days = std::stoi(trimmed);
    if (days < 1 || days > kMaxRetentionDays) {
        return std::nullopt;
    }
    return days;
}

std::optional<int> QuarantineRetentionDays(const Application& app) {
    if (app.ReadUserSetting(kRetentionSection, kRetentionOnKey, "0") != "1") {
        return std::nullopt;
    }
    return StoredDays(app);
}

void AttachRetentionOption(Application& app) {
    ui::FrmMain& main = app.frmMain;
    main.chkPurgeQuarantine->onClick = [&app] {
        ui::FrmMain& m = app.frmMain;
        app.WriteUserSetting(kRetentionSection, kRetentionOnKey,
                             m.chkPurgeQuarantine->Checked() ? "1" : "0");
        m.txtPurgeQuarantineDays->SetEnabled(m.chkPurgeQuarantine->Checked());
    };
    // Only a number of days is stored: while the user types something else,
    // the last good number stays in force.
    main.txtPurgeQuarantineDays->onChange = [&app] {
        if (const std::optional<int> days =
                RetentionDaysFromText(app.frmMain.txtPurgeQuarantineDays->Text())) {
            app.WriteUserSetting(kRetentionSection, kRetentionDaysKey, std::to_string(*days));
        }
    };
}

void LoadRetentionOption(Application& app) {
    ui::FrmMain& main = app.frmMain;
    main.txtPurgeQuarantineDays->SetText(std::to_string(StoredDays(app)));
    main.chkPurgeQuarantine->SetValue(
        app.ReadUserSetting(kRetentionSection, kRetentionOnKey, "0") == "1" ? 1 : 0);
    main.txtPurgeQuarantineDays->SetEnabled(main.chkPurgeQuarantine->Checked());
}

}  // namespace core
