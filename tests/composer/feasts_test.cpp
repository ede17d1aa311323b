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
