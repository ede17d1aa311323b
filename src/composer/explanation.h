#pragma once

#include <array>
#include <string>
#include <vector>

#include "calendar/appointed_eucharist.h"
#include "settings/temple_calendar.h"
#include "state/church_date.h"
#include "state/date.h"
#include "state/dismissal_state.h"
#include "state/movable_dates.h"

namespace corvane {

// One of the parish's own commemorations that fell on the liturgical day.
struct LocalCommemorationOfTheDay {
  std::string rule;    // "local commemoration (commemorations.txt:2)"
  RuleName gaveWayTo;  // the great day it gave way to, by its rule's name; empty when it is named
};

// Why a dismissal reads as it does: what its composition worked out on the
// way, kept when it is asked for. The command line's --explain, the window's
// "Why?" and the page's "Why?" only word it.
struct Explanation {
  // The picked date, or the next day for an evening service, and that day in
  // the temple's calendar, which the rules read.
  Date liturgicalDay{};
  TempleCalendar calendar = TempleCalendar::newCalendar;
  ChurchDate churchDate{};
  MovableDates movableDates{};  // of the church year
  // The Eucharist appointed on the day served, and the rule that appoints it.
  AppointedEucharist appointedEucharist;
  bool saintsDisplaced = false;  // a great day displaced the saints and the Forerunner's clause
  // The rule behind each slot's text (none where no rule wrote it), and
  // whether the slot stands in the dismissal: not empty, the weekday's
  // intercession only in the daily services, the whole dismissal only when it
  // is one.
  std::array<RuleName, kSlotCount> rules{};
  std::array<bool, kSlotCount> stands{};

  // The parish's own commemorations of the day, in the order of their file.
  // Their names are made at run time from the temple's list, so the
  // explanation holds them itself: a dismissal that outlives the temple it was
  // composed for still names them. The rules above are static texts.
  std::vector<LocalCommemorationOfTheDay> localCommemorations;
  // The rule of the saints of the day when the commemorations joined them
  // ("saints of 13 December and local commemoration (commemorations.txt:2)").
  std::string localSaintsRule;

  RuleName rule(Slot slot) const {
    if (slot == Slot::saintsClause && !localSaintsRule.empty()) return localSaintsRule;
    return rules[static_cast<std::size_t>(slot)];
  }
  bool standsInTheDismissal(Slot slot) const { return stands[static_cast<std::size_t>(slot)]; }
};

}  // namespace corvane
