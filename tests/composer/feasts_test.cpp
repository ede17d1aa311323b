#include <gtest/gtest.h>

#include <string>

#include "composer/composed.h"
#include "support/tsv.h"

namespace corvane {
namespace {

using namespace std::chrono;
using testing::compose;

// A feast's clause by its label in the copy kept apart from the code; "" for none.
std::string feastClause(std::string_view label) {
  return label.empty() ? "" : testing::textOf("feast_clauses.tsv", 0, label, 1);
}

// Every span of a feast's clause at both edges: the day before, the first
// day, the last day and the day after (Orthros, which the evening shift
// leaves alone; 2026 has Pascha on 12 April, so P is 12 April).
TEST(FeastsOfTheLord, ClauseSpansAtBothEdges) {
  const Date p = 2026y / April / 12;
  const std::pair<Date, const char*> rows[] = {
      {2026y / December / 24, ""},
      {2026y / December / 25, "Nativity"},
      {2026y / December / 31, "Nativity"},
      {2027y / January / 1, "Circumcision"},
      {2027y / January / 2, ""},
      {2026y / January / 5, ""},
      {2026y / January / 6, "Theophany"},
      {2026y / January / 14, "Theophany"},
      {2026y / January / 15, ""},
      {2026y / February / 1, ""},
      {2026y / February / 2, "Meeting"},
      {2026y / February / 9, "Meeting"},
      {2026y / February / 10, ""},
      {p - days{9}, ""},
      {p - days{8}, "Lazarus"},
      {p - days{7}, "Palms"},
      {p - days{6}, "Passion"},
      {p - days{4}, "Passion"},
      {p - days{3}, "Washing"},
      {p - days{2}, "Spittings"},
      {p - days{1}, "Burial A"},
      {p, "Paschal"},
      {p + days{6}, "Paschal"},
      {p + days{7}, "Risen"},
      {p + days{37}, "Risen"},
      {p + days{38}, "Paschal"},
      {p + days{39}, "Ascension"},
      {p + days{47}, "Ascension"},
      {p + days{48}, ""},
      {p + days{49}, "Spirit"},
      {p + days{55}, "Spirit"},
      {p + days{56}, ""},
      {2026y / August / 5, ""},
      {2026y / August / 6, "Transfiguration"},
      {2026y / August / 13, "Transfiguration"},
      {2026y / August / 14, ""},
  };
  for (const auto& [day, label] : rows) {
    EXPECT_EQ(compose(Service::orthros, day).text(Slot::feastClause), feastClause(label))
        << (day - p).count() << " days from Pascha";
  }
}

// The risen clause beside a feast's: after it on a Sunday, as the feast's own
// clause on the Elevation, never at the Vespers that begin a Sunday.
TEST(FeastsOfTheLord, TheRisenClauseBesideAFeast) {
  struct Row {
    Service service;
    Date picked;
    const char* feast;
    const char* risen;  // after the Sunday filter
  };
  const Row rows[] = {
      {Service::orthros, 2023y / August / 13, "Transfiguration", "And-risen"},
      {Service::orthros, 2025y / August / 10, "Transfiguration", "And-risen"},
      {Service::greatVespers, 2025y / August / 9, "Transfiguration", ""},
      {Service::orthros, 2022y / September / 14, "Risen", ""},
      {Service::orthros, 2025y / September / 14, "", "Risen"},
      {Service::greatVespers, 2025y / September / 13, "", ""},
      {Service::orthros, 2025y / September / 21, "", "Risen"},
  };
  for (const Row& row : rows) {
    const auto composed = compose(row.service, row.picked);
    SCOPED_TRACE(std::string{serviceName(row.service)} + " " + row.feast + " " + row.risen);
    EXPECT_EQ(composed.text(Slot::feastClause), feastClause(row.feast));
    EXPECT_EQ(composed.text(Slot::risenClause), feastClause(row.risen));
  }
}

// The great days displace the saints of the day and the Forerunner's clause;
// the days around them do not. (2026: Pascha on 12 April, so Lazarus
// Saturday is 4 April, the Ascension 21 May, Pentecost 31 May.)
TEST(FeastsOfTheLord, TheGreatDaysDisplaceTheSaints) {
  const Date p = 2026y / April / 12;
  const std::tuple<Service, Date, bool> rows[] = {
      {Service::orthros, p - days{9}, false},
      {Service::orthros, p - days{8}, true},
      {Service::orthros, p - days{7}, true},
      {Service::orthros, p - days{6}, false},
      {Service::orthros, p - days{2}, true},
      {Service::orthros, p, true},
      {Service::orthros, p + days{1}, false},
      {Service::orthros, p + days{39}, true},
      {Service::orthros, p + days{49}, true},
      {Service::orthros, p + days{50}, false},
      // Great Friday and Great Saturday at the Liturgy too.
      {Service::basil, p - days{2}, true},
      {Service::basil, p - days{1}, true},
      {Service::chrysostom, p - days{9}, false},
  };
  for (const auto& [service, day, displaced] : rows) {
    EXPECT_EQ(compose(service, day).saintsDisplaced(), displaced)
        << (day - p).count() << " days from Pascha, " << serviceName(service);
  }
}

TEST(FeastsOfTheLord, KneelingVespersIsAWholeTextOfItsOwn) {
  for (Service vespers : {Service::greatVespers, Service::dailyVespers}) {
    EXPECT_EQ(compose(vespers, 2024y / June / 23).sentence(), feastClause("KneelingVespers"));
  }
}

}  // namespace
}  // namespace corvane
