#pragma once

#include <array>
#include <optional>
#include <string>

#include "calendar/service_warning.h"
#include "composer/explanation.h"
#include "state/dismissal_state.h"
#include "state/service.h"

namespace corvane {

// What a composition hands to the outputs and the windows: the request it
// answers, the four texts and every slot's text. The outputs read this, never
// the working record of the composition.
struct Dismissal {
  ServiceRequest request;  // `evening` holds only for the two Divine Liturgies

  std::string dayTitle;        // the day's name, or empty
  std::string serviceHeading;  // "-- Great Vespers --"
  std::string dismissalText;   // the sentence
  std::string endingText;      // one line, or the Paschal block joined by CR LF
  bool paschalEnding = false;  // endingText is the Paschal block
  bool dailyService = false;   // the weekday's intercession stands in the sentence

  // Each slot's text as the composition left it.
  std::array<std::string, kSlotCount> slotTexts{};
  const std::string& slotText(Slot slot) const { return slotTexts[static_cast<std::size_t>(slot)]; }

  // Said to the person preparing the text when the day appoints another
  // service; never part of the outputs.
  std::optional<ServiceWarning> warning;

  // Why it reads as it does; only when the composition was asked for it.
  std::optional<Explanation> explanation;
};

}  // namespace corvane
