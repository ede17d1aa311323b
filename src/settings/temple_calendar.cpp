#include "settings/temple_calendar.h"

#include <array>
#include <utility>

#include "base/name_table.h"

namespace corvane {

namespace {

constexpr std::array<std::pair<TempleCalendar, std::string_view>, 2> kCalendarNames = {{
    {TempleCalendar::newCalendar, "new"},
    {TempleCalendar::oldCalendar, "old"},
}};

}  // namespace

std::string_view calendarName(TempleCalendar calendar) {
  return nameIn(kCalendarNames, calendar);
}

std::optional<TempleCalendar> calendarFromName(std::string_view name) {
  return valueIn<TempleCalendar>(kCalendarNames, name);
}

}  // namespace corvane
