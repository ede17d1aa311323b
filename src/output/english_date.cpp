#include "output/english_date.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace corvane {

using namespace std::chrono;

namespace {

constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

}  // namespace

std::string englishLongDate(Date date) {
  const year_month_day ymd{date};
  std::string text{kWeekdayNames[weekday{date}.c_encoding()]};
  text += ", ";
  text += kMonthNames[static_cast<unsigned>(ymd.month()) - 1];
  text += ' ';
  text += std::to_string(static_cast<unsigned>(ymd.day()));
  text += ", ";
  text += std::to_string(static_cast<int>(ymd.year()));
  return text;
}

std::string isoDate(Date date) {
  const year_month_day ymd{date};
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return text;
}

}  // namespace corvane
