#pragma once

#include "composer/dismissal.h"
#include "settings/temple_settings.h"
#include "state/dismissal_state.h"

namespace corvane {

// Composes the dismissal for the service and the date held in the state and
// writes it into `result`, reusing its storage. On return state.serviceDate
// holds the date as picked again.
void CreateDismissal(DismissalState& state, const TempleSettings& settings, Dismissal& result);

// The same, into a new result.
Dismissal CreateDismissal(DismissalState& state, const TempleSettings& settings);

}  // namespace corvane
