// A date answer of the definitions server. A date it accepts is stored as
// text and read back by the next update, so it must read back the same.

#include <string>

#include "core/date_time_text.h"
#include "fuzz_target.h"
#include "update/date_answer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<platform::DateTime> date = update::DateOfAnswer(fuzz::AsText(data, size));
    if (!date) {
        return 0;
    }
    const std::string stored = core::GeneralDateText(*date);
    const std::optional<platform::DateTime> readBack = core::ParseDateTime(stored);
    fuzz::Require(readBack.has_value() && *readBack == *date,
                  "a date the server sends reads back the same once stored");
    fuzz::Require(update::DateOfAnswer(stored) == date, "a stored date is a valid answer");
    fuzz::Require(core::SecondsSinceZeroDate(*date) == core::SecondsSinceZeroDate(*readBack),
                  "the moment compares the same");
    return 0;
}
