#pragma once

#include "composer/dismissal.h"
#include "settings/temple_settings.h"
#include "state/dismissal_state.h"

namespace corvane {

// Runs the calendar's phases in order on the working record of one
// composition, made from its request, and writes the dismissal into `result`,
// reusing its storage, and what the rules decided into `explanation` when one
// is given. Callers compose through compose() (composer/compose.h).
void CreateDismissal(DismissalState& state, const TempleSettings& settings, Dismissal& result,
                     Explanation* explanation);

}  // namespace corvane
