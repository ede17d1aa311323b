#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/saints_calendar.h"
#include "cli/cli.h"
#include "compose.h"

namespace corvane {
namespace {

using namespace std::chrono;
using testing::compose;

TEST(SaintsCalendar, RowsInCalendarOrderWithWellFormedTexts) {
  const auto rows = saintsCalendar();
  ASSERT_EQ(rows.size(), 121u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const SaintsRow& row = rows[i];
    SCOPED_TRACE(row.name);
    if (i > 0) {
      const SaintsRow& previous = rows[i - 1];
      const bool sameDate = previous.month == row.month && previous.day == row.day;
      EXPECT_TRUE(previous.month < row.month ||
                  (previous.month == row.month && previous.day <= row.day));
      // Only the first Saturday of November shares a date, and it comes first.
      EXPECT_EQ(sameDate, previous.condition == SaintsCondition::firstSaturdayOfNovember);
    }
    if (row.text.empty()) {
      // 25 July and 9 September speak of the Ancestors, not of the saints of the day.
      EXPECT_TRUE((row.month == 7 && row.day == 25) || (row.month == 9 && row.day == 9));
      EXPECT_FALSE(row.also.ancestorsClause.empty());
    } else {
      EXPECT_TRUE(row.text.starts_with("of ")) << row.text;
      EXPECT_TRUE(row.text.ends_with(", ")) << row.text;
    }
  }
}

constexpr std::string_view kOrdinaryOpening =
    "May Christ our true God, through the intercessions of His all-immaculate and all-blameless "
    "holy Mother; by the might of the precious and life-giving cross; by the protection of the "
    "honorable bodiless powers of heaven; at the supplication of the honorable, glorious Prophet, "
    "Forerunner and Baptist John; of the holy, glorious and all-laudable apostles; ";

// Great Vespers on Saturday 8 October 2022 belongs to Sunday 9 October.
TEST(CreateDismissal, GreatVespersOnTheEveOfTheApostleJames) {
  const auto composed = compose(Service::greatVespers, 2022y / October / 8);
  EXPECT_EQ(composed.sentence(),
            std::string{kOrdinaryOpening} +
                "of the holy, glorious and right-victorious martyrs; of our venerable and "
                "God-bearing fathers; of the holy and righteous ancestors of God, Joachim and "
                "Anna; of the holy, glorious and all-laudable Apostle James, son of Alphaeus, "
                "whose memory we celebrate this day, and of all the saints: have mercy on us, and "
                "save us, forasmuch as He is good and loveth mankind.");
  EXPECT_EQ(composed.state.rule(Slot::saintsClause), "saints of 9 October");
  EXPECT_EQ(composed.state.serviceDate, Date{2022y / October / 8});
}

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
  EXPECT_EQ(composed.state.rule(Slot::saintsClause), "Sunday of the Fathers of the First Council");
}

struct SaintsCase {
  Service service;
  Date picked;
  std::string_view expected;  // the text of saintsClause, or the rule that wrote it
};

// The rule that wrote saintsClause names the row: "" when none did.
void expectSaintsRule(const SaintsCase& row) {
  const auto composed = compose(row.service, row.picked);
  EXPECT_EQ(composed.state.rule(Slot::saintsClause), row.expected)
      << (row.picked - Date{}).count() << ": " << composed.state.saintsClause;
}

void expectSaints(const SaintsCase& row) {
  const auto composed = compose(row.service, row.picked);
  EXPECT_EQ(composed.state.saintsClause, row.expected) << (row.picked - Date{}).count();
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

  EXPECT_EQ(compose(Service::orthros, 2022y / July / 25).state.ancestorsClause,
            ", whose dormition we commemorate this day");
  EXPECT_EQ(compose(Service::orthros, 2025y / June / 29).state.dayTitle, "Ss. Peter and Paul");
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

// Pascha 20 April 2025: Clean Monday is 3 March.
TEST(TriodionAndFathers, DaysOfTheTriodion) {
  struct Row {
    Date day;
    std::string_view dayTitle;
    bool suppressed;
    std::string_view saintsRule;
  };
  const Row rows[] = {
      {2025y / February / 9, "Publican and Pharisee", true, ""},
      {2025y / February / 16, "Prodigal Son", true, ""},
      {2025y / February / 23, "Last Judgement/Meatfare", true, ""},
      {2025y / March / 2, "Forgiveness Sunday/Cheesefare", true, ""},
      {2025y / March / 8, "", false, "Saturday of St. Theodore"},
      {2025y / March / 9, "Triumph of Orthodoxy", true, ""},
      {2025y / March / 16, "St. Gregory Palamas", false, "Sunday of St. Gregory Palamas"},
      {2025y / March / 23, "Adoration of the Cross", true, ""},
      {2025y / March / 30, "St. John of the Ladder", false, "Sunday of St. John of the Ladder"},
      {2025y / April / 6, "St. Mary of Egypt", false, "Sunday of St. Mary of Egypt"},
      // The Forty Martyrs of 9 March give way (Pascha 2031 is 13 April).
      {2031y / March / 9, "St. Gregory Palamas", false, "Sunday of St. Gregory Palamas"},
  };
  for (const Row& row : rows) {
    const auto composed = compose(Service::orthros, row.day);
    SCOPED_TRACE(row.dayTitle);
    EXPECT_EQ(composed.state.dayTitle, row.dayTitle);
    EXPECT_EQ(composed.state.suppressSaints, row.suppressed);
    EXPECT_EQ(composed.state.rule(Slot::saintsClause), row.saintsRule);
  }
}

TEST(TriodionAndFathers, SundaysOfTheFathersAndOfTheNativitySeason) {
  const SaintsCase rows[] = {
      // The saint's own memory phrase is cut: two blanks stand before "and".
      {Service::orthros, 2025y / October / 12,
       "of the holy, glorious and right-victorious Martyrs Probus, Tarachus, and Andronicus,  and "
       "of the 365 holy and God-bearing Fathers of the Seventh Oecumenical Council in Nicaea, "
       "whose memories we celebrate this day, "},
      // A "whose" inside the commemoration is not its memory phrase.
      {Service::orthros, 2003y / June / 8,
       "of the holy, glorious and right-victorious Greatmartyr Theodore the General, the transfer "
       "of whose relics we commemorate this day,  and of the 318 holy and God-bearing Fathers of "
       "the First Oecumenical Council in Nicaea, whose memories we celebrate this day, "},
      // The sixth Sunday after Pascha on a Sunday of 13 to 19 July: both councils, in order.
      {Service::orthros, 5175y / July / 13,
       "of the Archangel Gabriel,  and of the 318 holy and God-bearing Fathers of the First "
       "Oecumenical Council in Nicaea,  and of the 630 holy and God-bearing Fathers of the Fourth "
       "Oecumenical Council, whose memories we celebrate this day, "},
      {Service::orthros, 2025y / December / 14,
       "of the Holy Forefathers of Christ our God, whose memories we celebrate this day, "},
  };
  for (const SaintsCase& row : rows) expectSaints(row);
  // The Righteous replace St. Ignatius of 20 December.
  expectSaintsRule({Service::orthros, 2026y / December / 20, "Sunday before the Nativity"});
  EXPECT_TRUE(compose(Service::orthros, 2026y / January / 4).state.suppressSaints);
}

struct PatronCase {
  Patron patron;
  Service service;
  Date picked;
  std::string_view rule;  // the step that wrote patronClause, "" when it stays empty
};

TempleSettings templeOf(Patron patron) {
  TempleSettings settings;
  choosePatron(settings, patron, "of our father among the saints Raphael, bishop of Brooklyn");
  return settings;
}

void expectPatron(const PatronCase& row) {
  const auto composed = compose(row.service, row.picked, false, templeOf(row.patron));
  EXPECT_EQ(composed.state.rule(Slot::patronClause), row.rule)
      << static_cast<int>(row.service) << " " << (row.picked - Date{}).count() << ": "
      << composed.state.patronClause;
}

// The daily services add the patron except on the weekday whose intercession names it;
// the fixed sentence of the others names the Cross, the powers, the Forerunner and the apostles.
TEST(TemplePatron, PatronByServiceAndWeekday) {
  // 17 to 21 October 2022: Monday to Friday.
  const Date monday = 2022y / October / 17, tuesday = monday + days{1};
  const Date wednesday = monday + days{2}, thursday = monday + days{3}, friday = monday + days{4};
  const PatronCase rows[] = {
      {Patron::nicholas, Service::dailyOrthros, thursday, ""},
      {Patron::nicholas, Service::dailyOrthros, friday, "temple patron: St. Nicholas"},
      {Patron::nicholas, Service::chrysostom, thursday, "temple patron: St. Nicholas"},
      {Patron::cross, Service::dailyOrthros, wednesday, ""},
      {Patron::cross, Service::dailyOrthros, friday, ""},
      {Patron::cross, Service::dailyOrthros, monday, "temple patron: the Holy Cross"},
      {Patron::cross, Service::orthros, monday, ""},
      {Patron::archangels, Service::dailyOrthros, monday, ""},
      {Patron::archangels, Service::dailyOrthros, tuesday, "temple patron: the Holy Archangels"},
      // Picked on Sunday, the liturgical day is Monday.
      {Patron::archangels, Service::dailyVespers, monday - days{1}, ""},
      {Patron::forerunner, Service::dailyOrthros, tuesday, ""},
      {Patron::forerunner, Service::dailyOrthros, wednesday,
       "temple patron: St. John the Forerunner"},
      {Patron::apostles, Service::dailyOrthros, thursday, ""},
      {Patron::apostles, Service::dailyOrthros, friday, "temple patron: the Twelve Apostles"},
      {Patron::chrysostom, Service::chrysostom, monday, ""},
      {Patron::chrysostom, Service::basil, monday, "temple patron: St. John Chrysostom"},
      {Patron::basil, Service::basil, monday, ""},
      {Patron::basil, Service::orthros, monday, "temple patron: St. Basil the Great"},
      {Patron::gregory, Service::presanctified, monday, ""},
      {Patron::gregory, Service::orthros, monday, "temple patron: St. Gregory the Dialogist"},
      {Patron::typed, Service::dailyOrthros, thursday, "temple patron: typed phrase"},
  };
  for (const PatronCase& row : rows) expectPatron(row);

  // The day's clause of the feast follows the invocation.
  const TempleSettings cross = templeOf(Patron::cross);
  EXPECT_EQ(compose(Service::dailyOrthros, 2025y / September / 14, false, cross).state.patronClause,
            "by the might of the precious and life-giving cross, the elevation of which we "
            "commemorate this day; ");
  const TempleSettings forerunner = templeOf(Patron::forerunner);
  EXPECT_EQ(
      compose(Service::dailyOrthros, 2025y / August / 29, false, forerunner).state.patronClause,
      "at the supplication of the honorable, glorious Prophet, Forerunner and Baptist John, whose "
      "beheading we commemorate this day; ");
}

// On the patron's own feast the saints of the day name him, and nothing else does.
TEST(TemplePatron, OwnFeastNamesThePatronOnce) {
  const PatronCase rows[] = {
      {Patron::nicholas, Service::orthros, 2022y / December / 6, ""},
      {Patron::nicholas, Service::orthros, 2022y / December / 5, "temple patron: St. Nicholas"},
      {Patron::chrysostom, Service::orthros, 2022y / November / 13, ""},
      {Patron::chrysostom, Service::basil, 2023y / January / 30, ""},
      {Patron::basil, Service::orthros, 2023y / January / 1, ""},
      {Patron::basil, Service::orthros, 2023y / January / 30, ""},
  };
  for (const PatronCase& row : rows) expectPatron(row);
  // Nor is the Liturgy's author named a second time.
  for (const auto& [service, picked] : {std::pair{Service::chrysostom, 2022y / November / 13},
                                        std::pair{Service::basil, 2023y / January / 1},
                                        std::pair{Service::basil, 2023y / January / 30}}) {
    EXPECT_EQ(compose(service, picked).state.liturgyAuthorClause, "");
  }
}

TEST(Cli, TypedPatronLineBreaksAreHeldAsLineFeeds) {
  for (const char* typed :
       {"of the holy\r\nnew martyrs", "of the holy\rnew martyrs", "of the holy\nnew martyrs"}) {
    const std::vector<std::string> args = {"corvane-cli", "--service",     "orthros", "--date",
                                           "2022-10-13",  "--patron-text", typed,     "--json"};
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out, err;
    ASSERT_EQ(runCli(static_cast<int>(argv.size()), argv.data(), out, err), 0) << err.str();
    const auto object = nlohmann::json::parse(out.str());
    EXPECT_NE(object["dismissalText"].get<std::string>().find(
                  "fathers; of the holy\nnew martyrs; of the holy and righteous"),
              std::string::npos);
  }
}

}  // namespace
}  // namespace corvane
