#pragma once

#include <string_view>

#include "base/result.h"
#include "state/date.h"

namespace corvane {

// A whole date as people type or paste it into the date picker, with or
// without its weekday: "2027-01-07", "Jan 7 2027", "7 January 2027",
// "January 7, 2027", "Thu, Jan 07, 2027", or the system's short date. That
// one is read in the order of `shortDatePattern`, the system's pattern in
// Qt's letters ("M/d/yy" reads "1/7/2027" as January 7, "dd.MM.yy" as 1 July),
// always with the year in full. Month and weekday names are English, whole or
// cut to three letters or more, in any letter case.
//
// The date, or what is wrong with it in plain words, naming what was typed:
// "'Wed, Jan 07, 2027': January 7, 2027 is a Thursday, not a Wednesday."
// Dates outside 1583-01-01 to 9999-12-30 are refused.
[[nodiscard]] Result<Date> readTypedDate(std::string_view typed, std::string_view shortDatePattern);

}  // namespace corvane
