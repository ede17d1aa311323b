#include <gtest/gtest.h>

#include <string>

#include "composer/composed.h"

namespace corvane {
namespace {

using namespace std::chrono;
using testing::compose;

// Pascha 2025 is 20 April: 1 June is the Sunday after the Ascension and of the First Council.
TEST(CreateDismissal, SundayAfterTheAscensionWithTheFathersOfTheFirstCouncil) {
  const auto composed = compose(Service::chrysostom, 2025y / June / 1);
  EXPECT_EQ(composed.sentence(),
            "May he who in glory ascended from us into heaven and sat at the right hand of God the "
            "Father, and who rose again from the dead, Christ our true God, through the "
            "intercessions of His all-immaculate and all-blameless holy Mother; by the might of "
            "the precious and life-giving cross; by the protection of the honorable bodiless "
            "powers of heaven; at the supplication of the honorable, glorious Prophet, Forerunner "
            "and Baptist John; of the holy, glorious and all-laudable apostles; of our father "
            "among the saints, John Chrysostom, archbishop of Constantinople; of the holy, "
            "glorious and right-victorious martyrs; of our venerable and God-bearing fathers; of "
            "the holy and righteous ancestors of God, Joachim and Anna; of the 318 holy and "
            "God-bearing Fathers of the First Oecumenical Council in Nicaea, whose memories we "
            "celebrate this day, and of all the saints: have mercy on us, and save us, forasmuch "
            "as He is good and loveth mankind.");
  EXPECT_EQ(composed.rule(Slot::saintsClause), "Sunday of the Fathers of the First Council");
}

struct SaintsCase {
  Service service;
  Date picked;
  std::string_view expected;  // the text of saintsClause, or the rule that wrote it
};

// The rule that wrote saintsClause names the row: "" when none did.
void expectSaintsRule(const SaintsCase& row) {
  const auto composed = compose(row.service, row.picked);
  EXPECT_EQ(composed.rule(Slot::saintsClause), row.expected)
      << (row.picked - Date{}).count() << ": " << composed.text(Slot::saintsClause);
}

void expectSaints(const SaintsCase& row) {
  const auto composed = compose(row.service, row.picked);
  EXPECT_EQ(composed.text(Slot::saintsClause), row.expected) << (row.picked - Date{}).count();
}

TEST(SaintsOfTheDay, ConditionsOfTheFixedCalendar) {
  const SaintsCase rows[] = {
      {Service::greatVespers, 2022y / October / 25, "saints of 26 October"},
      // The first Saturday of November yields to the date's own row.
      {Service::orthros, 2022y / November / 5, "saints of the first Saturday of November"},
      {Service::orthros, 2025y / November / 1, "saints of 1 November"},
      {Service::orthros, 2022y / November / 3, ""},
      {Service::orthros, 2022y / March / 26, "saints of 26 March"},
      {Service::orthros, 2024y / March / 26, ""},
  };
  for (const SaintsCase& row : rows) expectSaintsRule(row);

  EXPECT_EQ(compose(Service::orthros, 2022y / July / 25).text(Slot::ancestorsClause),
            ", whose dormition we commemorate this day");
  EXPECT_EQ(compose(Service::orthros, 2025y / June / 29).text(Slot::dayTitle),
            "Ss. Peter and Paul");
}

// A commemoration that falls before Pascha moves into Bright Week; on Pascha it is lost.
TEST(SaintsOfTheDay, BrightWeekMoves) {
  const SaintsCase rows[] = {
      // Pascha 16 April 2017.
      {Service::orthros, 2017y / April / 23, "saints of 23 April"},
      {Service::orthros, 2017y / April / 17, ""},
      // Pascha 23 April 2006.
      {Service::orthros, 2006y / April / 24, ""},
      {Service::orthros, 2006y / April / 25, "saints of 25 April"},
      // Pascha 1 May 2005: Bright Monday is 2 May, after Pascha.
      {Service::orthros, 2005y / May / 2, "Bright Monday: St. George moved"},
      {Service::orthros, 2005y / May / 3, "Bright Tuesday: St. Mark moved"},
      {Service::orthros, 2005y / May / 4, "Bright Wednesday: St. James moved"},
      // Pascha 2 May 2021.
      {Service::orthros, 2021y / May / 4, "Bright Tuesday: St. Mark moved"},
      // Pascha 5 May 2024: Athanasios alone; James replaces John the Theologian.
      {Service::orthros, 2024y / May / 7, "Bright Tuesday: St. Athanasios moved"},
      {Service::orthros, 2024y / May / 8, "Bright Wednesday: St. James moved"},
  };
  for (const SaintsCase& row : rows) expectSaintsRule(row);
  expectSaints({Service::orthros, 2005y / May / 2,
                "of our father among the saints, Athanasios the Great, the translation of whose "
                "relics we commemorate this day, and of the holy, glorious and right-victorious "
                "Greatmartyr George, the Trophy-bearer, whose memory we celebrate this day, "});
  expectSaints({Service::orthros, 2024y / May / 8,
                "of the holy, glorious and all-laudable Apostle James, the son of Zebedee, whose "
                "memory we celebrate this day, "});
}

// The Sundays of the fixed windows are checked against the copy in texts_test;
// these are the Sundays counted from Pascha.
TEST(TriodionAndFathers, SundaysOfTheFathersAndOfTheNativitySeason) {
  const SaintsCase rows[] = {
      // A "whose" inside the commemoration is not its memory phrase.
      // One blank before each "and".
      {Service::orthros, 2003y / June / 8,
       "of the holy, glorious and right-victorious Greatmartyr Theodore the General, the transfer "
       "of whose relics we commemorate this day, and of the 318 holy and God-bearing Fathers of "
       "the First Oecumenical Council in Nicaea, whose memories we celebrate this day, "},
      // The sixth Sunday after Pascha on a Sunday of 13 to 19 July: both councils, in order.
      {Service::orthros, 5175y / July / 13,
       "of the Archangel Gabriel, and of the 318 holy and God-bearing Fathers of the First "
       "Oecumenical Council in Nicaea, and of the 630 holy and God-bearing Fathers of the Fourth "
       "Oecumenical Council, whose memories we celebrate this day, "},
      // 12 October 2025, a Sunday, as the published calendars give it.
      {Service::orthros, 2025y / October / 12,
       "of the holy, glorious and right-victorious Martyrs Probus, Tarachus, and Andronicus, and "
       "of the 365 holy and God-bearing Fathers of the Seventh Oecumenical Council in Nicaea, "
       "whose memories we celebrate this day, "},
      // The Sunday after the Nativity on 31 December 2023 and 30 December 2029.
      {Service::orthros, 2023y / December / 31,
       "of Righteous Joseph the Betrothed, David the King, and James the Brother of God, whose "
       "memories we celebrate this day, "},
      {Service::greatVespers, 2029y / December / 29,
       "of Righteous Joseph the Betrothed, David the King, and James the Brother of God, whose "
       "memories we celebrate this day, "},
      {Service::orthros, 2029y / December / 27,
       "of the holy, glorious and right-victorious Protomartyr and Archdeacon Stephen, whose "
       "memory we celebrate this day, "},
  };
  for (const SaintsCase& row : rows) expectSaints(row);
  // The Righteous replace St. Ignatius of 20 December.
  expectSaintsRule({Service::orthros, 2026y / December / 20, "Sunday before the Nativity"});
  EXPECT_TRUE(compose(Service::orthros, 2026y / January / 4).saintsDisplaced());
}

}  // namespace
}  // namespace corvane
