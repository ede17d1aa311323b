#pragma once

// Composes one request the way the windows do, for the tests.

#include <string>

#include "composer/create_dismissal.h"
#include "composer/service.h"
#include "settings/patron.h"

namespace corvane::testing {

struct Composed {
  DismissalState state;
  TempleSettings settings;
  const std::string& sentence() const { return settings.dismissalText; }
};

inline Composed compose(Service service, Date picked, bool evening = false,
                        TempleSettings settings = {}) {
  Composed composed;
  composed.settings = std::move(settings);
  selectService(composed.state, service, evening);
  composed.state.serviceDate = picked;
  CreateDismissal(composed.state, composed.settings);
  return composed;
}

inline constexpr const char* kOrdinaryEnding =
    "Through the prayers of our holy fathers, Lord Jesus Christ our God, have mercy on us, and "
    "save us.";

}  // namespace corvane::testing
