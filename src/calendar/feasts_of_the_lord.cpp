#include "calendar/calendar_phases.h"
#include "calendar/clause_texts.h"
#include "calendar/feast_rule.h"

namespace corvane {

namespace {

using namespace clauses;

constexpr std::string_view kEmpty = "";

// Vespers of Pentecost evening: a dismissal of its own, one line.
constexpr std::string_view kKneelingVespers =
    "May who did empty himself from the paternal and divine bosom and came down from heaven upon earth and took upon himself all our nature and made it divine and, after these things, again ascended into heaven and sitteth at the right hand of God the Father, and did send down the divine and holy Spirit, one in essence, equal in power and equal in glory and ever-existing with him, upon his holy disciples and apostles, and through him did enlighten them and through them the whole world, Christ our true God, through the intercessions of his all-immaculate and all-blameless holy Mother; of the holy, glorious, all-laudable, God-proclaiming and Spirit-bearing apostles and of all the saints: have mercy upon us, and save us, forasmuch as he is good and loveth mankind.";

int fromPascha(const DismissalState& s) {
  return daysFrom(s.movable.pascha, s);
}
int fromAscension(const DismissalState& s) {
  return daysFrom(s.movable.ascension, s);
}
int fromPentecost(const DismissalState& s) {
  return daysFrom(s.movable.pentecost, s);
}
// The Meeting is kept on 2 February, unless that is Clean Monday.
bool keptOnItsDate(const DismissalState& s) {
  return s.movable.meeting == s.dayOf(2, 2);
}

// clang-format off
constexpr FeastRule kNativityRules[] = {
  {.name = "Nativity of Our Lord", .applies = [](const DismissalState& s) { return isDate(s, 12, 25); },
   .feastClause = kNativity, .risenClause = kEmpty},
  {.name = "Afterfeast of the Nativity", .applies = [](const DismissalState& s) { return isBetween(s, 12, 26, 31); },
   .feastClause = kNativity, .risenClause = kAndRisen},
  // The vesperal Liturgy of St. Basil is served on the paramon itself, with the feast's clause.
  {.name = "Vesperal Liturgy of the Nativity", .applies = [](const DismissalState& s) { return isDate(s, 12, 24) && s.liturgyBasil() && !s.eveningLiturgy; },
   .feastClause = kNativity},
  {.name = "Forefeast of the Nativity", .applies = [](const DismissalState& s) { return isBetween(s, 12, 20, 23); },
   .dayTitle = "Forefeast of the Nativity"},
  {.name = "Paramon of the Nativity", .applies = [](const DismissalState& s) { return isDate(s, 12, 24); },
   .dayTitle = "Paramon of the Nativity"},
  {.name = "Nativity of Our Lord", .applies = [](const DismissalState& s) { return isDate(s, 12, 25); },
   .dayTitle = "Nativity of Our Lord"},
  {.name = "Afterfeast of the Nativity", .applies = [](const DismissalState& s) { return isBetween(s, 12, 26, 31); },
   .dayTitle = "Afterfeast of the Nativity"},
  {.name = "Leavetaking of the Nativity", .applies = [](const DismissalState& s) { return isDate(s, 12, 31); },
   .dayTitle = "Leavetaking of the Nativity"},
};

constexpr FeastRule kCircumcisionRules[] = {
  {.name = "Circumcision of Our Lord", .applies = [](const DismissalState& s) { return isDate(s, 1, 1); },
   .dayTitle = "Circumcision of Our Lord", .feastClause = kCircumcision, .risenClause = kAndRisen},
};

constexpr FeastRule kTheophanyRules[] = {
  {.name = "Holy Theophany", .applies = [](const DismissalState& s) { return isDate(s, 1, 6); },
   .feastClause = kTheophany, .risenClause = kEmpty},
  {.name = "Afterfeast of Theophany", .applies = [](const DismissalState& s) { return isBetween(s, 1, 7, 14); },
   .feastClause = kTheophany, .risenClause = kAndRisen},
  {.name = "Vesperal Liturgy of Theophany", .applies = [](const DismissalState& s) { return isDate(s, 1, 5) && s.liturgyBasil() && !s.eveningLiturgy; },
   .feastClause = kTheophany},
  {.name = "Forefeast of Theophany", .applies = [](const DismissalState& s) { return isBetween(s, 1, 2, 4); },
   .dayTitle = "Forefeast of Theophany"},
  {.name = "Paramon of Theophany", .applies = [](const DismissalState& s) { return isDate(s, 1, 5); },
   .dayTitle = "Paramon of Theophany"},
  {.name = "Holy Theophany", .applies = [](const DismissalState& s) { return isDate(s, 1, 6); },
   .dayTitle = "Holy Theophany"},
  {.name = "Afterfeast of Theophany", .applies = [](const DismissalState& s) { return isBetween(s, 1, 7, 14); },
   .dayTitle = "Afterfeast of Theophany"},
  {.name = "Leavetaking of Theophany", .applies = [](const DismissalState& s) { return isDate(s, 1, 14); },
   .dayTitle = "Leavetaking of Theophany"},
};

// The clause stays from 2 to 9 February, also when the Leavetaking comes
// earlier, but never into Great Lent. When 2 February is Clean Monday (a
// Julian Pascha on 22 or 23 March), the feast is kept on Cheesefare Sunday
// alone, with no forefeast and no afterfeast.
constexpr FeastRule kMeetingRules[] = {
  {.name = "Meeting of Our Lord and its afterfeast", .applies = [](const DismissalState& s) { return (keptOnItsDate(s) ? isBetween(s, 2, 2, 9) : s.liturgicalDay == s.movable.meeting) && s.liturgicalDay < s.movable.cleanMonday; },
   .feastClause = kMeeting, .risenClause = kAndRisen},
  {.name = "Forefeast of the Meeting of Our Lord", .applies = [](const DismissalState& s) { return isDate(s, 2, 1) && keptOnItsDate(s); },
   .dayTitle = "Forefeast of the Meeting of Our Lord"},
  {.name = "Meeting of Our Lord in the Temple", .applies = [](const DismissalState& s) { return s.liturgicalDay == s.movable.meeting; },
   .dayTitle = "Meeting of Our Lord in the Temple"},
  {.name = "Afterfeast of the Meeting of Our Lord", .applies = [](const DismissalState& s) { return isBetween(s, 2, 3, 31) && s.movable.meetingLeavetaking && s.liturgicalDay < *s.movable.meetingLeavetaking; },
   .dayTitle = "Afterfeast of the Meeting of Our Lord"},
  {.name = "Leavetaking of the Meeting of Our Lord", .applies = [](const DismissalState& s) { return s.liturgicalDay == s.movable.meetingLeavetaking; },
   .dayTitle = "Leavetaking of the Meeting of Our Lord"},
};

// The Presanctified Liturgy keeps the title and clause of the day it is served
// on, although the evening shift has moved it to the next day.
constexpr FeastRule kHolyWeekRules[] = {
  {.name = "Lazarus Saturday", .applies = [](const DismissalState& s) { return s.liturgicalDay == s.movable.lazarusSaturday; },
   .dayTitle = "Lazarus Saturday", .feastClause = kLazarus, .suppressesSaints = true},
  {.name = "Palm Sunday", .applies = [](const DismissalState& s) { return s.liturgicalDay == s.movable.palmSunday; },
   .dayTitle = "Palm Sunday", .feastClause = kPalms, .risenClause = kEmpty, .suppressesSaints = true},
  {.name = "Great and Holy Monday", .applies = [](const DismissalState& s) { return fromPascha(s) == (s.presanctified() ? -5 : -6); },
   .dayTitle = "Great and Holy Monday"},
  {.name = "Great and Holy Tuesday", .applies = [](const DismissalState& s) { return fromPascha(s) == (s.presanctified() ? -4 : -5); },
   .dayTitle = "Great and Holy Tuesday"},
  {.name = "Great and Holy Wednesday", .applies = [](const DismissalState& s) { return fromPascha(s) == (s.presanctified() ? -3 : -4); },
   .dayTitle = "Great and Holy Wednesday"},
  {.name = "Holy Week: the voluntary passion", .applies = [](const DismissalState& s) { return fromPascha(s) >= -6 && fromPascha(s) <= -4; },
   .feastClause = kPassion},
  {.name = "Presanctified Liturgy of Great Wednesday", .applies = [](const DismissalState& s) { return fromPascha(s) == -3 && s.presanctified(); },
   .feastClause = kPassion},
  {.name = "Great and Holy Thursday", .applies = [](const DismissalState& s) { return fromPascha(s) == -3 && !s.presanctified(); },
   .dayTitle = "Great and Holy Thursday", .feastClause = kWashing},
  {.name = "Orthros of Great Friday: the spittings", .applies = [](const DismissalState& s) { return fromPascha(s) == -2 && isOrthros(s); },
   .feastClause = kSpittings},
  {.name = "Great and Holy Friday", .applies = [](const DismissalState& s) { return fromPascha(s) == -2; },
   .dayTitle = "Great and Holy Friday", .suppressesSaints = true},
  {.name = "Great Friday: the burial", .applies = [](const DismissalState& s) { return fromPascha(s) == -2 && !isOrthros(s); },
   .feastClause = kBurialA, .suppressesSaints = true},
  {.name = "Vespers of Great Saturday: the burial", .applies = [](const DismissalState& s) { return fromPascha(s) == -1 && isVespers(s); },
   .feastClause = kBurialB, .suppressesSaints = true},
  {.name = "Great and Holy Saturday", .applies = [](const DismissalState& s) { return fromPascha(s) == -1; },
   .dayTitle = "Great and Holy Saturday", .suppressesSaints = true},
  {.name = "Orthros of Great Saturday: the burial", .applies = [](const DismissalState& s) { return fromPascha(s) == -1 && isOrthros(s); },
   .feastClause = kBurialA},
};

constexpr FeastRule kPaschalSeasonRules[] = {
  {.name = "Bright Week and the Leavetaking of Pascha", .applies = [](const DismissalState& s) { return (fromPascha(s) >= 0 && fromPascha(s) <= 6) || fromPascha(s) == 38; },
   .feastClause = kPaschal, .risenClause = kEmpty},
  {.name = "Paschal season", .applies = [](const DismissalState& s) { return fromPascha(s) > 6 && fromPascha(s) < 38; },
   .feastClause = kRisen, .risenClause = kEmpty},
  {.name = "Holy Pascha", .applies = [](const DismissalState& s) { return fromPascha(s) == 0; },
   .dayTitle = "Holy Pascha", .suppressesSaints = true},
  {.name = "Bright Monday", .applies = [](const DismissalState& s) { return fromPascha(s) == 1; }, .dayTitle = "Bright Monday"},
  {.name = "Bright Tuesday", .applies = [](const DismissalState& s) { return fromPascha(s) == 2; }, .dayTitle = "Bright Tuesday"},
  {.name = "Bright Wednesday", .applies = [](const DismissalState& s) { return fromPascha(s) == 3; }, .dayTitle = "Bright Wednesday"},
  {.name = "Bright Thursday", .applies = [](const DismissalState& s) { return fromPascha(s) == 4; }, .dayTitle = "Bright Thursday"},
  {.name = "Bright Friday", .applies = [](const DismissalState& s) { return fromPascha(s) == 5; }, .dayTitle = "Bright Friday"},
  {.name = "Bright Saturday", .applies = [](const DismissalState& s) { return fromPascha(s) == 6; }, .dayTitle = "Bright Saturday"},
  {.name = "Thomas Sunday", .applies = [](const DismissalState& s) { return fromPascha(s) == 7; }, .dayTitle = "Thomas Sunday/Antipascha"},
  {.name = "Sunday of the Myrrh-bearers", .applies = [](const DismissalState& s) { return fromPascha(s) == 14; }, .dayTitle = "Holy Myrrh-bearers"},
  {.name = "Sunday of the Paralytic", .applies = [](const DismissalState& s) { return fromPascha(s) == 21; }, .dayTitle = "Sunday of the Paralytic"},
  {.name = "Mid-pentecost", .applies = [](const DismissalState& s) { return fromPascha(s) == 24; }, .dayTitle = "Mid-pentecost"},
  {.name = "Sunday of the Samaritan Woman", .applies = [](const DismissalState& s) { return fromPascha(s) == 28; }, .dayTitle = "Samaritan Woman"},
  {.name = "Sunday of the Blind Man", .applies = [](const DismissalState& s) { return fromPascha(s) == 35; }, .dayTitle = "Blind Man"},
  // The vesperal Liturgy of Great Saturday is not moved, and opens with the resurrection.
  {.name = "Vesperal Liturgy of Great Saturday", .applies = [](const DismissalState& s) { return fromPascha(s) == -1 && s.liturgyBasil(); },
   .feastClause = kRisen, .risenClause = kEmpty, .suppressesSaints = true},
};

constexpr FeastRule kAscensionRules[] = {
  {.name = "Ascension and its afterfeast", .applies = [](const DismissalState& s) { return fromAscension(s) >= 0 && fromAscension(s) <= 8; },
   .feastClause = kAscension, .risenClause = kEmpty},
  {.name = "Sunday after the Ascension", .applies = [](const DismissalState& s) { return fromAscension(s) == 3; },
   .risenClause = kAndRisen},
  {.name = "Leavetaking of Pascha", .applies = [](const DismissalState& s) { return fromAscension(s) == -1; },
   .dayTitle = "Leavetaking of Pascha"},
  {.name = "Holy Ascension", .applies = [](const DismissalState& s) { return fromAscension(s) == 0; },
   .dayTitle = "Holy Ascension", .suppressesSaints = true},
  {.name = "Afterfeast of Ascension", .applies = [](const DismissalState& s) { return fromAscension(s) > 0 && fromAscension(s) < 8; },
   .dayTitle = "Afterfeast of Ascension"},
  {.name = "Leavetaking of Ascension", .applies = [](const DismissalState& s) { return fromAscension(s) == 8; },
   .dayTitle = "Leavetaking of Ascension"},
};

constexpr FeastRule kPentecostRules[] = {
  {.name = "Pentecost and its afterfeast", .applies = [](const DismissalState& s) { return fromPentecost(s) >= 0 && fromPentecost(s) <= 6; },
   .feastClause = kSpirit, .risenClause = kEmpty},
  {.name = "Holy Pentecost", .applies = [](const DismissalState& s) { return fromPentecost(s) == 0; },
   .dayTitle = "Holy Pentecost", .suppressesSaints = true},
  {.name = "Afterfeast of Pentecost", .applies = [](const DismissalState& s) { return fromPentecost(s) > 0 && fromPentecost(s) < 6; },
   .dayTitle = "Afterfeast of Pentecost"},
  {.name = "Leavetaking of Pentecost", .applies = [](const DismissalState& s) { return fromPentecost(s) == 6; },
   .dayTitle = "Leavetaking of Pentecost"},
  {.name = "Day of the Holy Spirit", .applies = [](const DismissalState& s) { return fromPentecost(s) == 1; },
   .dayTitle = "Day of the Holy Spirit"},
  {.name = "Sunday of All Saints", .applies = [](const DismissalState& s) { return fromPentecost(s) == 7; },
   .dayTitle = "All Saints"},
  // Vespers picked on Pentecost itself belongs to the Monday.
  {.name = "Kneeling Vespers", .applies = [](const DismissalState& s) { return fromPentecost(s) == 1 && isVespers(s); },
   .dayTitle = "Kneeling Vespers", .feastClause = kEmpty, .wholeText = kKneelingVespers},
};
// clang-format on

}  // namespace

void applyFeastsOfTheLord(DismissalState& state) {
  // Each table is read in its season alone, the days on which any of its
  // rules may apply (a rule added to a table must fall within it): most days
  // of a long run of dates so pass over most tables.
  const int month = state.churchDate.month;
  if (month == 12) applyFeastRules(kNativityRules, state);
  if (month == 1) {
    applyFeastRules(kCircumcisionRules, state);
    applyFeastRules(kTheophanyRules, state);
  }
  if (month == 2) applyFeastRules(kMeetingRules, state);  // the feast, moved or not, and its days
  const int fromPascha = daysFrom(state.movable.pascha, state);
  if (fromPascha >= -8 && fromPascha <= -1) applyFeastRules(kHolyWeekRules, state);
  if (fromPascha >= -1 && fromPascha <= 38) applyFeastRules(kPaschalSeasonRules, state);
  if (fromPascha >= 38 && fromPascha <= 47) applyFeastRules(kAscensionRules, state);
  if (fromPascha >= 49 && fromPascha <= 56) applyFeastRules(kPentecostRules, state);
}

}  // namespace corvane
