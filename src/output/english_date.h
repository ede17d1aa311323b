#pragma once

#include <string>

#include "state/date.h"

namespace corvane {

// "Saturday, October 8, 2022": the long date of the English (US) convention,
// used where the system offers no long date of its own.
std::string englishLongDate(Date date);

// "2022-10-08".
std::string isoDate(Date date);

}  // namespace corvane
