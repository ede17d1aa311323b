#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "state/dismissal_state.h"

namespace corvane {

// When a row of the fixed calendar applies, besides its month and day.
enum class SaintsCondition : std::uint8_t {
  always,
  saturday,                 // the liturgical day is a Saturday
  afterPascha,              // strictly after Pascha; before it, Bright Week keeps the saint
  firstSaturdayOfNovember,  // filed under each of 1 to 7 November, applies on the Saturday
};

// What a row does besides naming the saints of the day.
struct SaintsEffects {
  unsigned namedHierarchs = 0;       // hierarch:: bits
  std::string_view ancestorsClause;  // written when not empty
  std::string_view dayTitle;         // written when not empty
};

// A row of the fixed calendar with its text joined from the title phrases.
struct SaintsRow {
  int month = 0;
  int day = 0;
  SaintsCondition condition = SaintsCondition::always;
  std::string_view text;  // saintsClause; empty when the row leaves it as it stands
  SaintsEffects also;
  RuleName name;  // "saints of 26 October"
};

// The whole fixed calendar, in calendar order.
std::span<const SaintsRow> saintsCalendar();

// The rows to evaluate on a date, in calendar order: on 1 to 7 November the
// first Saturday of November comes before the date's own row.
std::span<const SaintsRow* const> saintsRowsOf(int month, int day);

}  // namespace corvane
