#include "composer/composer_phases.h"

namespace corvane {

void applyTemplePatron(DismissalState& state, const TempleSettings&) {
  state.clear(Slot::patronClause);
}

}  // namespace corvane
