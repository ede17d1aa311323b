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
  return isoDate(ChurchDate{static_cast<int>(ymd.year()),
                            static_cast<int>(static_cast<unsigned>(ymd.month())),
                            static_cast<int>(static_cast<unsigned>(ymd.day()))});
}

std::string englishDayMonthYear(const ChurchDate& date) {
  return std::to_string(date.day) + " " + std::string{kMonthNames[date.month - 1]} + " " +
         std::to_string(date.year);
}

std::string isoDate(const ChurchDate& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

}  // namespace corvane
