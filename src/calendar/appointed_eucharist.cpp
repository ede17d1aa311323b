#include "calendar/appointed_eucharist.h"

#include "calendar/pascha.h"
#include "state/english_date.h"

namespace corvane {

using namespace std::chrono;

namespace {


// One row of the table: when it matches, and what it appoints then.
struct EucharistRule {
  std::string_view name;
  bool (*matches)(const TypikonDay&);
  Eucharist (*appoints)(const TypikonDay&);
  bool vesperal = false;  // St. Basil's Liturgy, when appointed, is served at Vespers of the day
};

bool isWeekday(const TypikonDay& day) {
  return day.weekday != Saturday && day.weekday != Sunday;
}
bool isAnyOf(int value, std::initializer_list<int> values) {
  for (int each : values) {
    if (value == each) return true;
  }
  return false;
}
bool isLentenWeekday(const TypikonDay& day) {
  return isWeekday(day) && day.inGreatLent();
}

// Usual Typikon practice, the same for both calendars. The first row that
// matches wins, so the order is the order of precedence.
// clang-format off
constexpr EucharistRule kEucharistRules[] = {
  {"Great and Holy Friday",
   [](const TypikonDay& day) { return day.fromPascha == -2; },
   [](const TypikonDay& day) { return day.annunciation() ? Eucharist::chrysostom : Eucharist::none; }},
  {"Sundays of Great Lent",
   [](const TypikonDay& day) { return isAnyOf(day.fromPascha, {-42, -35, -28, -21, -14}); },
   [](const TypikonDay&) { return Eucharist::basil; }},
  {"Great Thursday and Great Saturday",
   [](const TypikonDay& day) { return day.fromPascha == -3 || day.fromPascha == -1; },
   [](const TypikonDay&) { return Eucharist::basil; }, true},
  {"Circumcision of Our Lord and St. Basil the Great",
   [](const TypikonDay& day) { return day.is(1, 1); },
   [](const TypikonDay&) { return Eucharist::basil; }},
  // The vesperal Liturgy of St. Basil on a weekday; on a weekend it moves to the feast.
  {"Paramon of the Nativity or of Theophany",
   [](const TypikonDay& day) { return day.is(12, 24) || day.is(1, 5); },
   [](const TypikonDay& day) { return isWeekday(day) ? Eucharist::basil : Eucharist::chrysostom; }, true},
  {"Nativity of Our Lord or Theophany",
   [](const TypikonDay& day) { return day.is(12, 25) || day.is(1, 6); },
   [](const TypikonDay& day) { return day.weekday == Sunday || day.weekday == Monday ? Eucharist::basil : Eucharist::chrysostom; }},
  // A paramon on a weekend moves the Royal Hours to the Friday before.
  {"Royal Hours on the Friday before the paramon",
   [](const TypikonDay& day) { return day.weekday == Friday && (day.is(12, 22) || day.is(12, 23) || day.is(1, 3) || day.is(1, 4)); },
   [](const TypikonDay&) { return Eucharist::none; }},
  {"Annunciation of the Theotokos",
   [](const TypikonDay& day) { return day.annunciation(); },
   [](const TypikonDay&) { return Eucharist::chrysostom; }},
  {"Wednesdays and Fridays of Great Lent",
   [](const TypikonDay& day) { return isLentenWeekday(day) && (day.weekday == Wednesday || day.weekday == Friday); },
   [](const TypikonDay&) { return Eucharist::presanctified; }},
  {"Thursday of the Great Canon",
   [](const TypikonDay& day) { return day.fromPascha == -17; },
   [](const TypikonDay&) { return Eucharist::presanctified; }},
  {"Finding of the Forerunner's Head or Forty Martyrs of Sebaste in Great Lent",
   [](const TypikonDay& day) { return isLentenWeekday(day) && (day.is(2, 24) || day.is(3, 9)); },
   [](const TypikonDay&) { return Eucharist::presanctified; }},
  {"Mondays, Tuesdays and Thursdays of Great Lent",
   [](const TypikonDay& day) { return isLentenWeekday(day); },
   [](const TypikonDay&) { return Eucharist::none; }},
  {"Great Monday, Tuesday and Wednesday",
   [](const TypikonDay& day) { return isAnyOf(day.fromPascha, {-6, -5, -4}); },
   [](const TypikonDay&) { return Eucharist::presanctified; }},
  // Only an old-calendar temple can meet the Meeting of Our Lord there.
  {"Cheesefare Wednesday and Friday",
   [](const TypikonDay& day) { return day.fromPascha == -53 || day.fromPascha == -51; },
   [](const TypikonDay& day) { return day.is(2, 2) ? Eucharist::chrysostom : Eucharist::none; }},
  {"Every other day",
   [](const TypikonDay&) { return true; },
   [](const TypikonDay&) { return Eucharist::chrysostom; }},
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
