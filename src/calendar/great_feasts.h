#pragma once

#include <string_view>

namespace corvane {

// A great feast of the fixed calendar, on its date in the temple's calendar.
struct GreatFeast {
  int month, day;
  std::string_view name;  // as a sentence names it: "the Meeting of Our Lord"
};

// The great feasts of the fixed calendar; a date that is none of them gives nothing.
const GreatFeast* greatFeastOn(int month, int day);

}  // namespace corvane
