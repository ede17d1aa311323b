#include "window_logic/typed_date.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "base/messages.h"
#include "state/english_date.h"

namespace corvane {

using namespace std::chrono;

namespace {

// What the picker says of a date it cannot take; each follows the typed text.
namespace said {
constexpr std::string_view kNothingTyped = "Type a date, such as 2027-01-07 or January 7, 2027.";
constexpr std::string_view kNotReadable = " is not a date that can be read: type it as 2027-01-07";
constexpr std::string_view kOrInWords = "January 7, 2027";
constexpr std::string_view kNotAName = " is not a date: '";
constexpr std::string_view kIsNoName = "' is not the name of a month or a weekday.";
constexpr std::string_view kShortYear = ": write the year with all its digits, such as 2027.";
constexpr std::string_view kNoMonth = " is not a date: there is no month ";
constexpr std::string_view kNoDayZero = " is not a date: there is no day 0.";
constexpr std::string_view kDaysInMonth = " is not a date: ";
constexpr std::string_view kOutsideRange =
    " is outside the dates that can be composed, January 1, 1583 to December 30, 9999.";
}  // namespace said

struct Token {
  std::string_view text;
  bool number = false;
};

bool isLetter(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) != 0;
}
bool isDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool isSeparator(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ',' || c == '.' || c == '/' ||
         c == '-';
}

std::string lower(std::string_view text) {
  std::string lowered{text};
  for (char& c : lowered) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lowered;
}

// Words and numbers; "7th" is the number 7. Nothing when a character is neither
// nor a separator.
std::optional<std::vector<Token>> tokens(std::string_view text) {
  std::vector<Token> found;
  std::size_t at = 0;
  while (at < text.size()) {
    const char c = text[at];
    if (isSeparator(c)) {
      ++at;
      continue;
    }
    const bool number = isDigit(c);
    if (!number && !isLetter(c)) return std::nullopt;
    std::size_t end = at;
    while (end < text.size() && (number ? isDigit(text[end]) : isLetter(text[end]))) ++end;
    found.push_back({text.substr(at, end - at), number});
    if (number) {
      std::size_t suffixEnd = end;
      while (suffixEnd < text.size() && isLetter(text[suffixEnd])) ++suffixEnd;
      const std::string suffix = lower(text.substr(end, suffixEnd - end));
      if (suffix == "st" || suffix == "nd" || suffix == "rd" || suffix == "th") end = suffixEnd;
    }
    at = end;
  }
  return found;
}

// The index of a name that the word is, whole or cut to three letters or more.
template <std::size_t count, typename NameOf>
std::optional<unsigned> nameIndex(std::string_view word, NameOf nameOf) {
  if (word.size() < 3) return std::nullopt;
  const std::string typed = lower(word);
  for (unsigned i = 0; i < count; ++i) {
    if (lower(nameOf(i)).starts_with(typed)) return i;
  }
  return std::nullopt;
}

// The typed text as the message quotes it: on one line, and not too long to read.
std::string quoted(std::string_view typed) {
  std::string shown;
  for (char c : typed) shown += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
  constexpr std::size_t kLongest = 40;
  if (shown.size() > kLongest) {
    // Cut at a blank, else between two characters.
    std::size_t cut = shown.rfind(' ', kLongest - 1);
    if (cut == std::string::npos || cut == 0) {
      cut = kLongest - 1;
      while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0) == 0x80) --cut;
    }
    shown = shown.substr(0, cut) + "…";
  }
  return inQuotes(shown);
}

// The order of the day, month and year in a pattern of Qt's date letters
// ("dd.MM.yy": day, month, year); month, day, year when it names none.
enum class Field { day, month, year };
std::array<Field, 3> fieldOrder(std::string_view pattern) {
  std::array<std::optional<std::size_t>, 3> at{};
  for (std::size_t i = 0; i < pattern.size();) {
    const char letter = pattern[i];
    std::size_t end = i;
    while (end < pattern.size() && pattern[end] == letter) ++end;
    const std::size_t run = end - i;
    const auto mark = [&](Field field) {
      auto& first = at[static_cast<std::size_t>(field)];
      if (!first) first = i;
    };
    if (letter == 'd' && run <= 2) mark(Field::day);
    if (letter == 'M') mark(Field::month);
    if (letter == 'y') mark(Field::year);
    i = end;
  }
  if (!at[0] || !at[1] || !at[2]) return {Field::month, Field::day, Field::year};
  std::array<Field, 3> order{Field::day, Field::month, Field::year};
  std::ranges::sort(order, {}, [&at](Field field) { return *at[static_cast<std::size_t>(field)]; });
  return order;
}

// January 7, 2027 in the pattern's figures ("M/d/yy": "1/7/2027"); nothing
// when the pattern names the month or holds words.
std::optional<std::string> shortExample(std::string_view pattern) {
  std::string example;
  int fields = 0;
  for (std::size_t i = 0; i < pattern.size();) {
    const char letter = pattern[i];
    std::size_t end = i;
    while (end < pattern.size() && pattern[end] == letter) ++end;
    const std::size_t run = end - i;
    if (letter == 'd' && run <= 2) {
      example += run == 1 ? "7" : "07";
    } else if (letter == 'M' && run <= 2) {
      example += run == 1 ? "1" : "01";
    } else if (letter == 'y') {
      example += "2027";
    } else if (isLetter(letter) || letter == '\'') {
      return std::nullopt;
    } else {
      example.append(run, letter);
    }
    if (letter == 'd' || letter == 'M' || letter == 'y') ++fields;
    i = end;
  }
  if (fields != 3) return std::nullopt;
  return example;
}

