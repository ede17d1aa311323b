#pragma once

#include <chrono>

namespace corvane {

// A calendar date of the civil (Gregorian) calendar, one day's resolution.
// Arithmetic is on day counts: date + std::chrono::days{n}.
using Date = std::chrono::sys_days;
using std::chrono::days;

// The dates a user may pick: the evening shift moves the last one to 31 December 9999.
inline constexpr Date kFirstSupportedDate = std::chrono::year{1583} / std::chrono::January / 1;
inline constexpr Date kLastSupportedDate = std::chrono::year{9999} / std::chrono::December / 30;

constexpr Date makeDate(int year, unsigned month, unsigned day) {
  return std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day};
}

constexpr std::chrono::weekday weekdayOf(Date date) {
  return std::chrono::weekday{date};
}

constexpr bool isSupportedPickedDate(Date date) {
  return kFirstSupportedDate <= date && date <= kLastSupportedDate;
}

}  // namespace corvane
