#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "composer/dismissal_state.h"
#include "settings/temple_settings.h"

namespace corvane {

// What a composition hands to the outputs.
struct ComposedDismissal {
  std::string longDate = {};        // the date as picked, in a long form
  std::string dayTitle = {};        // the day's name, or empty
  std::string serviceHeading = {};  // "-- Great Vespers --"
  std::string dismissalText = {};   // the sentence; a typed line break held as LF
  std::string endingText = {};      // one line, or the Paschal block joined by CR LF
  bool paschalEnding = false;       // the ending is the Paschal block
  // The day's proper clauses, in the order in which the document makes them
  // bold; empty slots are left out.
  std::vector<std::string> boldClauses = {};
};

// Turns a date into its long text ("Saturday, October 8, 2022").
using LongDateFormat = std::function<std::string(Date)>;

// The texts of the last composition, with the date as picked (restored at the
// end of the composition) in the given long form.
ComposedDismissal composedFrom(const DismissalState& state, const TempleSettings& settings,
                               const LongDateFormat& longDate);

// The text with each line break (LF or CR LF) written as `lineBreak`.
std::string withLineBreaks(std::string_view text, std::string_view lineBreak);

// The layout of the text file: the long date (" - " and the day's name when it
// has one), the heading, an empty line, the sentence, an empty line, the
// ending; lines joined by `lineBreak`, none after the last. A line break
// inside the sentence or the ending becomes `lineBreak` too.
std::string textLayout(const ComposedDismissal& dismissal, std::string_view lineBreak);

}  // namespace corvane
