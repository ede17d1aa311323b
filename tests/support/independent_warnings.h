#pragma once

// Which services the Typikon appoints on a day, and so when a picked service
// draws a warning, worked out apart from the program: Pascha by Meeus, the
// Julian date by Richards (independent_calendar.h), the weekday from the day
// count, and the rules written out afresh as the usual practice states them.

#include <chrono>

#include "state/service.h"
#include "support/independent_calendar.h"

namespace corvane::testing {

enum class Appointed { noLiturgy, chrysostom, basil, presanctified, greatVespers, orthros };

// A day as the rules read it: days from the Pascha of its civil year, its
// month and day in the temple's calendar, its weekday (0 Sunday to 6 Saturday).
struct RuleDay {
  long fromPascha;
  int month, day;
  int weekday;
  bool on(int m, int d) const { return month == m && day == d; }
};

inline RuleDay ruleDayOf(Day date, bool oldCalendar) {
  const long count = date.time_since_epoch().count();  // 1970-01-01, a Thursday, is 0
  const int weekday = static_cast<int>(((count % 7) + 7 + 4) % 7);
  const int civilYear = static_cast<int>(std::chrono::year_month_day{date}.year());
  const long fromPascha = (date - julianEasterAsCivil(civilYear)).count();
  if (oldCalendar) {
    const JulianMonthDay julian = julianMonthDayOf(date);
    return {fromPascha, julian.month, julian.day, weekday};
  }
  const std::chrono::year_month_day civil{date};
  return {fromPascha, static_cast<int>(static_cast<unsigned>(civil.month())),
          static_cast<int>(static_cast<unsigned>(civil.day())), weekday};
}

// The Eucharist of a day; the first rule that holds decides.
inline Appointed eucharistOf(Day date, bool oldCalendar) {
  const RuleDay x = ruleDayOf(date, oldCalendar);
  const long p = x.fromPascha;
  const bool annunciation = x.on(3, 25);
  const bool mondayToFriday = x.weekday >= 1 && x.weekday <= 5;
  if (p == -2) return annunciation ? Appointed::chrysostom : Appointed::noLiturgy;
  if (p == -42 || p == -35 || p == -28 || p == -21 || p == -14) return Appointed::basil;
  if (p == -3 || p == -1) return Appointed::basil;
  if (x.on(1, 1)) return Appointed::basil;
  if (x.on(12, 24) || x.on(1, 5)) return mondayToFriday ? Appointed::basil : Appointed::chrysostom;
  if (x.on(12, 25) || x.on(1, 6)) {
    return x.weekday == 0 || x.weekday == 1 ? Appointed::basil : Appointed::chrysostom;
  }
  if (x.weekday == 5 && (x.on(12, 22) || x.on(12, 23) || x.on(1, 3) || x.on(1, 4))) {
    return Appointed::noLiturgy;
  }
  if (annunciation) return Appointed::chrysostom;
  // In the six weeks of Lent: Wednesdays and Fridays, the Thursday of the
  // Great Canon, the Head of the Forerunner and the Forty Martyrs.
  if (mondayToFriday && p >= -48 && p <= -9) {
    const bool presanctified =
        x.weekday == 3 || x.weekday == 5 || p == -17 || x.on(2, 24) || x.on(3, 9);
    return presanctified ? Appointed::presanctified : Appointed::noLiturgy;
  }
  if (p == -6 || p == -5 || p == -4) return Appointed::presanctified;
  if (p == -53 || p == -51) return x.on(2, 2) ? Appointed::chrysostom : Appointed::noLiturgy;
  return Appointed::chrysostom;
}

inline bool isFixedGreatFeast(const RuleDay& x) {
  return x.on(9, 8) || x.on(9, 14) || x.on(11, 21) || x.on(12, 25) || x.on(1, 6) || x.on(2, 2) ||
         x.on(3, 25) || x.on(8, 6) || x.on(8, 15);
}

// Whether picking `service` (at an evening Liturgy, `evening`) on the civil
// date `served` draws a warning.
inline bool expectsWarning(Service service, bool evening, Day served, bool oldCalendar) {
  const Day next = served + std::chrono::days{1};
  const auto notAppointed = [&](Appointed liturgy) {
    return eucharistOf(served, oldCalendar) != liturgy &&
           (!evening || eucharistOf(next, oldCalendar) != liturgy);
  };
  switch (service) {
    case Service::greatVespers:
    case Service::orthros:
      return false;
    case Service::presanctified:
      return notAppointed(Appointed::presanctified);
    case Service::chrysostom:
      return notAppointed(Appointed::chrysostom);
    case Service::basil: {
      // The Vesperal Liturgy is that of its own day, never an evening one.
      const RuleDay x = ruleDayOf(served, oldCalendar);
      const bool vesperalDay = x.fromPascha == -3 || x.fromPascha == -1 ||
                               ((x.on(12, 24) || x.on(1, 5)) && x.weekday >= 1 && x.weekday <= 5);
      return (evening && vesperalDay) || notAppointed(Appointed::basil);
    }
    case Service::dailyVespers: {
      const RuleDay l = ruleDayOf(next, oldCalendar);
      return l.weekday == 0 || isFixedGreatFeast(l) || l.fromPascha == 39 || l.fromPascha == -1;
    }
    case Service::dailyOrthros: {
      const RuleDay l = ruleDayOf(served, oldCalendar);
      const bool lentenAnnunciation = l.on(3, 25) && l.fromPascha >= -48 && l.fromPascha <= -1;
      return l.weekday == 0 || (isFixedGreatFeast(l) && !lentenAnnunciation) ||
             l.fromPascha == 39 || (l.fromPascha >= 0 && l.fromPascha <= 6);
    }
  }
  return false;
}

}  // namespace corvane::testing
