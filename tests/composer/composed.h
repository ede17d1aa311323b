#pragma once

// Composes one request through the one entry point, for the tests.

#include <string>

#include "composer/compose.h"
#include "settings/patron.h"
#include "state/service.h"

namespace corvane::testing {

struct Composed {
  Dismissal dismissal;
  const std::string& sentence() const { return dismissal.dismissalText; }
  // A slot's text and its rule, as the composition left them.
  const std::string& text(Slot slot) const { return dismissal.slotText(slot); }
  RuleName rule(Slot slot) const { return dismissal.explanation->rule(slot); }
  bool saintsDisplaced() const { return dismissal.explanation->saintsDisplaced; }
};

inline Composed compose(Service service, Date picked, bool evening = false,
                        const TempleSettings& settings = {}) {
  return {corvane::compose({picked, service, evening}, settings, {.explanation = true})};
}

inline constexpr const char* kOrdinaryEnding =
    "Through the prayers of our holy fathers, Lord Jesus Christ our God, have mercy on us, and "
    "save us.";

}  // namespace corvane::testing
