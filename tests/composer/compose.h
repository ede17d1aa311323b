#pragma once

// Composes one request the way the windows do, for the tests.

#include <string>

#include "composer/create_dismissal.h"
#include "settings/patron.h"
#include "state/service.h"

namespace corvane::testing {

struct Composed {
  DismissalState state;  // as the composition left it: the slots and the liturgical day
  Dismissal dismissal;
  const std::string& sentence() const { return dismissal.dismissalText; }
};

inline Composed compose(Service service, Date picked, bool evening = false,
                        const TempleSettings& settings = {}) {
  Composed composed;
  selectService(composed.state, service, evening);
  composed.state.serviceDate = picked;
  CreateDismissal(composed.state, settings, composed.dismissal);
  return composed;
}

inline constexpr const char* kOrdinaryEnding =
    "Through the prayers of our holy fathers, Lord Jesus Christ our God, have mercy on us, and "
    "save us.";

}  // namespace corvane::testing
