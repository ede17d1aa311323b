#pragma once

#include <string>

#include "composer/dismissal.h"

namespace corvane {

// Why the dismissal reads as it does, in lines: the liturgical day, the
// church date, Pascha with its movable dates, and the rule behind each
// clause that stands. `corvane-cli --explain` prints it; the page's "Why?" shows it.
std::string explanationText(const Dismissal& dismissal);

}  // namespace corvane
