#include <gtest/gtest.h>

#include <string>

#include "composer/composed.h"

namespace corvane {
namespace {

using namespace std::chrono;
using testing::compose;

// The evening shift: which services move to the next liturgical day.
TEST(CreateDismissal, EveningShiftAndRestore) {
  struct Row {
    Service service;
    bool evening;
    bool moves;
  };
  const Row rows[] = {
      {Service::greatVespers, false, true},  {Service::dailyVespers, false, true},
      {Service::presanctified, false, true}, {Service::chrysostom, true, true},
      {Service::basil, true, true},          {Service::orthros, false, false},
      {Service::dailyOrthros, false, false}, {Service::chrysostom, false, false},
      {Service::basil, false, false},
  };
  const Date picked = 2022y / October / 4;
  for (const Row& row : rows) {
    const auto composed = compose(row.service, picked, row.evening);
    const int service = static_cast<int>(row.service);
    EXPECT_EQ(composed.dismissal.explanation->churchDate.day, row.moves ? 5 : 4)
        << service << " evening " << row.evening;
    EXPECT_EQ(composed.dismissal.request.served, picked) << "picked date kept, service " << service;
  }
}

TEST(CreateDismissal, VespersOnNewYearsEveBelongsToTheNextYear) {
  const auto composed = compose(Service::greatVespers, 2024y / December / 31);
  EXPECT_EQ(composed.dismissal.explanation->churchDate, (ChurchDate{2025, 1, 1}));
  EXPECT_EQ(composed.dismissal.explanation->movableDates.pascha, Date{2025y / April / 20});
}

constexpr std::string_view kMayChrist =
    "May Christ our true God, through the intercessions of His all-immaculate and all-blameless "
    "holy Mother";
constexpr std::string_view kMayRisenChrist =
    "May he who rose again from the dead, Christ our true God, through the intercessions of His "
    "all-immaculate and all-blameless holy Mother";

// The resurrection clause: on a Sunday, never at Vespers (which belongs to Monday).
TEST(CreateDismissal, RisenClauseOnlyOnASundayOutsideVespers) {
  struct Row {
    Service service;
    Date picked;
    std::string_view opening;
  };
  const Date sunday = 2022y / October / 30;
  const Date tuesday = 2022y / October / 4;
  const Row rows[] = {
      {Service::orthros, sunday, kMayRisenChrist},
      {Service::dailyOrthros, sunday, kMayRisenChrist},
      {Service::dailyVespers, sunday, kMayChrist},
      {Service::orthros, tuesday, kMayChrist},
      // Picked on Saturday, composed for Sunday: the picked date is no Sunday.
      {Service::greatVespers, 2022y / October / 29, kMayChrist},
  };
  for (const Row& row : rows) {
    const auto composed = compose(row.service, row.picked);
    EXPECT_TRUE(composed.sentence().starts_with(std::string{row.opening} + ';'))
        << static_cast<int>(row.service) << ": " << composed.sentence();
  }
}

// The result carries the request, the liturgical day with its movable dates,
// and each slot with the rule that wrote it; an empty slot names no rule.
TEST(CreateDismissal, TheResultCarriesTheRequestTheDayAndTheRules) {
  const auto composed = compose(Service::basil, 2025y / April / 16, true);
  const Dismissal& result = composed.dismissal;
  EXPECT_EQ(result.request, (ServiceRequest{2025y / April / 16, Service::basil, true}));
  EXPECT_FALSE(result.dailyService);
  const Explanation& why = *result.explanation;
  EXPECT_EQ(why.liturgicalDay, Date{2025y / April / 17});
  EXPECT_EQ(why.movableDates.pascha, Date{2025y / April / 20});
  EXPECT_FALSE(why.standsInTheDismissal(Slot::wholeText));
  EXPECT_EQ(why.rule(Slot::dayTitle), "Great and Holy Thursday");
  EXPECT_EQ(why.rule(Slot::liturgyAuthorClause), "Liturgy of St. Basil the Great");
  EXPECT_EQ(why.rule(Slot::crossClause), "");
  // The evening choice is kept only for the two Divine Liturgies.
  EXPECT_FALSE(compose(Service::orthros, 2025y / April / 16, true).dismissal.request.evening);
}

// What "Why?" and --explain list: the weekday's intercession only where the
// sentence holds it, the whole text only where it stands for the sentence.
TEST(CreateDismissal, TheSlotsThatStandAreThoseOfTheSentence) {
  struct Row {
    Service service;
    Date picked;
    bool weekday, whole;
  };
  const Row rows[] = {
      {Service::dailyOrthros, 2026y / October / 6, true, false},
      {Service::orthros, 2026y / October / 6, false, false},
      {Service::greatVespers, 2024y / June / 23, false, true},  // Kneeling Vespers
  };
  for (const Row& row : rows) {
    const auto composed = compose(row.service, row.picked);
    const Explanation& why = *composed.dismissal.explanation;
    EXPECT_EQ(why.standsInTheDismissal(Slot::weekdayClause), row.weekday)
        << serviceName(row.service);
    EXPECT_EQ(why.standsInTheDismissal(Slot::wholeText), row.whole) << serviceName(row.service);
    EXPECT_EQ(why.standsInTheDismissal(Slot::saintsClause), !row.whole) << serviceName(row.service);
  }
}

}  // namespace
}  // namespace corvane
