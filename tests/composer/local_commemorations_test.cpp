// The parish's own commemorations: joined to the saints of their day as the
// Sundays of the Fathers are, given way where the saints give way, and named
// by their line in the explanation.
#include <gtest/gtest.h>

#include <memory>

#include "composer/composed.h"
#include "state/picked_date.h"

namespace corvane {
namespace {

using namespace std::chrono;

constexpr const char* kHerman = "of our venerable father Herman, wonderworker of Alaska";

TempleSettings templeWith(std::string_view file, TempleCalendar calendar = {}) {
  TempleSettings temple;
  temple.calendar = calendar;
  temple.commemorations = commemorationsOf(readCommemorationsText(file), "commemorations.txt");
  return temple;
}

// The sentence of a day that is not a Sunday, up to the saints of the day.
constexpr std::string_view kWeekday =
    "May Christ our true God, through the intercessions of His all-immaculate and all-blameless "
    "holy Mother; by the might of the precious and life-giving cross; by the protection of the "
    "honorable bodiless powers of heaven; at the supplication of the honorable, glorious Prophet, "
    "Forerunner and Baptist John; of the holy, glorious and all-laudable apostles; of the holy, "
    "glorious and right-victorious martyrs; of our venerable and God-bearing fathers; of the holy "
    "and righteous ancestors of God, Joachim and Anna; ";
constexpr std::string_view kAllTheSaints =
    "and of all the saints: have mercy on us, and save us, forasmuch as He is good and loveth "
    "mankind.";

// Each form of the join, as a whole sentence written out by hand.
TEST(LocalCommemorations, EachFormOfTheJoinAsAWholeSentence) {
  struct Row {
    const char* form;
    std::string_view file;
    TempleCalendar calendar;
    Service service;
    Date picked;
    std::string sentence;
    std::string_view rule;  // of the saints of the day
  };
  const std::string transfigured =
      "May he who was transfigured in glory before his holy disciples and apostles on Mount Tabor, "
      "Christ our true God, through the intercessions of His all-immaculate and all-blameless "
      "holy Mother; by the might of the precious and life-giving cross; by the protection of the "
      "honorable bodiless powers of heaven; at the supplication of the honorable, glorious "
      "Prophet, Forerunner and Baptist John; of the holy, glorious and all-laudable apostles; of "
      "the holy, glorious and right-victorious martyrs; of our venerable and God-bearing fathers; "
      "of the holy and righteous ancestors of God, Joachim and Anna; ";
  const std::string risen =
      "May he who rose again from the dead, Christ our true God, through the intercessions of His "
      "all-immaculate and all-blameless holy Mother; by the might of the precious and life-giving "
      "cross; by the protection of the honorable bodiless powers of heaven; at the supplication "
      "of the honorable, glorious Prophet, Forerunner and Baptist John; of the holy, glorious and "
      "all-laudable apostles; ";
  const std::string martyrsOfTheThirteenth =
      std::string{kWeekday} +
      "of the holy, glorious and right-victorious Martyrs Eustratius, Auxentius, Eugene, "
      "Mardarius, and Orestes, and of our venerable father Herman, wonderworker of Alaska, whose "
      "memories we celebrate this day, " +
      std::string{kAllTheSaints};
  const Row rows[] = {
      {"alone", "# ours\n08-12 of the holy New Martyrs of our diocese\n",
       TempleCalendar::newCalendar, Service::orthros, 2026y / August / 12,
       transfigured +
           "of the holy New Martyrs of our diocese, whose memory we celebrate this day, " +
           std::string{kAllTheSaints},
       "local commemoration (commemorations.txt:2)"},
      {"two on one day",
       "08-12 of the holy New Martyrs of our diocese\n# between\n8-12 of St. Gorazd of Prague\n",
       TempleCalendar::newCalendar, Service::orthros, 2026y / August / 12,
       transfigured +
           "of the holy New Martyrs of our diocese and of St. Gorazd of Prague, whose memories we "
           "celebrate this day, " +
           std::string{kAllTheSaints},
       "local commemorations (commemorations.txt:1 and 3)"},
      {"after a saint of the day", "12-13 of our venerable father Herman, wonderworker of Alaska\n",
       TempleCalendar::newCalendar, Service::orthros, 2025y / December / 13, martyrsOfTheThirteenth,
       "saints of 13 December and local commemoration (commemorations.txt:1)"},
      {"on the liturgical day of an evening service",
       "12-13 of our venerable father Herman, wonderworker of Alaska\n",
       TempleCalendar::newCalendar, Service::greatVespers, 2025y / December / 12,
       martyrsOfTheThirteenth,
       "saints of 13 December and local commemoration (commemorations.txt:1)"},
      {"after a Fathers' Sunday", "12-13 of our venerable father Herman, wonderworker of Alaska\n",
       TempleCalendar::newCalendar, Service::chrysostom, 2026y / December / 13,
       risen +
           "of our father among the saints, John Chrysostom, archbishop of Constantinople; of the "
           "holy, glorious and right-victorious martyrs; of our venerable and God-bearing "
           "fathers; of the holy and righteous ancestors of God, Joachim and Anna; of the holy, "
           "glorious and right-victorious Martyrs Eustratius, Auxentius, Eugene, Mardarius, and "
           "Orestes, and of the Holy Forefathers of Christ our God, and of our venerable father "
           "Herman, wonderworker of Alaska, whose memories we celebrate this day, " +
           std::string{kAllTheSaints},
       "Sunday of the Forefathers and local commemoration (commemorations.txt:1)"},
      {"a movable one", "P+63 of all the saints who have shone forth in North America\n",
       TempleCalendar::newCalendar, Service::orthros, 2026y / June / 14,
       risen +
           "of the holy, glorious and right-victorious martyrs; of our venerable and God-bearing "
           "fathers; of the holy and righteous ancestors of God, Joachim and Anna; of the "
           "glorious Prophet Elisha, and of all the saints who have shone forth in North America, "
           "whose memories we celebrate this day, " +
           std::string{kAllTheSaints},
       "saints of 14 June and local commemoration (commemorations.txt:1)"},
      {"an old-calendar temple, on the Julian date",
       "12-13 of our venerable father Herman, wonderworker of Alaska\n",
       TempleCalendar::oldCalendar, Service::orthros, 2026y / December / 26, martyrsOfTheThirteenth,
       "saints of 13 December and local commemoration (commemorations.txt:1)"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.form);
    const auto composed =
        testing::compose(row.service, row.picked, false, templeWith(row.file, row.calendar));
    EXPECT_EQ(composed.sentence(), row.sentence);
    EXPECT_EQ(composed.rule(Slot::saintsClause), row.rule);
    for (const LocalCommemorationOfTheDay& each :
         composed.dismissal.explanation->localCommemorations) {
      EXPECT_EQ(each.gaveWayTo, "") << each.rule;
    }
  }
}

// A commemoration falls on its own day only: the civil date of a new-calendar
// temple is not the Julian date of an old-calendar one, and a movable one
// moves with Pascha.
TEST(LocalCommemorations, OnlyOnTheirOwnDay) {
  const TempleSettings herman = templeWith("12-13 of St. Herman\nP+63 of all the saints of ours\n");
  struct Row {
    TempleCalendar calendar;
    Date picked;
    bool named;
  };
  const Row rows[] = {
      {TempleCalendar::newCalendar, 2026y / December / 26, false},
      {TempleCalendar::oldCalendar, 2026y / December / 13, false},
      {TempleCalendar::newCalendar, 2025y / December / 12, false},
      {TempleCalendar::newCalendar, 2027y / June / 14, false},  // 14 June 2026 was P+63
      {TempleCalendar::newCalendar, 2027y / July / 4, true},    // Pascha 2027: 2 May
  };
  for (const Row& row : rows) {
    TempleSettings temple = herman;
    temple.calendar = row.calendar;
    const auto composed = testing::compose(Service::orthros, row.picked, false, temple);
    EXPECT_EQ(composed.sentence().find(" of ours") != std::string::npos ||
                  composed.sentence().find("Herman") != std::string::npos,
              row.named)
        << isoDate(row.picked);
  }
}

// Where the saints of the day give way, the commemoration gives way too, and
// the explanation says to what.
TEST(LocalCommemorations, GiveWayWhereTheSaintsGiveWay) {
  struct Row {
    std::string_view file;
    TempleCalendar calendar;
    Service service;
    Date picked;
    std::string_view gaveWayTo;
  };
  const Row rows[] = {
      {"P-7 of St. Herman", TempleCalendar::newCalendar, Service::orthros, 2026y / April / 5,
       "Palm Sunday"},
      {"04-04 of St. Herman", TempleCalendar::newCalendar, Service::chrysostom, 2026y / April / 4,
       "Lazarus Saturday"},
      {"P-2 of St. Herman", TempleCalendar::newCalendar, Service::orthros, 2026y / April / 10,
       "Great and Holy Friday"},
      {"P+0 of St. Herman", TempleCalendar::newCalendar, Service::greatVespers, 2026y / April / 11,
       "Holy Pascha"},
      {"01-11 of St. Herman", TempleCalendar::newCalendar, Service::orthros, 2026y / January / 11,
       "Sunday after Theophany"},
      {"P+50 of St. Herman", TempleCalendar::newCalendar, Service::greatVespers, 2026y / May / 31,
       "Kneeling Vespers"},
      // The nine great feasts of the fixed calendar, in the temple's calendar.
      {"09-08 of St. Herman", TempleCalendar::newCalendar, Service::orthros, 2026y / September / 8,
       "the Nativity of the Theotokos"},
      {"09-14 of St. Herman", TempleCalendar::newCalendar, Service::orthros, 2026y / September / 14,
       "the Elevation of the Holy Cross"},
      {"11-21 of St. Herman", TempleCalendar::newCalendar, Service::orthros, 2026y / November / 21,
       "the Entry of the Theotokos into the Temple"},
      {"12-25 of St. Herman", TempleCalendar::newCalendar, Service::orthros, 2026y / December / 25,
       "the Nativity of Our Lord"},
      {"01-06 of St. Herman", TempleCalendar::newCalendar, Service::orthros, 2026y / January / 6,
       "Theophany"},
      {"02-02 of St. Herman", TempleCalendar::newCalendar, Service::orthros, 2026y / February / 2,
       "the Meeting of Our Lord"},
      {"03-25 of St. Herman", TempleCalendar::newCalendar, Service::orthros, 2026y / March / 25,
       "the Annunciation"},
      {"08-06 of St. Herman", TempleCalendar::newCalendar, Service::orthros, 2026y / August / 6,
       "the Transfiguration"},
      {"08-15 of St. Herman", TempleCalendar::newCalendar, Service::orthros, 2026y / August / 15,
       "the Dormition of the Theotokos"},
      {"12-25 of St. Herman", TempleCalendar::oldCalendar, Service::orthros, 2027y / January / 7,
       "the Nativity of Our Lord"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.gaveWayTo);
    const auto composed = testing::compose(row.service, row.picked, false,
                                           templeWith(std::string{row.file} + "\n", row.calendar));
    EXPECT_EQ(composed.sentence().find("Herman"), std::string::npos) << composed.sentence();
    const Explanation& explanation = composed.dismissal.explanation.value();
    ASSERT_EQ(explanation.localCommemorations.size(), 1U);
    EXPECT_EQ(explanation.localCommemorations[0].rule,
              "local commemoration (commemorations.txt:1)");
    EXPECT_EQ(explanation.localCommemorations[0].gaveWayTo, row.gaveWayTo);
    EXPECT_EQ(explanation.localSaintsRule, "");
  }
  // The day after Kneeling Vespers, at Orthros, it is named.
  const auto monday = testing::compose(Service::orthros, 2026y / June / 1, false,
                                       templeWith("P+50 of St. Herman\n"));
  EXPECT_NE(monday.sentence().find("of St. Herman, whose memory"), std::string::npos);
}

// The names of the rules are made from the temple's list; the explanation
// holds them, so a dismissal, and a copy of it, outlives the temple.
TEST(LocalCommemorations, ADismissalOutlivesTheTempleItWasComposedFor) {
  Dismissal kept;
  Dismissal gaveWay;
  {
    auto temple = std::make_unique<TempleSettings>();
    temple->commemorations = commemorationsOf(
        readCommemorationsText("# ours\n12-13 of St. Herman of Alaska\n12-25 of St. Herman\n"),
        "the commemorations of our parish, kept by the council.txt");
    kept =
        compose({2025y / December / 13, Service::orthros, false}, *temple, {.explanation = true});
    gaveWay =
        compose({2025y / December / 25, Service::orthros, false}, *temple, {.explanation = true});
  }
  const Dismissal copy = kept;
  kept = Dismissal{};
  EXPECT_EQ(copy.explanation->rule(Slot::saintsClause),
            "saints of 13 December and local commemoration (the commemorations of our parish, "
            "kept by the council.txt:2)");
  ASSERT_EQ(copy.explanation->localCommemorations.size(), 1U);
  EXPECT_EQ(copy.explanation->localCommemorations[0].rule,
            "local commemoration (the commemorations of our parish, kept by the council.txt:2)");
  ASSERT_EQ(gaveWay.explanation->localCommemorations.size(), 1U);
  EXPECT_EQ(gaveWay.explanation->localCommemorations[0].gaveWayTo, "the Nativity of Our Lord");
}

// An empty list leaves every dismissal as it was.
TEST(LocalCommemorations, AnEmptyListChangesNothing) {
  const TempleSettings none = templeWith("# nothing yet\n\n");
  for (Date day = 2026y / December / 1; day <= 2026y / December / 31; day += days{1}) {
    const Dismissal with = compose({day, Service::orthros, false}, none, {.explanation = true});
    const Dismissal without = compose({day, Service::orthros, false}, {}, {.explanation = true});
    EXPECT_EQ(with.dismissalText, without.dismissalText);
    EXPECT_EQ(with.explanation->rule(Slot::saintsClause),
              without.explanation->rule(Slot::saintsClause));
    EXPECT_TRUE(with.explanation->localCommemorations.empty());
  }
}

}  // namespace
}  // namespace corvane
