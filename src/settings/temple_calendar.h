#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace corvane {

// The calendar the temple keeps its fixed feasts by. The new (Revised Julian)
// calendar is reckoned as the civil one, with which it agrees until 2800; the
// old (Julian) calendar keeps them 13 days later from 1900 to 2099. Pascha is
// the same day in both.
enum class TempleCalendar : std::uint8_t { newCalendar, oldCalendar };

// "new", "old": the names of the command line and of the settings file.
std::string_view calendarName(TempleCalendar calendar);
std::optional<TempleCalendar> calendarFromName(std::string_view name);

}  // namespace corvane
