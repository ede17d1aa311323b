#pragma once

#include <string>

#include "composer/dismissal.h"

namespace corvane {

// The fields of a dismissal's JSON object, as `corvane-cli --json` and the
// page give them, without the braces, so that a caller may add its own:
// "date":…,"dayTitle":…,"serviceHeading":…,"dismissalText":…,"endingText":…
void appendDismissalFields(std::string& out, const Dismissal& dismissal);

// The last field of the object: ,"warning":null or ,"warning":"…", the
// sentence that says when the day appoints another service.
void appendWarningField(std::string& out, const Dismissal& dismissal);

}  // namespace corvane
