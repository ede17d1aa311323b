// A temple on the old (Julian) calendar: the fixed feasts and saints on their
// Julian dates, Pascha on the same day as everywhere, and the Meeting of Our
// Lord when a Julian Pascha brings it into Cheesefare week.
#include <gtest/gtest.h>

#include "composer/composed.h"
#include "state/picked_date.h"
#include "support/tsv.h"

namespace corvane {
namespace {

using namespace std::chrono;

TempleSettings oldCalendar() {
  TempleSettings temple;
  temple.calendar = TempleCalendar::oldCalendar;
  return temple;
}

testing::Composed composeOld(Service service, Date picked, bool evening = false) {
  return testing::compose(service, picked, evening, oldCalendar());
}

// The texts from the copy kept apart from the code.
using testing::textOf;
std::string feastClause(const std::string& label) {
  return textOf("feast_clauses.tsv", 0, label, 1);
}
const std::string kNativity = feastClause("Nativity");
const std::string kTheophany = feastClause("Theophany");
const std::string kMeeting = feastClause("Meeting");
const std::string kAndRisen = feastClause("And-risen");

TEST(OldCalendar, TheFixedFeastsOnTheirJulianDates) {
  struct Row {
    Service service;
    Date picked;
    ChurchDate churchDate;
    std::string_view dayTitle, feastClause;
  };
  const Row rows[] = {
      {Service::chrysostom, 2027y / January / 7, {2026, 12, 25}, "Nativity of Our Lord", kNativity},
      // Vespers of the eve belongs to the feast.
      {Service::greatVespers,
       2027y / January / 6,
       {2026, 12, 25},
       "Nativity of Our Lord",
       kNativity},
      {Service::orthros, 2027y / January / 6, {2026, 12, 24}, "Paramon of the Nativity", ""},
      {Service::orthros, 2027y / January / 19, {2027, 1, 6}, "Holy Theophany", kTheophany},
  };
  for (const Row& row : rows) {
    const auto composed = composeOld(row.service, row.picked);
    SCOPED_TRACE(std::string{serviceName(row.service)} + " " + row.dayTitle.data());
    EXPECT_EQ(composed.dismissal.explanation->churchDate, row.churchDate);
    EXPECT_EQ(composed.dismissal.dayTitle, row.dayTitle);
    EXPECT_EQ(composed.text(Slot::feastClause), row.feastClause);
  }
  // The vesperal Liturgy of St. Basil on the Julian paramon, headed as such.
  EXPECT_EQ(composeOld(Service::basil, 2027y / January / 6).dismissal.serviceHeading,
            "-- Vesperal Divine Liturgy of St. Basil the Great --");
  EXPECT_EQ(composeOld(Service::basil, 2026y / December / 24).dismissal.serviceHeading,
            "-- Divine Liturgy of St. Basil the Great --");
}

TEST(OldCalendar, TheSaintsOnTheirJulianDates) {
  const auto nicholas = composeOld(Service::orthros, 2026y / December / 19);
  EXPECT_EQ(nicholas.rule(Slot::saintsClause), "saints of 6 December");
  TempleSettings temple = oldCalendar();
  choosePatron(temple, Patron::nicholas);
  EXPECT_EQ(testing::compose(Service::orthros, 2026y / December / 19, false, temple)
                .text(Slot::patronClause),
            "")
      << "named once on his own day";
  EXPECT_EQ(testing::compose(Service::orthros, 2026y / December / 6, false, temple)
                .text(Slot::patronClause),
            textOf("patron_clauses.tsv", 1, "nicholas", 4));
  // The Sunday of the Forefathers, Julian 11 to 17 December: civil 27 December 2026 is
  // Julian 14 December.
  EXPECT_EQ(composeOld(Service::orthros, 2026y / December / 27).text(Slot::saintsClause),
            textOf("triodion_and_fathers.tsv", 2, "12-11", 7) +
                textOf("title_phrases.tsv", 0, "memoryPlural", 1));
  // The Sunday after the Nativity on Julian 31 December 2018 (civil 13 January 2019).
  EXPECT_EQ(composeOld(Service::orthros, 2019y / January / 13).text(Slot::saintsClause),
            "of Righteous Joseph the Betrothed, David the King, and James the Brother of God, "
            "whose memories we celebrate this day, ");
  // Julian 9 and 10 May, 12 and 13 August, as the published old calendars give them.
  const std::pair<Date, std::string_view> saints[] = {
      {2026y / May / 22,
       "of the holy, glorious and right-victorious Martyr Christopher, whose memory we celebrate "
       "this day, "},
      {2026y / May / 23,
       "of the holy, glorious and all-laudable Apostle Simon the Zealot, whose memory we "
       "celebrate this day, "},
      {2026y / August / 25, ""},
      {2026y / August / 26,
       "of our venerable and God-bearing father Maximos the Confessor, the translation of whose "
       "relics we commemorate this day, "},
  };
  for (const auto& [day, text] : saints) {
    EXPECT_EQ(composeOld(Service::orthros, day).text(Slot::saintsClause), text) << isoDate(day);
  }
}

// 2010: Julian Pascha on 22 March (civil 4 April), so Julian 2 February
// (civil 15 February) is Clean Monday and the feast is kept on Cheesefare
// Sunday, which names both.
TEST(OldCalendar, TheMeetingOnCheesefareSundayIn2010) {
  const auto sunday = composeOld(Service::orthros, 2010y / February / 14);
  EXPECT_EQ(sunday.text(Slot::feastClause), kMeeting);
  EXPECT_EQ(sunday.text(Slot::risenClause), kAndRisen);
  EXPECT_EQ(sunday.dismissal.dayTitle,
            "Forgiveness Sunday/Cheesefare; Meeting of Our Lord in the Temple");
  EXPECT_TRUE(sunday.saintsDisplaced());
  for (Date day = 2010y / February / 15; day <= 2010y / February / 22; day += days{1}) {
    const auto composed = composeOld(Service::orthros, day);
    EXPECT_EQ(composed.text(Slot::feastClause), "") << (day - Date{}).count();
    EXPECT_EQ(composed.dismissal.dayTitle.find("Meeting"), std::string::npos);
  }
  EXPECT_EQ(composeOld(Service::orthros, 2010y / February / 13).dismissal.dayTitle, "")
      << "no forefeast";
}

// 2037: Julian Pascha on 23 March; Julian 2 February (civil 15 February) is
// Cheesefare Sunday: the feast, then nothing on Clean Monday.
TEST(OldCalendar, TheMeetingOnCheesefareSundayIn2037) {
  EXPECT_EQ(composeOld(Service::orthros, 2037y / February / 14).dismissal.dayTitle,
            "Forefeast of the Meeting of Our Lord");
  const auto sunday = composeOld(Service::orthros, 2037y / February / 15);
  EXPECT_EQ(sunday.text(Slot::feastClause), kMeeting);
  EXPECT_EQ(sunday.dismissal.dayTitle,
            "Forgiveness Sunday/Cheesefare; Meeting of Our Lord in the Temple");
  const auto monday = composeOld(Service::orthros, 2037y / February / 16);
  EXPECT_EQ(monday.text(Slot::feastClause), "");
  EXPECT_EQ(monday.dismissal.dayTitle, "");
}

// The Annunciation on Pascha, as in 1991 (civil 7 April is Julian 25 March),
// and in Holy Week; the forefeast and leavetaking give way in that span.
TEST(OldCalendar, TheAnnunciationInHolyAndBrightWeek) {
  const auto kyriopascha = composeOld(Service::orthros, 1991y / April / 7);
  EXPECT_EQ(kyriopascha.dismissal.dayTitle, "Holy Pascha; Annunciation of the Theotokos");
  EXPECT_EQ(kyriopascha.text(Slot::theotokosClause),
            ", whose annunciation we commemorate this day");
  const auto brightMonday = composeOld(Service::orthros, 1991y / April / 8);
  EXPECT_EQ(brightMonday.dismissal.dayTitle, "Bright Monday");
  EXPECT_EQ(brightMonday.text(Slot::theotokosClause), "");
  EXPECT_EQ(composeOld(Service::orthros, 1991y / April / 6).dismissal.dayTitle,
            "Great and Holy Saturday");
}

// 2051: Julian Pascha on 24 April; St. George (Julian 23 April, Great
// Saturday) moves to Bright Monday, where St. Mark's own day falls.
TEST(OldCalendar, StGeorgeMovedIntoBrightWeek) {
  const auto brightMonday = composeOld(Service::orthros, 2051y / May / 8);
  EXPECT_EQ(brightMonday.dismissal.explanation->churchDate, (ChurchDate{2051, 4, 25}));
  EXPECT_EQ(brightMonday.text(Slot::saintsClause),
            "of the holy, glorious and all-laudable Apostle and Evangelist Mark, whose memory we "
            "celebrate this day, and of the holy, glorious and right-victorious Greatmartyr "
            "George, the Trophy-bearer, whose memory we celebrate this day, ");
  EXPECT_EQ(brightMonday.rule(Slot::saintsClause), "Bright Monday: St. George moved");
}

}  // namespace
}  // namespace corvane
