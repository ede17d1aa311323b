#include "calendar/calendar_phases.h"

namespace corvane {

void applyTheotokosCrossAndForerunner(DismissalState&) {}

}  // namespace corvane
