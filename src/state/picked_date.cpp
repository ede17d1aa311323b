#include "state/picked_date.h"

#include <cctype>

#include "base/messages.h"

namespace corvane {

using namespace std::chrono;

// By hand: this compiler's library has no chrono parsing.
Result<Date> readPickedDate(std::string_view text) {
  const std::string typed = inQuotes(text);
  const bool digitsWhereDue = text.size() == 10 && text[4] == '-' && text[7] == '-' && [&] {
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
      if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    }
    return true;
  }();
  if (!digitsWhereDue) return Failure{typed + " is not a date of the form YYYY-MM-DD"};
  const auto number = [&text](std::size_t at, std::size_t length) {
    unsigned value = 0;
    for (char digit : text.substr(at, length))
      value = value * 10 + static_cast<unsigned>(digit - '0');
    return value;
  };
  const year_month_day date{year{static_cast<int>(number(0, 4))}, month{number(5, 2)},
                            day{number(8, 2)}};
  if (!date.ok()) return Failure{typed + " is not a real date"};
  if (!isSupportedPickedDate(Date{date})) {
    return Failure{std::string{text} + " is outside the supported dates 1583-01-01 to 9999-12-30"};
  }
  return Date{date};
}

namespace {

// "YYYY-MM-DD" written by hand into ten bytes: it is written for every line of a long range.
void writeIsoDate(char* text, const ChurchDate& date) {
  int year = date.year;
  for (int i = 3; i >= 0; --i, year /= 10) text[i] = static_cast<char>('0' + year % 10);
  text[4] = '-';
  text[5] = static_cast<char>('0' + date.month / 10);
  text[6] = static_cast<char>('0' + date.month % 10);
  text[7] = '-';
  text[8] = static_cast<char>('0' + date.day / 10);
  text[9] = static_cast<char>('0' + date.day % 10);
}

ChurchDate civilDateOf(Date date) {
  const year_month_day ymd{date};
  return ChurchDate{static_cast<int>(ymd.year()),
                    static_cast<int>(static_cast<unsigned>(ymd.month())),
                    static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

}  // namespace

std::string isoDate(Date date) {
  return isoDate(civilDateOf(date));
}

std::string isoDate(const ChurchDate& date) {
  std::string text(10, '0');
  writeIsoDate(text.data(), date);
  return text;
}

void appendIsoDateText(std::string& out, Date date) {
  char text[10];
  writeIsoDate(text, civilDateOf(date));
  out.append(text, sizeof text);
}

}  // namespace corvane