unsigned numberOf(std::string_view digits) {
  unsigned value = 0;
  for (char digit : digits) value = value * 10 + static_cast<unsigned>(digit - '0');
  return value;
}

std::string monthDayYear(year_month_day date) {
  return std::string{englishMonthName(date.month())} + " " +
         std::to_string(static_cast<unsigned>(date.day())) + ", " +
         std::to_string(static_cast<int>(date.year()));
}

}  // namespace

Result<Date> readTypedDate(std::string_view typed, std::string_view shortDatePattern) {
  const auto first = typed.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return Failure{std::string{said::kNothingTyped}};
  typed = typed.substr(first, typed.find_last_not_of(" \t\r\n") - first + 1);
  const std::string quote = quoted(typed);
  const std::optional<std::string> example = shortExample(shortDatePattern);
  const Failure notReadable{quote + std::string{said::kNotReadable} +
                            (example ? ", " + *example + " or " : std::string{" or "}) +
                            std::string{said::kOrInWords} + "."};

  const std::optional<std::vector<Token>> found = tokens(typed);
  if (!found) return notReadable;
  std::optional<unsigned> weekdayIndex;
  std::optional<unsigned> monthIndex;
  std::vector<std::string_view> numbers;
  for (const Token& token : *found) {
    if (token.number) {
      numbers.push_back(token.text);
      continue;
    }
    const auto asWeekday =
        nameIndex<7>(token.text, [](unsigned i) { return englishWeekdayName(weekday{i}); });
    const auto asMonth =
        nameIndex<12>(token.text, [](unsigned i) { return englishMonthName(month{i + 1}); });
    if (!asWeekday && !asMonth) {
      return Failure{quote + std::string{said::kNotAName} + std::string{token.text} +
                     std::string{said::kIsNoName}};
    }
    std::optional<unsigned>& slot = asMonth ? monthIndex : weekdayIndex;
    if (slot) return notReadable;
    slot = asMonth ? *asMonth : *asWeekday;
  }

  // The numbers by what they are: the day and the year beside a month's
  // name; else all three, the year first when it is written first.
  std::string_view dayDigits, monthDigits, yearDigits;
  const auto isYear = [](std::string_view digits) { return digits.size() >= 3; };
  if (monthIndex) {
    if (numbers.size() != 2) return notReadable;
    if (isYear(numbers[0]) == isYear(numbers[1])) {
      if (isYear(numbers[0])) return notReadable;
      return Failure{quote + std::string{said::kShortYear}};
    }
    dayDigits = isYear(numbers[0]) ? numbers[1] : numbers[0];
    yearDigits = isYear(numbers[0]) ? numbers[0] : numbers[1];
  } else {
    if (numbers.size() != 3) return notReadable;
    const std::array<Field, 3> order = isYear(numbers[0])
                                           ? std::array{Field::year, Field::month, Field::day}
                                           : fieldOrder(shortDatePattern);
    for (std::size_t i = 0; i < 3; ++i) {
      const bool yearHere = order[i] == Field::year;
      if (!yearHere && isYear(numbers[i])) return notReadable;
      (order[i] == Field::day     ? dayDigits
       : order[i] == Field::month ? monthDigits
                                  : yearDigits) = numbers[i];
    }
    if (!isYear(yearDigits)) return Failure{quote + std::string{said::kShortYear}};
  }

  const unsigned monthNumber = monthIndex ? *monthIndex + 1 : numberOf(monthDigits);
  if (monthNumber < 1 || monthNumber > 12) {
    return Failure{quote + std::string{said::kNoMonth} + std::to_string(monthNumber) + "."};
  }
  const bool yearInRange = yearDigits.size() <= 4 && numberOf(yearDigits) >= 1583;
  if (!yearInRange) return Failure{quote + std::string{said::kOutsideRange}};
  const year_month_day_last last{year{static_cast<int>(numberOf(yearDigits))} / month{monthNumber} /
                                 std::chrono::last};
  const unsigned dayNumber = dayDigits.size() <= 2 ? numberOf(dayDigits) : 99;
  if (dayNumber == 0) return Failure{quote + std::string{said::kNoDayZero}};
  if (dayNumber > static_cast<unsigned>(last.day())) {
    return Failure{quote + std::string{said::kDaysInMonth} +
                   std::string{englishMonthName(last.month())} + " " +
                   std::to_string(static_cast<int>(last.year())) + " has " +
                   std::to_string(static_cast<unsigned>(last.day())) + " days."};
  }
  const year_month_day date{last.year(), last.month(), day{dayNumber}};
  if (!isSupportedPickedDate(Date{date})) return Failure{quote + std::string{said::kOutsideRange}};
  const weekday actual{Date{date}};
  if (weekdayIndex && weekday{*weekdayIndex} != actual) {
    return Failure{quote + ": " + monthDayYear(date) + " is a " +
                   std::string{englishWeekdayName(actual)} + ", not a " +
                   std::string{englishWeekdayName(weekday{*weekdayIndex})} + "."};
  }
  return Date{date};
}

}  // namespace corvane
