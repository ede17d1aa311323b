#pragma once

#include "composer/dismissal.h"
#include "settings/temple_settings.h"
#include "state/service.h"

namespace corvane {

// The one way to compose: a request and the temple in, the dismissal out.
// Every caller (the command line, the booklet, the preview, the outputs)
// composes through it.
[[nodiscard]] Dismissal compose(const ServiceRequest& request, const TempleSettings& temple);

// The same, reusing the storage of an earlier result: for long runs of dates.
void compose(const ServiceRequest& request, const TempleSettings& temple, Dismissal& into);

}  // namespace corvane
