#pragma once

#include <array>
#include <optional>
#include <string>

#include "calendar/pascha.h"
#include "calendar/service_warning.h"
#include "state/dismissal_state.h"
#include "state/service.h"

namespace corvane {

// A slot's text as the composition left it, and the rule that wrote it (none
// when the slot ended empty).
struct SlotRecord {
  std::string text;
  RuleName rule;
};

// What a composition hands to the outputs and the windows: the request, the
// liturgical day it was composed for, the four texts and every slot with its
// rule. The outputs read this, never the state of the request.
struct Dismissal {
  // The request.
  Date pickedDate{};  // the date as picked
  Service service = Service::greatVespers;
  bool eveningLiturgy = false;

  // The liturgical day: the picked date after the evening shift, and its date
  // in the temple's calendar, which the rules read.
  Date liturgicalDay{};
  TempleCalendar calendar = TempleCalendar::newCalendar;
  ChurchDate churchDate{};
  MovableDates movableDates{};

  // The texts.
  std::string dayTitle;          // the day's name, or empty
  std::string serviceHeading;    // "-- Great Vespers --"
  std::string dismissalText;     // the sentence; a typed line break held as LF
  std::string endingText;        // one line, or the Paschal block joined by CR LF
  bool paschalEnding = false;    // endingText is the Paschal block
  bool dailyService = false;     // the weekday's intercession stands in the sentence
  bool wholeText = false;        // the sentence is a dismissal of its own, not assembled
  bool saintsDisplaced = false;  // a great day displaced the saints and the Forerunner's clause

  // Said to the person preparing the text when the day appoints another
  // service; never part of the outputs.
  std::optional<ServiceWarning> warning;

  std::array<SlotRecord, kSlotCount> slotRecords{};
  const SlotRecord& slot(Slot which) const { return slotRecords[static_cast<std::size_t>(which)]; }
};

}  // namespace corvane
