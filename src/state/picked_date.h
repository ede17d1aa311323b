#pragma once

#include <string>
#include <string_view>

#include "base/result.h"
#include "state/church_date.h"
#include "state/date.h"

namespace corvane {

// A date typed as YYYY-MM-DD (on the command line, in a booklet list): the
// date, or what is wrong with it in words that say what to type
// ("'2026-02-30' is not a real date").
[[nodiscard]] Result<Date> readPickedDate(std::string_view text);

// "2022-10-08": a civil date, or a date of the temple's calendar.
std::string isoDate(Date date);
std::string isoDate(const ChurchDate& date);
// The same, appended to `out`, for writing long ranges.
void appendIsoDateText(std::string& out, Date date);

}  // namespace corvane
