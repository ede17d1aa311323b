#pragma once

#include "composer/dismissal.h"
#include "settings/temple_settings.h"
#include "state/service.h"

namespace corvane {

// What a composition works out besides the texts.
struct ComposeWith {
  bool warning = true;       // the service-day warning
  bool explanation = false;  // why the dismissal reads as it does
};

// The one way to compose: a request and the temple in, the dismissal out.
// Every caller (the command line, the booklet, the preview, the outputs, the
// page) composes through it.
[[nodiscard]] Dismissal compose(const ServiceRequest& request, const TempleSettings& temple,
                                ComposeWith with = {});

// The same, reusing the storage of an earlier result: for long runs of dates.
void compose(const ServiceRequest& request, const TempleSettings& temple, Dismissal& into,
             ComposeWith with = {});

}  // namespace corvane
