#pragma once

#include <string>
#include <string_view>

#include "state/church_date.h"
#include "state/date.h"
#include "state/picked_date.h"

namespace corvane {

// "Thursday", "January": the English names, for writing dates and reading them.
std::string_view englishWeekdayName(std::chrono::weekday weekday);
std::string_view englishMonthName(std::chrono::month month);

// "Saturday, October 8, 2022": the long date of the English (US) convention,
// used where the system offers no long date of its own.
std::string englishLongDate(Date date);
// The same, appended to `out`, for sentences built in one buffer.
void appendEnglishLongDate(std::string& out, Date date);

// "Sat, Dec 05, 2026": the form of the date picker.
std::string englishShortDate(Date date);

// A date of the temple's calendar: "6 December 2026".
std::string englishDayMonthYear(const ChurchDate& date);

}  // namespace corvane
