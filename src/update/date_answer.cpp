#include "update/date_answer.h"

#include "core/date_time_text.h"
#include "update/update_records.h"

namespace update {

std::optional<platform::DateTime> DateOfAnswer(std::string_view answer) {
    return core::ParseDateTime(CleanDateAnswer(answer));
}

}  // namespace update
