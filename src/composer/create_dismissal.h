#pragma once

#include "composer/dismissal_state.h"
#include "settings/temple_settings.h"

namespace corvane {

// Composes the dismissal for the service and the date held in the state: on
// return settings.dismissalText holds the sentence, and state.dayTitle,
// state.serviceHeading and state.endingText the day's name, the heading and
// the closing line; state.serviceDate holds the date as picked again.
void CreateDismissal(DismissalState& state, TempleSettings& settings);

// The liturgical day lies from Pascha to the Wednesday before the Ascension,
// both included: the days of the Paschal ending.
bool inPaschalSeason(const DismissalState& state);

}  // namespace corvane
