#include "core/quarantine_retention.h"

#include <cstdio>
#include <string>
#include <vector>

#include "base/text.h"
#include "core/application.h"
#include "core/date_time_text.h"

namespace core {

namespace {

int StoredDays(const Application& app) {
    return RetentionDaysFromText(app.ReadUserSetting(kRetentionSection, kRetentionDaysKey,
                                                     std::to_string(kDefaultRetentionDays)))
        .value_or(kDefaultRetentionDays);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The first three runs of digits and their lengths, when nothing but
// separators (no letter) stands before and between them.
struct DateParts {
    int numbers[3] = {};
    std::size_t lengths[3] = {};
};

std::optional<DateParts> LeadingNumbers(std::string_view text) {
    DateParts parts;
    std::size_t i = 0;
    for (int part = 0; part < 3; ++part) {
        while (i < text.size() && !IsDigit(text[i])) {
            if (std::string_view("./-, ").find(text[i]) == std::string_view::npos) {
                return std::nullopt;
            }
            ++i;
        }
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i]) && i - start < 5) {
            ++i;
        }
        if (i == start || i - start > 4) {
            return std::nullopt;
        }
        parts.numbers[part] = std::stoi(std::string(text.substr(start, i - start)));
        parts.lengths[part] = i - start;
    }
    return parts;
}

// A year as written: two digits stand for this century.
std::optional<int> FullYear(int number, std::size_t length) {
    if (length == 4) {
        return number;
    }
    if (length == 2) {
        return 2000 + number;
    }
    return std::nullopt;
}

}  // namespace

std::optional<platform::DateTime> LatestDayOfUserDate(std::string_view text) {
    const std::optional<DateParts> parts = LeadingNumbers(text);
    if (!parts) {
        return std::nullopt;
    }
    struct Reading {
        int year;
        int month;
        int day;
    };
    std::vector<Reading> readings;
    const int* n = parts->numbers;
    if (parts->lengths[0] == 4) {
        readings.push_back({n[0], n[1], n[2]});
    } else {
        if (const std::optional<int> year = FullYear(n[2], parts->lengths[2])) {
            readings.push_back({*year, n[0], n[1]});
            readings.push_back({*year, n[1], n[0]});
        }
        // A two-digit year may come first too (yy/MM/dd); read that way a
        // date can only come out later, never earlier.
        if (parts->lengths[0] == 2 && parts->lengths[2] == 2) {
            readings.push_back({2000 + n[0], n[1], n[2]});
        }
    }
    std::optional<platform::DateTime> latest;
    for (const Reading& reading : readings) {
        if (reading.month < 1 || reading.month > 12 || reading.day < 1 || reading.day > 31) {
            continue;
        }
        // The fixed form's reader knows which days exist.
        char fixed[16];
        std::snprintf(fixed, sizeof fixed, "%04d-%02d-%02d", reading.year, reading.month,
                      reading.day);
        std::optional<platform::DateTime> day = ParseDateTime(fixed);
        if (!day) {
            continue;
        }
        day->hour = 23;
        day->minute = 59;
        day->second = 59;
        if (!latest || SecondsSinceZeroDate(*day) > SecondsSinceZeroDate(*latest)) {
            latest = day;
        }
    }
    return latest;
}

std::optional<int> RetentionDaysFromText(std::string_view text) {
    const std::string trimmed = base::Trim(text);
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
