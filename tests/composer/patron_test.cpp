#include <gtest/gtest.h>

#include "composer/composed.h"

namespace corvane {
namespace {

using namespace std::chrono;
using testing::compose;

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
  EXPECT_EQ(composed.rule(Slot::patronClause), row.rule)
      << static_cast<int>(row.service) << " " << (row.picked - Date{}).count() << ": "
      << composed.text(Slot::patronClause);
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
      // The Three Hierarchs, a Tuesday: the saints name St. Basil, not the powers.
      {Patron::archangels, Service::dailyOrthros, 2024y / January / 30,
       "temple patron: the Holy Archangels"},
  };
  for (const PatronCase& row : rows) expectPatron(row);

  // The day's clause of the feast follows the invocation.
  const TempleSettings cross = templeOf(Patron::cross);
  EXPECT_EQ(
      compose(Service::dailyOrthros, 2025y / September / 14, false, cross).text(Slot::patronClause),
      "by the might of the precious and life-giving cross, the elevation of which we "
      "commemorate this day; ");
  const TempleSettings forerunner = templeOf(Patron::forerunner);
  EXPECT_EQ(
      compose(Service::dailyOrthros, 2025y / August / 29, false, forerunner)
          .text(Slot::patronClause),
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
    EXPECT_EQ(compose(service, picked).text(Slot::liturgyAuthorClause), "");
  }
}

}  // namespace
}  // namespace corvane
