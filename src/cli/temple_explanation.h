#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "cli/saved_temple_choice.h"
#include "settings/temple_settings.h"

namespace corvane {

// The temple of a run and where it came from, as --explain says it:
// "Temple: St. Nicholas, old calendar (saved by the window)\n", each part's
// source on its own when they differ; "Temple: no patron, new calendar (the
// defaults)\n" when neither the command line nor a saved temple gave one;
// and when the parish's own commemorations were read, "Commemorations:
// /home/u/.local/share/corvane/commemorations.txt (saved by the window)\n".
std::string templeExplanationLine(const TempleSettings& temple, const TempleOrigin& origin);

// The same as the "temple" object of --explain --json:
// {"calendar":"old","patron":"nicholas","bishop":false,"source":"window"},
// "patronText" in place of "patron" for a typed patron; the source "window",
// "command line" or "defaults", or two of them joined by " and " ("window and
// command line") when the parts differ; and
// "commemorations":{"file":…,"source":"window" or "command line"} when they
// were read.
nlohmann::ordered_json templeJson(const TempleSettings& temple, const TempleOrigin& origin);

}  // namespace corvane
