// Every fixed text of the calendar against the copy kept apart from the code
// (tests/data; the saints' rows are read against it in the calendar's own
// test): each day's name on every day of
// several years, each commemoration of the Theotokos, the Cross and the
// Forerunner at both edges of its span, each Sunday of the Fathers at both
// edges of its window, each patron's clause and the frame of the sentence.
#include <gtest/gtest.h>

#include <map>

#include "composer/composed.h"
#include "state/picked_date.h"
#include "support/independent_calendar.h"
#include "support/tsv.h"

namespace corvane {
namespace {

using namespace std::chrono;
using testing::civilDay;
using testing::compose;
using testing::isQuietDay;
using testing::isSunday;
using testing::julianEasterAsCivil;
using testing::readTsv;
using testing::TsvRow;

// "12-20" as month and day.
std::pair<int, int> monthDay(const std::string& field) {
  return {std::stoi(field.substr(0, 2)), std::stoi(field.substr(3, 2))};
}

// The first year from 2020 on where every one of the days is quiet.
int quietYear(const std::vector<std::pair<int, int>>& monthDays) {
  for (int year = 2020; year < 2100; ++year) {
    bool quiet = true;
    for (const auto& [month, day] : monthDays) {
      const Date date = civilDay(year, month, day);
      quiet = quiet && isQuietDay(date, year);
    }
    if (quiet) return year;
  }
  ADD_FAILURE() << "no quiet year";
  return 2020;
}

// The day's name: a model of the titles read from the data (the last row that
// applies wins) against the composition, on every day of years with early,
// middle and late Pascha, at services that shift and that do not.
struct TitleRow {
  std::string rule, anchor;
  int first = 0, last = 0;  // offsets, or month * 100 + day
  std::string onlyIf, title;
};

std::vector<TitleRow> titleRows() {
  std::vector<TitleRow> rows;
  for (const TsvRow& field : readTsv("day_titles.tsv")) {
    TitleRow row{field[0], field[1], 0, 0, field[4], field[5]};
    if (row.anchor == "date") {
      const auto [month, day] = monthDay(field[2]);
      row.first = month * 100 + day;
      if (field[3].empty()) {
        row.last = month * 100 + 31;  // open: until the leavetaking, checked in the model
      } else {
        const auto [lastMonth, lastDay] = monthDay(field[3]);
        row.last = lastMonth * 100 + lastDay;
      }
    } else {
      row.first = std::stoi(field[2]);
      row.last = std::stoi(field[3]);
    }
    rows.push_back(row);
  }
  return rows;
}

// The Leavetaking of the Meeting as the tables give it: counted back from
// Clean Monday when Pascha is early in April, otherwise 9 February.
Date meetingLeavetaking(int year) {
  const Date pascha = julianEasterAsCivil(year);
  const year_month_day date{pascha};
  const Date cleanMonday = pascha - days{48};
  if (date.month() == April && date.day() <= 4d) return cleanMonday - days{6};
  if (date.month() == April && date.day() <= 8d) return cleanMonday - days{11};
  return civilDay(year, 2, 9);
}

std::string expectedTitle(const std::vector<TitleRow>& rows, Date day, Service service) {
  const year_month_day date{day};
  const int year = static_cast<int>(date.year());
  const int monthDay = static_cast<int>(static_cast<unsigned>(date.month())) * 100 +
                       static_cast<int>(static_cast<unsigned>(date.day()));
  const auto fromPascha = (day - julianEasterAsCivil(year)).count();
  const bool presanctified = service == Service::presanctified;
  const bool vespers = service == Service::greatVespers || service == Service::dailyVespers;
  std::string title;
  for (const TitleRow& row : rows) {
    bool applies = false;
    if (row.anchor == "date") {
      applies = row.first <= monthDay && monthDay <= row.last;
    } else if (row.anchor == "pascha") {
      applies = row.first <= fromPascha && fromPascha <= row.last;
    } else if (row.anchor == "meetingLeavetaking") {
      applies = day == meetingLeavetaking(year);
    }
    if (row.onlyIf == "D before meetingLeavetaking")
      applies = applies && day < meetingLeavetaking(year);
    if (row.onlyIf == "presanctified") applies = applies && presanctified;
    if (row.onlyIf == "not presanctified") applies = applies && !presanctified;
    if (row.onlyIf == "greatVespers or dailyVespers") applies = applies && vespers;
    if (applies) title = row.title;
  }
  return title;
}

TEST(Texts, EveryDaysNameOverWholeYears) {
  const std::vector<TitleRow> rows = titleRows();
  // Pascha on 8 April (2029), 5 April (2037), 20 April (2025), 12 April (2026),
  // 5 May (2024), 25 April (2038).
  for (int year : {2024, 2025, 2026, 2029, 2037, 2038}) {
    for (Service service : {Service::orthros, Service::presanctified, Service::greatVespers}) {
      const bool evening = service != Service::orthros;
      for (Date picked = civilDay(year, 1, 1); picked <= civilDay(year, 12, 31);
           picked += days{1}) {
        const Date day = picked + days{evening ? 1 : 0};
        const auto composed = compose(service, picked);
        ASSERT_EQ(composed.dismissal.dayTitle, expectedTitle(rows, day, service))
            << serviceName(service) << " picked " << isoDate(picked);
      }
    }
  }
}

// The clauses of the Theotokos, the Cross and the Forerunner at both edges of
// each span: the day before, the first, the last, the day after.
TEST(Texts, CommemorationsAtBothEdgesOfTheirSpans) {
  const std::map<std::string, Slot> slots = {{"theotokosClause", Slot::theotokosClause},
                                             {"crossClause", Slot::crossClause},
                                             {"forerunnerClause", Slot::forerunnerClause}};
  for (const TsvRow& row : readTsv("commemorations.tsv")) {
    if (!slots.contains(row[0]) || row[2].empty()) continue;
    const Slot slot = slots.at(row[0]);
    const int month = std::stoi(row[2]), first = std::stoi(row[3]), last = std::stoi(row[5]);
    const int year = quietYear({{month, first}, {month, last}});
    SCOPED_TRACE(row[0] + " " + row[2] + "/" + row[3] + " in " + std::to_string(year));
    const Date firstDay = civilDay(year, month, first), lastDay = civilDay(year, month, last);
    for (Date day = firstDay - days{1}; day <= lastDay + days{1}; day += days{1}) {
      const auto composed = compose(Service::orthros, day);
      const std::string& text = composed.dismissal.slot(slot).text;
      if (day < firstDay || day > lastDay) {
        EXPECT_NE(text, row[7]) << isoDate(day);
      } else {
        EXPECT_EQ(text, row[7]) << isoDate(day);
      }
    }
  }
}

TEST(Texts, TheAuthorOfTheLiturgyAndTheSundayOfTheCross) {
  const auto texts = testing::rowsWith(readTsv("commemorations.tsv"), "liturgyAuthorClause");
  ASSERT_EQ(texts.size(), 3u);
  const Date tuesday = 2026y / October / 6;
  EXPECT_EQ(compose(Service::chrysostom, tuesday).text(Slot::liturgyAuthorClause), texts[0][7]);
  EXPECT_EQ(compose(Service::basil, tuesday).text(Slot::liturgyAuthorClause), texts[1][7]);
  EXPECT_EQ(compose(Service::presanctified, tuesday).text(Slot::liturgyAuthorClause), texts[2][7]);
  EXPECT_EQ(compose(Service::orthros, tuesday).text(Slot::liturgyAuthorClause), "");

  const auto cross = testing::rowsWith(readTsv("commemorations.tsv"), "crossClause");
  const Date sundayOfTheCross = julianEasterAsCivil(2026) - days{28};
  EXPECT_EQ(compose(Service::orthros, sundayOfTheCross).text(Slot::crossClause), cross[1][7]);
  EXPECT_EQ(compose(Service::orthros, sundayOfTheCross - days{7}).text(Slot::crossClause), "");
}

// The saints of a day with their own memory phrase cut off: what precedes
// the Fathers on their Sunday.
std::string saintsBeforeTheFathers(const std::string& saints) {
  const std::size_t cut = saints.find(", whose");
  return cut == std::string::npos ? saints : saints.substr(0, cut + 2);
}

// Each Sunday of the Fathers and of the Nativity season at both edges of its
// window: the Sundays on the day before, the first, the last and the day after.
TEST(Texts, SundaysOfTheFathersAtBothEdgesOfTheirWindows) {
  std::map<std::pair<int, int>, std::string> saintsOf;
  for (const TsvRow& row : readTsv("saints.tsv")) {
    if (row[2] == "always") saintsOf[{std::stoi(row[0]), std::stoi(row[1])}] = row[3];
  }
  const std::string memoryPlural = "whose memories we celebrate this day, ";
  for (const TsvRow& row : testing::rowsWith(readTsv("triodion_and_fathers.tsv"), "fathers")) {
    if (row[1] != "date") continue;
    const auto [month, first] = monthDay(row[2]);
    const int last = monthDay(row[3]).second;
    SCOPED_TRACE(row[2] + " to " + row[3]);
    for (int date = first - 1; date <= last + 1; ++date) {
      // A year where this date is a Sunday outside the paschal season.
      int year = 2020;
      const auto inPaschalSeason = [&](int candidate) {
        const auto fromPascha = civilDay(candidate, month, date) - julianEasterAsCivil(candidate);
        return fromPascha > days{-70} && fromPascha < days{57};
      };
      while (!isSunday(civilDay(year, month, date)) || inPaschalSeason(year)) {
        ++year;
      }
      const Date sunday = civilDay(year, month, date);
      const auto composed = compose(Service::orthros, sunday);
      const std::string saints = saintsOf.contains({month, date}) ? saintsOf[{month, date}] : "";
      const bool inside = first <= date && date <= last;
      std::string expected = saints;
      if (inside && row[6] == "fathers") {
        expected = saints.empty() ? row[7] + memoryPlural
                                  : saintsBeforeTheFathers(saints) + row[8] + memoryPlural;
      } else if (inside && row[6] == "replace") {
        expected = row[7];
      } else if (inside && row[5] == "yes") {
        expected = "";
      }
      // Outside the window another rule may speak; only inside is the row's text required.
      if (inside) {
        EXPECT_EQ(composed.text(Slot::saintsClause), expected) << isoDate(sunday);
        EXPECT_EQ(composed.dismissal.saintsDisplaced, row[5] == "yes") << isoDate(sunday);
      } else if (row[6] != "none") {
        EXPECT_EQ(composed.text(Slot::saintsClause).find(row[6] == "fathers" ? row[8] : row[7]),
                  std::string::npos)
            << isoDate(sunday);
      }
    }
  }
}

// The days of the Triodion counted from Clean Monday, in two years.
TEST(Texts, DaysOfTheTriodion) {
  for (int year : {2025, 2026}) {
    const Date cleanMonday = julianEasterAsCivil(year) - days{48};
    for (const TsvRow& row : testing::rowsWith(readTsv("triodion_and_fathers.tsv"), "triodion")) {
      const Date day = cleanMonday + days{std::stoi(row[2])};
      SCOPED_TRACE(isoDate(day));
      const auto composed = compose(Service::orthros, day);
      EXPECT_EQ(composed.dismissal.saintsDisplaced, row[5] == "yes");
      if (row[6] == "replace") {
        EXPECT_EQ(composed.text(Slot::saintsClause), row[7]);
      }
      if (row[5] == "yes") {
        EXPECT_EQ(composed.text(Slot::saintsClause), "");
      }
      if (!row[9].empty()) {
        EXPECT_EQ(composed.dismissal.dayTitle, row[9]);
      }
    }
  }
}

// Each patron's clause as the temple hears it, on a day that adds it.
TEST(Texts, EveryPatronsClause) {
  struct Row {
    Patron patron;
    Service service;
    Date picked;
  };
  // 2026-10-05 is a Monday, without a feast of the Cross or of the Forerunner.
  const Date monday = 2026y / October / 5;
  const std::map<std::string, Row> patronDays = {
      {"typed", {Patron::typed, Service::dailyOrthros, monday}},
      {"nicholas", {Patron::nicholas, Service::orthros, monday}},
      {"cross", {Patron::cross, Service::dailyOrthros, monday}},
      {"archangels", {Patron::archangels, Service::dailyOrthros, monday + days{1}}},
      {"forerunner", {Patron::forerunner, Service::dailyOrthros, monday}},
      {"apostles", {Patron::apostles, Service::dailyOrthros, monday}},
      {"chrysostom", {Patron::chrysostom, Service::orthros, monday}},
      {"basil", {Patron::basil, Service::orthros, monday}},
      {"gregory", {Patron::gregory, Service::orthros, monday}},
  };
  const std::string typed = "of the holy new martyrs";
  for (const TsvRow& row : readTsv("patron_clauses.tsv")) {
    SCOPED_TRACE(row[1]);
    const Row& day = patronDays.at(row[1]);
    TempleSettings temple;
    choosePatron(temple, day.patron, typed);
    // The clause is the text, the slot it names (empty on these days), and the closing.
    const std::string expected = (row[5] == "patronText" ? typed : row[4]) + row[6];
    EXPECT_EQ(compose(day.service, day.picked, false, temple).text(Slot::patronClause), expected);
  }
}

// The fixed words of the sentence, filled with the composition's own slots.
std::string filledForm(std::string form, const Dismissal& dismissal) {
  for (std::size_t i = 0; i < kSlotCount; ++i) {
    const std::string name = std::string{"{"}.append(kSlotNames[i]).append("}");
    for (std::size_t at = form.find(name); at != std::string::npos; at = form.find(name)) {
      form.replace(at, name.size(), dismissal.slotRecords[i].text);
    }
  }
  return form;
}

TEST(Texts, TheSentenceIsTheFormFilledWithTheSlots) {
  const auto forms = testing::rowsWith(readTsv("sentence.tsv"), "form");
  std::map<std::string, std::string> form;
  for (const TsvRow& row : forms) form[row[1]] = row[3];
  struct Row {
    Service service;
    Date picked;
    const char* form;
  };
  const Row rows[] = {
      {Service::orthros, 2026y / October / 26, "ordinary"},
      {Service::chrysostom, 2025y / June / 1, "ordinary"},
      {Service::greatVespers, 2025y / April / 18, "ordinary"},
      {Service::dailyOrthros, 2026y / October / 6, "daily"},
      {Service::dailyVespers, 2025y / September / 16, "daily"},
      {Service::greatVespers, 2024y / June / 23, "wholeText"},
  };
  for (const Row& row : rows) {
    TempleSettings temple;
    choosePatron(temple, Patron::typed, "of the holy new martyrs");
    const auto composed = compose(row.service, row.picked, false, temple);
    EXPECT_EQ(composed.sentence(), filledForm(form.at(row.form), composed.dismissal))
        << isoDate(row.picked);
  }
}

// The weekday's intercession of the daily services, over a week and on the
// special days, filled with the composition's own clauses of the Cross and
// of the Forerunner.
TEST(Texts, WeekdayIntercessions) {
  std::map<std::string, std::string> phrase;
  for (const TsvRow& row : readTsv("title_phrases.tsv")) phrase["{" + row[0] + "}"] = row[1];
  std::map<std::string, std::string> weekdays, cases;
  for (const TsvRow& row : readTsv("sentence.tsv")) {
    if (row[0] == "weekday") weekdays[row[1]] = row[3];
    if (row[0] == "weekdayCase") cases[row[1]] = row[3];
  }
  const auto filled = [&](std::string text, const Dismissal& state,
                          const std::string& scratch = "") {
    phrase["{weekdayScratch}"] = scratch;
    for (const auto& [name, value] : phrase) {
      for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name)) {
        text.replace(at, name.size(), value);
      }
    }
    return filledForm(text, state);
  };
  // 4 to 10 October 2026: Sunday to Saturday (weekday numbers 1 to 7).
  for (int number = 1; number <= 7; ++number) {
    const auto composed = compose(Service::dailyOrthros, 2026y / October / (3 + number));
    EXPECT_EQ(composed.text(Slot::weekdayClause),
              filled(weekdays.at(std::to_string(number)), composed.dismissal))
        << number;
  }
  // St. Nicholas on a Thursday (2029); the week of the Elevation on a Wednesday (2025).
  const auto nicholas = compose(Service::dailyOrthros, 2029y / December / 6);
  EXPECT_EQ(nicholas.text(Slot::weekdayClause), filled(cases.at("dec6"), nicholas.dismissal));
  EXPECT_EQ(nicholas.text(Slot::saintsClause), "");
  const auto elevation = compose(Service::dailyOrthros, 2025y / September / 17);
  EXPECT_EQ(elevation.text(Slot::weekdayClause),
            filled(cases.at("sep15to21"), elevation.dismissal,
                   filled(weekdays.at("4"), elevation.dismissal)));
  // The Elevation itself on a Wednesday in the daily services: no saints of the day.
  EXPECT_EQ(compose(Service::dailyOrthros, 2027y / September / 14).text(Slot::saintsClause), "");
}

