#pragma once

#include <emscripten/val.h>

#include "composer/booklet.h"
#include "interchange/named_request.h"
#include "settings/temple_settings.h"

namespace corvane {

// The page's request object, {service, date, evening, calendar, patron,
// patronText, bishop}, read as corvane-cli reads its options: a field that
// is undefined or null is an option left out, and bad input gives the
// command line's message.
[[nodiscard]] Result<BookletEntry> pageService(const emscripten::val& request);
[[nodiscard]] Result<TempleSettings> pageTemple(const emscripten::val& request);

}  // namespace corvane
