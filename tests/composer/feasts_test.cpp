#include <gtest/gtest.h>

#include <map>
#include <string>

#include "composer/composed.h"
#include "support/tsv.h"

namespace corvane {
namespace {

using namespace std::chrono;
using testing::compose;

// The clauses of the feasts, from the copy kept apart from the code.
const std::string& feastClause(const std::string& label) {
  static const std::map<std::string, std::string> clauses = [] {
    std::map<std::string, std::string> read;
    for (const auto& row : testing::readTsv("feast_clauses.tsv")) read[row[0]] = row[1];
    return read;
  }();
  return clauses.at(label);
}

const std::string_view kNativity = feastClause("Nativity");
const std::string_view kCircumcision = feastClause("Circumcision");
const std::string_view kTheophany = feastClause("Theophany");
const std::string_view kMeeting = feastClause("Meeting");
const std::string_view kLazarus = feastClause("Lazarus");
const std::string_view kPalms = feastClause("Palms");
const std::string_view kPassion = feastClause("Passion");
const std::string_view kWashing = feastClause("Washing");
const std::string_view kSpittings = feastClause("Spittings");
const std::string_view kBurialA = feastClause("Burial A");
const std::string_view kBurialB = feastClause("Burial B");
const std::string_view kPaschal = feastClause("Paschal");
const std::string_view kRisen = feastClause("Risen");
const std::string_view kAndRisen = feastClause("And-risen");
const std::string_view kAscension = feastClause("Ascension");
const std::string_view kSpirit = feastClause("Spirit");
const std::string_view kTransfiguration = feastClause("Transfiguration");

struct DayRow {
  Service service;
  Date picked;
  std::string_view dayTitle;
  std::string_view feastClause;
  std::string_view risenClause;  // after the Sunday filter
  bool evening = false;
};

void expectDays(std::initializer_list<DayRow> rows) {
  for (const DayRow& row : rows) {
    const auto composed = compose(row.service, row.picked, row.evening);
    const std::string where =
        std::string{serviceName(row.service)} + " " + std::to_string((row.picked - Date{}).count());
    EXPECT_EQ(composed.text(Slot::dayTitle), row.dayTitle) << where;
    EXPECT_EQ(composed.text(Slot::feastClause), row.feastClause) << where;
    EXPECT_EQ(composed.text(Slot::risenClause), row.risenClause) << where;
  }
}

TEST(FeastsOfTheLord, NativityCircumcisionTheophany) {
  expectDays({
      {Service::chrysostom, 2024y / December / 25, "Nativity of Our Lord", kNativity, ""},
      // Vespers of the eve belongs to the feast.
      {Service::greatVespers, 2024y / December / 24, "Nativity of Our Lord", kNativity, ""},
      {Service::orthros, 2024y / December / 20, "Forefeast of the Nativity", "", ""},
      {Service::orthros, 2024y / December / 24, "Paramon of the Nativity", "", ""},
      {Service::basil, 2024y / December / 24, "Paramon of the Nativity", kNativity, ""},
      {Service::basil, 2024y / December / 24, "Nativity of Our Lord", kNativity, "", true},
      {Service::orthros, 2023y / December / 31, "Leavetaking of the Nativity", kNativity,
       kAndRisen},
      {Service::orthros, 2024y / December / 31, "Leavetaking of the Nativity", kNativity, ""},
      {Service::orthros, 2023y / January / 1, "", kCircumcision, kAndRisen},
      {Service::orthros, 2025y / January / 1, "", kCircumcision, ""},
      {Service::orthros, 2025y / January / 2, "", "", ""},
      {Service::orthros, 2025y / January / 3, "Forefeast of Theophany", "", ""},
      // A paramon on a Sunday keeps the Sunday's resurrection clause.
      {Service::basil, 2025y / January / 5, "Paramon of Theophany", kTheophany, kRisen},
      {Service::orthros, 2025y / January / 5, "Paramon of Theophany", "", kRisen},
      {Service::orthros, 2025y / January / 6, "Holy Theophany", kTheophany, ""},
      {Service::orthros, 2025y / January / 12, "Afterfeast of Theophany", kTheophany, kAndRisen},
      {Service::orthros, 2025y / January / 14, "Leavetaking of Theophany", kTheophany, ""},
  });
}

TEST(FeastsOfTheLord, MeetingWithAnEarlyLeavetaking) {
  // 2037: Pascha 5 April, the Leavetaking of the Meeting on 5 February.
  expectDays({
      // A Sunday of the Triodion names the day over the forefeast.
      {Service::orthros, 2037y / February / 1, "Prodigal Son", "", kRisen},
      {Service::orthros, 2036y / February / 1, "Forefeast of the Meeting of Our Lord", "", ""},
      {Service::orthros, 2037y / February / 2, "Meeting of Our Lord in the Temple", kMeeting, ""},
      {Service::orthros, 2037y / February / 4, "Afterfeast of the Meeting of Our Lord", kMeeting,
       ""},
      {Service::orthros, 2037y / February / 5, "Leavetaking of the Meeting of Our Lord", kMeeting,
       ""},
      {Service::orthros, 2037y / February / 6, "", kMeeting, ""},
      {Service::orthros, 2037y / February / 10, "", "", ""},
      // 2022: Sunday 6 February, in the afterfeast.
      {Service::orthros, 2022y / February / 6, "Afterfeast of the Meeting of Our Lord", kMeeting,
       kAndRisen},
  });
}

TEST(FeastsOfTheLord, LazarusSaturdayToGreatSaturday) {
  // 2025: Pascha 20 April.
  expectDays({
      {Service::orthros, 2025y / April / 12, "Lazarus Saturday", kLazarus, ""},
      {Service::greatVespers, 2025y / April / 12, "Palm Sunday", kPalms, ""},
      {Service::orthros, 2025y / April / 13, "Palm Sunday", kPalms, ""},
      {Service::orthros, 2025y / April / 14, "Great and Holy Monday", kPassion, ""},
      // The Presanctified Liturgy keeps the day it is served on.
      {Service::presanctified, 2025y / April / 14, "Great and Holy Monday", kPassion, ""},
      {Service::presanctified, 2025y / April / 16, "Great and Holy Wednesday", kPassion, ""},
      {Service::orthros, 2025y / April / 17, "Great and Holy Thursday", kWashing, ""},
      {Service::basil, 2025y / April / 17, "Great and Holy Thursday", kWashing, ""},
      {Service::orthros, 2025y / April / 18, "Great and Holy Friday", kSpittings, ""},
      {Service::dailyVespers, 2025y / April / 17, "Great and Holy Friday", kBurialA, ""},
      {Service::orthros, 2025y / April / 19, "Great and Holy Saturday", kBurialA, ""},
      {Service::basil, 2025y / April / 19, "Great and Holy Saturday", kRisen, ""},
      {Service::greatVespers, 2025y / April / 18, "Great and Holy Saturday", kBurialB, ""},
  });
}

TEST(FeastsOfTheLord, PaschaToAllSaints) {
  expectDays({
      {Service::orthros, 2025y / April / 20, "Holy Pascha", kPaschal, ""},
      {Service::greatVespers, 2025y / April / 19, "Holy Pascha", kPaschal, ""},
      {Service::orthros, 2025y / April / 21, "Bright Monday", kPaschal, ""},
      {Service::orthros, 2025y / April / 26, "Bright Saturday", kPaschal, ""},
      {Service::orthros, 2025y / April / 27, "Thomas Sunday/Antipascha", kRisen, ""},
      {Service::orthros, 2025y / May / 4, "Holy Myrrh-bearers", kRisen, ""},
      {Service::orthros, 2025y / May / 14, "Mid-pentecost", kRisen, ""},
      {Service::orthros, 2025y / May / 28, "Leavetaking of Pascha", kPaschal, ""},
      {Service::orthros, 2025y / May / 29, "Holy Ascension", kAscension, ""},
      // The Sunday after the Ascension keeps "and who rose", but not at Vespers of Saturday.
      {Service::chrysostom, 2025y / June / 1, "Afterfeast of Ascension", kAscension, kAndRisen},
      {Service::greatVespers, 2025y / May / 31, "Afterfeast of Ascension", kAscension, ""},
      {Service::orthros, 2025y / June / 6, "Leavetaking of Ascension", kAscension, ""},
      {Service::orthros, 2025y / June / 7, "", "", ""},
      // 2024: Pentecost 23 June.
      {Service::orthros, 2024y / June / 23, "Holy Pentecost", kSpirit, ""},
      {Service::orthros, 2024y / June / 24, "Day of the Holy Spirit", kSpirit, ""},
      {Service::greatVespers, 2024y / June / 23, "Kneeling Vespers", "", ""},
      {Service::orthros, 2024y / June / 26, "Afterfeast of Pentecost", kSpirit, ""},
      {Service::orthros, 2025y / June / 14, "Leavetaking of Pentecost", kSpirit, ""},
  });
}

// Every span of a feast's clause at both edges: the day before, the first
// day, the last day and the day after (Orthros, which the evening shift
// leaves alone; 2026 has Pascha on 12 April, so P is 12 April).
TEST(FeastsOfTheLord, ClauseSpansAtBothEdges) {
  const Date p = 2026y / April / 12;
  struct Row {
    Date day;
    std::string_view feastClause;
  };
  const Row rows[] = {
      {2026y / December / 24, ""},
      {2026y / December / 25, kNativity},
      {2026y / December / 31, kNativity},
      {2027y / January / 1, kCircumcision},
      {2027y / January / 2, ""},
      {2026y / January / 5, ""},
      {2026y / January / 6, kTheophany},
      {2026y / January / 14, kTheophany},
      {2026y / January / 15, ""},
      {2026y / February / 1, ""},
      {2026y / February / 2, kMeeting},
      {2026y / February / 9, kMeeting},
      {2026y / February / 10, ""},
      {p - days{9}, ""},
      {p - days{8}, kLazarus},
      {p - days{7}, kPalms},
      {p - days{6}, kPassion},
      {p - days{4}, kPassion},
      {p - days{3}, kWashing},
      {p - days{2}, kSpittings},
      {p - days{1}, kBurialA},
      {p, kPaschal},
      {p + days{6}, kPaschal},
      {p + days{7}, kRisen},
      {p + days{37}, kRisen},
      {p + days{38}, kPaschal},
      {p + days{39}, kAscension},
      {p + days{47}, kAscension},
      {p + days{48}, ""},
      {p + days{49}, kSpirit},
      {p + days{55}, kSpirit},
      {p + days{56}, ""},
      {2026y / August / 5, ""},
      {2026y / August / 6, kTransfiguration},
      {2026y / August / 13, kTransfiguration},
      {2026y / August / 14, ""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(compose(Service::orthros, row.day).text(Slot::feastClause), row.feastClause)
        << (row.day - p).count() << " days from Pascha";
  }
}

// The Cross first in the daily services of the Elevation's week, 15 to 21
// September, and not the day before or after (2026: Monday 14 to Tuesday 22).
TEST(TheotokosCrossForerunner, TheElevationsWeekAtBothEdges) {
  const std::string_view cross =
      "by the might of the precious and life-giving cross, the elevation";
  for (int date = 14; date <= 22; ++date) {
    const auto composed = compose(Service::dailyOrthros, 2026y / September / date);
    EXPECT_EQ(composed.text(Slot::weekdayClause).starts_with(cross), date >= 15 && date <= 21)
        << date;
  }
}

// The great days displace the saints of the day and the Forerunner's clause;
// the days around them do not. (2026: Pascha on 12 April, so Lazarus
// Saturday is 4 April, the Ascension 21 May, Pentecost 31 May.)
TEST(FeastsOfTheLord, TheGreatDaysDisplaceTheSaints) {
  struct Row {
    Service service;
    Date day;
    bool displaced;
  };
  const Date p = 2026y / April / 12;
  const Row rows[] = {
      {Service::orthros, p - days{9}, false}, {Service::orthros, p - days{8}, true},
      {Service::orthros, p - days{7}, true},  {Service::orthros, p - days{6}, false},
      {Service::orthros, p - days{3}, false}, {Service::orthros, p - days{2}, true},
      {Service::orthros, p - days{1}, true},  {Service::orthros, p, true},
      {Service::orthros, p + days{1}, false}, {Service::orthros, p + days{38}, false},
      {Service::orthros, p + days{39}, true}, {Service::orthros, p + days{40}, false},
      {Service::orthros, p + days{49}, true}, {Service::orthros, p + days{50}, false},
      // Great Friday at Orthros and at the other services; Great Saturday's vesperal Liturgy.
      {Service::basil, p - days{2}, true},    {Service::basil, p - days{1}, true},
      {Service::chrysostom, p - days{9}, false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(compose(row.service, row.day).dismissal.saintsDisplaced, row.displaced)
        << (row.day - p).count() << " days from Pascha, " << serviceName(row.service);
  }
}

TEST(FeastsOfTheLord, KneelingVespersIsAWholeTextOfItsOwn) {
  for (Service vespers : {Service::greatVespers, Service::dailyVespers}) {
    const auto composed = compose(vespers, 2024y / June / 23);
    EXPECT_TRUE(composed.dismissal.wholeText);
    EXPECT_EQ(composed.sentence().size(), 766u);
    EXPECT_EQ(composed.sentence(), feastClause("KneelingVespers"));
  }
  // Orthros of the same Monday is assembled as every day.
  EXPECT_TRUE(
      compose(Service::orthros, 2024y / June / 24).sentence().starts_with("May he who sent"));
}

TEST(TheotokosCrossForerunner, TransfigurationAndElevation) {
  expectDays({
      {Service::orthros, 2025y / August / 5, "Forefeast of the Transfiguration", "", ""},
      {Service::orthros, 2023y / August / 6, "Transfiguration of Our Lord", kTransfiguration, ""},
      {Service::orthros, 2023y / August / 13, "Leavetaking of the Transfiguration",
       kTransfiguration, kAndRisen},
      {Service::orthros, 2025y / August / 10, "Afterfeast of the Transfiguration", kTransfiguration,
       kAndRisen},
      {Service::greatVespers, 2025y / August / 9, "Afterfeast of the Transfiguration",
       kTransfiguration, ""},
      {Service::orthros, 2022y / September / 14, "Elevation of the Holy Cross", kRisen, ""},
      {Service::orthros, 2025y / September / 14, "Elevation of the Holy Cross", "", kRisen},
      {Service::greatVespers, 2025y / September / 13, "Elevation of the Holy Cross", "", ""},
      {Service::orthros, 2025y / September / 13, "Forefeast of the Elevation", "", ""},
      {Service::orthros, 2025y / September / 20, "Afterfeast of the Elevation", "", ""},
      {Service::orthros, 2025y / September / 21, "Leavetaking of the Elevation", "", kRisen},
  });
}


}  // namespace
}  // namespace corvane
