#include "state/english_date.h"

#include <array>
#include <charconv>
#include <iterator>
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

std::string_view englishWeekdayName(weekday day) {
  return kWeekdayNames[day.c_encoding()];
}

std::string_view englishMonthName(month month) {
  return kMonthNames[static_cast<unsigned>(month) - 1];
}

std::string englishLongDate(Date date) {
  std::string text;
  appendEnglishLongDate(text, date);
  return text;
}

void appendEnglishLongDate(std::string& out, Date date) {
  const year_month_day ymd{date};
  // The figures written in place: this is written for every date of a long range.
  char figures[24];
  char* end = figures;
  *end++ = ' ';
  end = std::to_chars(end, std::end(figures), static_cast<unsigned>(ymd.day())).ptr;
  *end++ = ',';
  *end++ = ' ';
  end = std::to_chars(end, std::end(figures), static_cast<int>(ymd.year())).ptr;
  out += kWeekdayNames[weekday{date}.c_encoding()];
  out += ", ";
  out += kMonthNames[static_cast<unsigned>(ymd.month()) - 1];
  out.append(figures, end);
}

std::string englishDayMonthYear(const ChurchDate& date) {
  return std::to_string(date.day) + " " + std::string{kMonthNames[date.month - 1]} + " " +
         std::to_string(date.year);
}

std::string englishShortDate(Date date) {
  const year_month_day ymd{date};
  const unsigned day = static_cast<unsigned>(ymd.day());
  std::string text{kWeekdayNames[weekday{date}.c_encoding()].substr(0, 3)};
  text += ", ";
  text += kMonthNames[static_cast<unsigned>(ymd.month()) - 1].substr(0, 3);
  text += day < 10 ? " 0" : " ";
  text += std::to_string(day);
  text += ", ";
  text += std::to_string(static_cast<int>(ymd.year()));
  return text;
}

}  // namespace corvane
