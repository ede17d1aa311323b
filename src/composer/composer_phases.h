#pragma once

#include "composer/explanation.h"
#include "settings/temple_settings.h"
#include "state/dismissal_state.h"

namespace corvane {

// The temple's patron, unless the day's sentence names that patron already.
void applyTemplePatron(DismissalState& state, const TempleSettings& settings);

// On the feast of the temple's patron hierarch, the saints of the day name him:
// the patron clause is left out.
void namePatronOnce(DismissalState& state, const TempleSettings& settings);

// The parish's own commemorations of the day join the saints of the day, as
// the Sundays of the Fathers do, unless the saints give way to a great day.
// What became of each is told to `explanation`, when one is given.
void applyLocalCommemorations(DismissalState& state, const TempleSettings& settings,
                              Explanation* explanation);

// The intercession of the weekday of the daily services, with the special
// cases of 6 December and of the Elevation's week.
void applyWeekdayIntercession(DismissalState& state);

}  // namespace corvane
