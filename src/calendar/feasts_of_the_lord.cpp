#include "calendar/calendar_phases.h"

namespace corvane {

void applyFeastsOfTheLord(DismissalState&) {}

}  // namespace corvane
