#include "calendar/calendar_phases.h"

namespace corvane {

void applyTriodionAndFathers(DismissalState&) {}

}  // namespace corvane
