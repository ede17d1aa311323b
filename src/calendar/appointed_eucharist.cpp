#include "calendar/appointed_eucharist.h"

#include "calendar/pascha.h"
#include "state/english_date.h"

namespace corvane {

using namespace std::chrono;

namespace {

using E = Eucharist;
using D = TypikonDay;

// One row of the table: when it matches, and what it appoints then.
struct EucharistRule {
  std::string_view name;
  bool (*matches)(const D&);
  E (*appoints)(const D&);
  bool vesperal = false;  // St. Basil's Liturgy, when appointed, is served at Vespers of the day
};

bool isWeekday(const D& d) {
  return d.weekday != Saturday && d.weekday != Sunday;
}
bool isAnyOf(int value, std::initializer_list<int> values) {
  for (int each : values) {
    if (value == each) return true;
  }
  return false;
}
bool isLentenWeekday(const D& d) {
  return isWeekday(d) && d.inGreatLent();
}

// Usual Typikon practice, the same for both calendars. The first row that
// matches wins, so the order is the order of precedence.
// clang-format off
constexpr EucharistRule kEucharistRules[] = {
  {"Great and Holy Friday",
   [](const D& d) { return d.fromPascha == -2; },
   [](const D& d) { return d.annunciation() ? E::chrysostom : E::none; }},
  {"Sundays of Great Lent",
   [](const D& d) { return isAnyOf(d.fromPascha, {-42, -35, -28, -21, -14}); },
   [](const D&) { return E::basil; }},
  {"Great Thursday and Great Saturday",
   [](const D& d) { return d.fromPascha == -3 || d.fromPascha == -1; },
   [](const D&) { return E::basil; }, true},
  {"Circumcision of Our Lord and St. Basil the Great",
   [](const D& d) { return d.is(1, 1); },
   [](const D&) { return E::basil; }},
  // The vesperal Liturgy of St. Basil on a weekday; on a weekend it moves to the feast.
  {"Paramon of the Nativity or of Theophany",
   [](const D& d) { return d.is(12, 24) || d.is(1, 5); },
   [](const D& d) { return isWeekday(d) ? E::basil : E::chrysostom; }, true},
  {"Nativity of Our Lord or Theophany",
   [](const D& d) { return d.is(12, 25) || d.is(1, 6); },
   [](const D& d) { return d.weekday == Sunday || d.weekday == Monday ? E::basil : E::chrysostom; }},
  // A paramon on a weekend moves the Royal Hours to the Friday before.
  {"Royal Hours on the Friday before the paramon",
   [](const D& d) { return d.weekday == Friday && (d.is(12, 22) || d.is(12, 23) || d.is(1, 3) || d.is(1, 4)); },
   [](const D&) { return E::none; }},
  {"Annunciation of the Theotokos",
   [](const D& d) { return d.annunciation(); },
   [](const D&) { return E::chrysostom; }},
  {"Wednesdays and Fridays of Great Lent",
   [](const D& d) { return isLentenWeekday(d) && (d.weekday == Wednesday || d.weekday == Friday); },
   [](const D&) { return E::presanctified; }},
  {"Thursday of the Great Canon",
   [](const D& d) { return d.fromPascha == -17; },
   [](const D&) { return E::presanctified; }},
  {"Finding of the Forerunner's Head or Forty Martyrs of Sebaste in Great Lent",
   [](const D& d) { return isLentenWeekday(d) && (d.is(2, 24) || d.is(3, 9)); },
   [](const D&) { return E::presanctified; }},
  {"Mondays, Tuesdays and Thursdays of Great Lent",
   [](const D& d) { return isLentenWeekday(d); },
   [](const D&) { return E::none; }},
  {"Great Monday, Tuesday and Wednesday",
   [](const D& d) { return isAnyOf(d.fromPascha, {-6, -5, -4}); },
   [](const D&) { return E::presanctified; }},
  // Only an old-calendar temple can meet the Meeting of Our Lord there.
  {"Cheesefare Wednesday and Friday",
   [](const D& d) { return d.fromPascha == -53 || d.fromPascha == -51; },
   [](const D& d) { return d.is(2, 2) ? E::chrysostom : E::none; }},
  {"Every other day",
   [](const D&) { return true; },
   [](const D&) { return E::chrysostom; }},
};
// clang-format on

}  // namespace

TypikonDay typikonDayOf(Date day, TempleCalendar calendar) {
  const int civilYear = static_cast<int>(year_month_day{day}.year());
  return TypikonDay{
      .fromPascha = static_cast<int>((day - paschaOf(civilYear)).count()),
      .date = churchDateOf(day, calendar),
      .weekday = weekday{day},
  };
}

AppointedEucharist appointedEucharist(Date day, TempleCalendar calendar) {
  const TypikonDay facts = typikonDayOf(day, calendar);
  for (const EucharistRule& rule : kEucharistRules) {
    if (!rule.matches(facts)) continue;
    const Eucharist eucharist = rule.appoints(facts);
    return {eucharist, rule.name, rule.vesperal && eucharist == Eucharist::basil};
  }
  return {};  // not reached: the last row matches every day
}

void appendEucharistTitle(std::string& out, Eucharist eucharist) {
  const std::optional<Service> service = eucharistService(eucharist);
  if (!service) {
    out += "no Liturgy";
    return;
  }
  out += "the ";
  out += serviceTitle(*service, false);
}

std::optional<Service> eucharistService(Eucharist eucharist) {
  switch (eucharist) {
    case Eucharist::chrysostom:
      return Service::chrysostom;
    case Eucharist::basil:
      return Service::basil;
    case Eucharist::presanctified:
      return Service::presanctified;
    case Eucharist::none:
      break;
  }
  return std::nullopt;
}

std::string appointedEucharistLine(Date day, const AppointedEucharist& appointed) {
  std::string line = "Eucharist appointed on ";
  appendEnglishLongDate(line, day);
  line += ": ";
  appendEucharistTitle(line, appointed.eucharist);
  line += " (";
  line += appointed.rule;
  line += ')';
  return line;
}

}  // namespace corvane
