#pragma once

#include <string>

#include "state/church_date.h"
#include "state/date.h"

namespace corvane {

// "Saturday, October 8, 2022": the long date of the English (US) convention,
// used where the system offers no long date of its own.
std::string englishLongDate(Date date);

// "2022-10-08".
std::string isoDate(Date date);

// A date of the temple's calendar: "6 December 2026" and "2026-12-06".
std::string englishDayMonthYear(const ChurchDate& date);
std::string isoDate(const ChurchDate& date);

}  // namespace corvane
