#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "settings/temple_calendar.h"
#include "state/church_date.h"
#include "state/date.h"
#include "state/service.h"

namespace corvane {

// The Eucharist the Typikon appoints for a day: one of the three Liturgies,
// or none at all (Great Friday, the Friday of the Royal Hours, Cheesefare
// Wednesday and Friday).
enum class Eucharist { none, chrysostom, basil, presanctified };

// A day as the rules of the Typikon read it, the same for both calendars,
// except that the fixed dates are read in the temple's.
struct TypikonDay {
  int fromPascha = 0;  // days from the Pascha of the day's civil year: -2 on Great Friday
  ChurchDate date;     // in the temple's calendar
  std::chrono::weekday weekday;

  bool is(int month, int day) const { return date.month == month && date.day == day; }
  // The first six weeks, from Clean Monday to the Friday before Lazarus Saturday.
  bool inGreatLent() const { return -48 <= fromPascha && fromPascha <= -9; }
  bool annunciation() const { return is(3, 25); }
};
TypikonDay typikonDayOf(Date day, TempleCalendar calendar);

// The Eucharist appointed on a day, and the name of the rule that appointed it
// ("Sundays of Great Lent").
struct AppointedEucharist {
  Eucharist eucharist = Eucharist::none;
  std::string_view rule;
  // The Vesperal Liturgy of St. Basil (Great Thursday, Great Saturday, a
  // paramon on a weekday): served in the evening, yet the Liturgy of the day itself.
  bool vesperal = false;
  friend bool operator==(const AppointedEucharist&, const AppointedEucharist&) = default;
};
[[nodiscard]] AppointedEucharist appointedEucharist(Date day, TempleCalendar calendar);

// "the Divine Liturgy of St. Basil the Great", "no Liturgy", appended to `out`.
void appendEucharistTitle(std::string& out, Eucharist eucharist);
// The service that serves a Eucharist; none for no Liturgy.
std::optional<Service> eucharistService(Eucharist eucharist);

// For a reader who asks why: "Eucharist appointed on Sunday, March 1, 2026:
// the Divine Liturgy of St. Basil the Great (Sundays of Great Lent)".
std::string appointedEucharistLine(Date day, const AppointedEucharist& appointed);

}  // namespace corvane
