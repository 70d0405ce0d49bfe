#include "server_dates.h"

#include <chrono>
#include <ctime>

#include "base/text.h"
#include "core/date_time_text.h"

namespace defserver {

namespace {

constexpr platform::DateTime kUnixEpoch{1970, 1, 1, 0, 0, 0, 4};

std::tm UtcOf(UnixSeconds moment) {
    const auto seconds = static_cast<std::time_t>(moment);
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    return parts;
}

std::string TwoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string DateAnswerText(UnixSeconds moment) {
    const std::tm t = UtcOf(moment);
    const int hour12 = t.tm_hour % 12 == 0 ? 12 : t.tm_hour % 12;
    return std::to_string(t.tm_mon + 1) + "/" + std::to_string(t.tm_mday) + "/" +
           std::to_string(t.tm_year + 1900) + " " + std::to_string(hour12) + ":" +
           TwoDigits(t.tm_min) + ":" + TwoDigits(t.tm_sec) + (t.tm_hour < 12 ? " AM" : " PM");
}

std::string ProgramDateText(UnixSeconds moment) {
    const std::tm t = UtcOf(moment);
    return core::GeneralDateText(platform::DateTime{t.tm_year + 1900, t.tm_mon + 1, t.tm_mday,
                                                    t.tm_hour, t.tm_min, t.tm_sec, t.tm_wday});
}

std::string IsoDateText(UnixSeconds moment) {
    const std::tm t = UtcOf(moment);
    return std::to_string(t.tm_year + 1900) + "-" + TwoDigits(t.tm_mon + 1) + "-" +
           TwoDigits(t.tm_mday) + " " + TwoDigits(t.tm_hour) + ":" + TwoDigits(t.tm_min) + ":" +
           TwoDigits(t.tm_sec);
}

std::optional<UnixSeconds> ReadDateText(std::string_view text) {
    std::string cleaned = base::ReplaceAll(base::ReplaceAll(text, "%20", " "), "+", " ");
    for (char& c : cleaned) {
        if (c == '\t' || c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    cleaned = base::Trim(cleaned);
    if (!cleaned.empty() && (cleaned.back() == 'Z' || cleaned.back() == 'z')) {
        cleaned.pop_back();
    }
    // The ISO form may join date and time with a "T".
    if (cleaned.size() > 10 && cleaned[4] == '-' && (cleaned[10] == 'T' || cleaned[10] == 't')) {
        cleaned[10] = ' ';
    }
    const std::optional<platform::DateTime> parsed = core::ParseDateTime(cleaned);
    if (!parsed) {
        return std::nullopt;
    }
    return core::SecondsSinceZeroDate(*parsed) - core::SecondsSinceZeroDate(kUnixEpoch);
}

UnixSeconds SystemNow() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace defserver
