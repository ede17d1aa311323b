#pragma once

#include "state/dismissal_state.h"

namespace corvane {

// The phases of the liturgical calendar, in the order in which a composition
// runs them. Each reads the liturgical day and the service flags and writes
// slots; a later phase, like a later rule, overwrites what an earlier one wrote.

// Sunday test, starting resurrection clause, the evening shift and the date parts.
void openLiturgicalDay(DismissalState& state);
// Pascha of the liturgical day's year and the dates derived from it.
void reckonMovableDates(DismissalState& state);
// The Nativity, Circumcision, Theophany, Meeting, Holy Week, Pascha, Ascension, Pentecost.
void applyFeastsOfTheLord(DismissalState& state);
// The Transfiguration, the Elevation, the author of the Liturgy, the Theotokos,
// the Cross and the Forerunner.
void applyTheotokosCrossAndForerunner(DismissalState& state);
// The fixed calendar of saints and the moves into Bright Week; records the
// hierarchs the day names, and leaves out the Liturgy's author when it is one.
void applySaintsOfTheDay(DismissalState& state);
// The Sundays of the Triodion and of the Fathers.
void applyTriodionAndFathers(DismissalState& state);

// Great Vespers, Daily Vespers, the Presanctified Liturgy and an Evening Divine
// Liturgy belong to the liturgical day that follows the evening they are served on.
bool isEveningService(const DismissalState& state);

}  // namespace corvane
