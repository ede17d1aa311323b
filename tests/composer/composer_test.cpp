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
    EXPECT_EQ(composed.dismissal.churchDate.day, row.moves ? 5 : 4)
        << service << " evening " << row.evening;
    EXPECT_EQ(composed.dismissal.pickedDate, picked) << "picked date kept, service " << service;
  }
}

TEST(CreateDismissal, VespersOnNewYearsEveBelongsToTheNextYear) {
  const auto composed = compose(Service::greatVespers, 2024y / December / 31);
  EXPECT_EQ(composed.dismissal.churchDate.year, 2025);
  EXPECT_EQ(composed.dismissal.churchDate.month, 1);
  EXPECT_EQ(composed.dismissal.churchDate.day, 1);
  EXPECT_EQ(composed.dismissal.movableDates.pascha, Date{2025y / April / 20});
  EXPECT_EQ(composed.dismissal.pickedDate, Date{2024y / December / 31});
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
      {Service::chrysostom, sunday, kMayRisenChrist},
      {Service::dailyOrthros, sunday, kMayRisenChrist},
      {Service::greatVespers, sunday, kMayChrist},
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

TEST(CreateDismissal, DailyFormOnAnOrdinaryThursday) {
  const auto composed = compose(Service::dailyOrthros, 2022y / October / 13);
  EXPECT_EQ(composed.sentence(),
            "May Christ our true God, through the intercessions of His all-immaculate and "
            "all-blameless holy Mother; of the holy, glorious and all-laudable apostles; of our "
            "father among the saints, Nicholas the Wonderworker, bishop of Myra in Lycia; of the "
            "holy and righteous ancestors of God, Joachim and Anna; and of all the saints: have "
            "mercy on us, and save us, forasmuch as He is good and loveth mankind.");
}

// St. Nicholas on a Thursday: his memory in Thursday's intercession, then two blanks.
TEST(CreateDismissal, SaintNicholasOnAThursdayInTheDailyServices) {
  for (const auto& [service, picked] : {std::pair{Service::dailyOrthros, 2029y / December / 6},
                                        std::pair{Service::dailyVespers, 2029y / December / 5}}) {
    const auto composed = compose(service, picked);
    EXPECT_EQ(composed.text(Slot::weekdayClause),
              "of the holy, glorious and all-laudable apostles; of our father among the saints, "
              "Nicholas the Wonderworker, bishop of Myra in Lycia, whose memory we celebrate this "
              "day,  ");
    EXPECT_EQ(composed.text(Slot::saintsClause), "");
    EXPECT_NE(composed.sentence().find("this day,  of the holy and righteous ancestors"),
              std::string::npos);
  }
}

constexpr std::string_view kPaschalEnding =
    "PASCHAL ENDING\r\n\r\nPRIEST:  Christ is risen!\r\nRESPONSE: Indeed, He is risen!\r\n"
    "(thrice)\r\n\r\nPRIEST: Glory to his holy third-day resurrection.\r\nRESPONSE: We adore his "
    "third-day resurrection.\r\n\r\nPRIEST: Christ is risen from the dead trampling down death by "
    "death and upon those in the tombs . . .\r\nRESPONSE: . . . bestowing life.";
constexpr std::string_view kHierarchicalEnding =
    "HIERARCHICAL ENDING:  Through the prayers of our holy master, Lord Jesus Christ our God, have "
    "mercy on us, and save us.";

// Pascha 2026 is 12 April: the Paschal ending runs to 20 May (Pascha + 38).
TEST(CreateDismissal, ClosingLine) {
  struct Row {
    Service service;
    Date picked;
    bool bishop;
    std::string_view ending;
  };
  const Row rows[] = {
      {Service::orthros, 2026y / April / 12, false, kPaschalEnding},
      {Service::orthros, 2026y / April / 12, true, kPaschalEnding},
      {Service::greatVespers, 2026y / April / 11, false, kPaschalEnding},
      {Service::orthros, 2026y / April / 11, false, testing::kOrdinaryEnding},
      {Service::orthros, 2026y / May / 20, false, kPaschalEnding},
      {Service::orthros, 2026y / May / 21, false, testing::kOrdinaryEnding},
      {Service::greatVespers, 2026y / May / 20, false, testing::kOrdinaryEnding},
      {Service::orthros, 2026y / May / 21, true, kHierarchicalEnding},
      {Service::dailyVespers, 2022y / October / 4, true, kHierarchicalEnding},
  };
  for (const Row& row : rows) {
    TempleSettings settings;
    settings.bishopPresent = row.bishop;
    const auto composed = compose(row.service, row.picked, false, settings);
    EXPECT_EQ(composed.dismissal.endingText, row.ending)
        << static_cast<int>(row.service) << " " << row.bishop;
    EXPECT_EQ(composed.dismissal.paschalEnding, row.ending == kPaschalEnding);
  }
}

// The result carries the request, the liturgical day with its movable dates,
// and each slot with the rule that wrote it; an empty slot names no rule.
TEST(CreateDismissal, TheResultCarriesTheRequestTheDayAndTheRules) {
  const auto composed = compose(Service::basil, 2025y / April / 16, true);
  const Dismissal& result = composed.dismissal;
  EXPECT_EQ(result.pickedDate, Date{2025y / April / 16});
  EXPECT_EQ(result.service, Service::basil);
  EXPECT_TRUE(result.eveningLiturgy);
  EXPECT_EQ(result.liturgicalDay, Date{2025y / April / 17});
  EXPECT_EQ(result.movableDates.pascha, Date{2025y / April / 20});
  EXPECT_EQ(result.movableDates.cleanMonday, Date{2025y / March / 3});
  EXPECT_EQ(result.movableDates.meetingLeavetaking, Date{2025y / February / 9});
  EXPECT_EQ(result.movableDates.lazarusSaturday, Date{2025y / April / 12});
  EXPECT_EQ(result.movableDates.palmSunday, Date{2025y / April / 13});
  EXPECT_EQ(result.movableDates.ascension, Date{2025y / May / 29});
  EXPECT_EQ(result.movableDates.pentecost, Date{2025y / June / 8});
  EXPECT_FALSE(result.dailyService);
  EXPECT_FALSE(result.wholeText);
  EXPECT_EQ(result.slot(Slot::dayTitle).rule, "Great and Holy Thursday");
  EXPECT_EQ(result.slot(Slot::liturgyAuthorClause).rule, "Liturgy of St. Basil the Great");
  EXPECT_EQ(result.slot(Slot::crossClause).text, "");
  EXPECT_EQ(result.slot(Slot::crossClause).rule, "");
  const auto kneeling = compose(Service::dailyVespers, 2024y / June / 23);
  EXPECT_TRUE(kneeling.dismissal.wholeText);
  EXPECT_TRUE(kneeling.dismissal.dailyService);
}

}  // namespace
}  // namespace corvane
