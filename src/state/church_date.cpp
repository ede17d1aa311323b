#include "state/church_date.h"

namespace corvane {

using namespace std::chrono;

namespace {

// Days from Julian 1 March of year 0 (a day count of -719470) to the civil
// 1 January 1970, the epoch of sys_days.
constexpr int kJulianEraStart = 719470;

}  // namespace

// Howard Hinnant's days_from_civil with the Julian leap rule: eras of four
// years of 1461 days, years counted from 1 March so that the leap day ends
// the year. Every day of the program's range (years 1582 to 9999) keeps the
// intermediate values positive.
Date fromJulian(const ChurchDate& date) {
  const int year = date.year - (date.month <= 2 ? 1 : 0);
  const int era = (year >= 0 ? year : year - 3) / 4;
  const int yearOfEra = year - era * 4;  // [0, 3]
  const int dayOfYear = (153 * (date.month > 2 ? date.month - 3 : date.month + 9) + 2) / 5 +
                        date.day - 1;                // [0, 365]
  const int dayOfEra = yearOfEra * 365 + dayOfYear;  // [0, 1460]
  return Date{days{era * 1461 + dayOfEra - kJulianEraStart}};
}

ChurchDate julianDateOf(Date day) {
  const int count = static_cast<int>(day.time_since_epoch().count()) + kJulianEraStart;
  const int era = (count >= 0 ? count : count - 1460) / 1461;
  const int dayOfEra = count - era * 1461;                                // [0, 1460]
  const int yearOfEra = (dayOfEra - dayOfEra / 1460) / 365;               // [0, 3]
  const int dayOfYear = dayOfEra - 365 * yearOfEra;                       // [0, 365]
  const int monthFromMarch = (5 * dayOfYear + 2) / 153;                   // [0, 11]
  const int dayOfMonth = dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;  // [1, 31]
  const int month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
  return ChurchDate{yearOfEra + era * 4 + (month <= 2 ? 1 : 0), month, dayOfMonth};
}

ChurchDate churchDateOf(Date day, TempleCalendar calendar) {
  if (calendar == TempleCalendar::oldCalendar) return julianDateOf(day);
  const year_month_day civil{day};
  return ChurchDate{static_cast<int>(civil.year()),
                    static_cast<int>(static_cast<unsigned>(civil.month())),
                    static_cast<int>(static_cast<unsigned>(civil.day()))};
}

Date dayOf(const ChurchDate& date, TempleCalendar calendar) {
  if (calendar == TempleCalendar::oldCalendar) return fromJulian(date);
  return makeDate(date.year, static_cast<unsigned>(date.month), static_cast<unsigned>(date.day));
}

}  // namespace corvane