// The closing lines and the service headings, each from the copy.
TEST(Texts, EndingsAndHeadings) {
  std::map<std::string, std::string> endings, headings;
  std::string paschal;
  for (const TsvRow& row : readTsv("sentence.tsv")) {
    if (row[0] == "ending") endings[row[1]] = row[3];
    if (row[0] == "heading") headings[row[1]] = row[3];
    if (row[0] == "paschal") paschal += (row[1] == "1" ? "" : "\r\n") + row[3];
  }
  TempleSettings bishop;
  bishop.bishopPresent = true;
  const Date ordinary = 2026y / October / 6, paschalDay = 2026y / April / 13;
  EXPECT_EQ(compose(Service::orthros, ordinary).dismissal.endingText, endings.at("ordinary"));
  EXPECT_EQ(compose(Service::orthros, ordinary, false, bishop).dismissal.endingText,
            endings.at("hierarchical"));
  EXPECT_EQ(compose(Service::orthros, paschalDay, false, bishop).dismissal.endingText, paschal);

  struct Row {
    Service service;
    bool evening;
    Date picked;
    const char* heading;  // its number in the table
  };
  // Pascha 2025 is 20 April: the vesperal Liturgy of St. Basil on the 17th
  // and the 19th, not on the 18th; the paramons are tested on the date as picked.
  const Row rows[] = {
      {Service::greatVespers, false, ordinary, "1"},
      {Service::dailyVespers, false, ordinary, "2"},
      {Service::orthros, false, ordinary, "3"},
      {Service::dailyOrthros, false, ordinary, "4"},
      {Service::chrysostom, true, ordinary, "5"},
      {Service::chrysostom, false, ordinary, "6"},
      {Service::basil, true, ordinary, "7"},
      {Service::basil, true, 2025y / April / 17, "7"},
      {Service::basil, false, 2022y / December / 24, "8"},
      {Service::basil, false, 2023y / January / 5, "8"},
      {Service::basil, false, 2025y / April / 17, "8"},
      {Service::basil, false, 2025y / April / 18, "9"},
      {Service::basil, false, 2023y / January / 6, "9"},
      {Service::basil, false, ordinary, "9"},
      {Service::presanctified, false, ordinary, "10"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(compose(row.service, row.picked, row.evening).dismissal.serviceHeading,
              headings.at(row.heading))
        << isoDate(row.picked) << " " << row.heading;
  }
}

}  // namespace
}  // namespace corvane
