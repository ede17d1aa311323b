#pragma once

#include <string>
#include <string_view>

#include "composer/dismissal.h"

namespace corvane {

// The renderers of a dismissal's explanation; each reads what the composition
// worked out, none works anything out again. The dismissal must have been
// composed with its explanation.

// "6 December 2026 (Julian calendar)", "6 December 2026 (new calendar)".
std::string churchDateText(const Explanation& explanation);

// Why the dismissal reads as it does, in lines: the liturgical day, the
// church date, Pascha with its movable dates, the Eucharist of the day and
// the rule behind each clause that stands. `corvane-cli --explain` prints
// it; the page's "Why?" shows it.
std::string explanationText(const Dismissal& dismissal);

// The same as the fields of the JSON object of `corvane-cli --explain
// --json`, without the braces: "liturgicalDay":…,"calendar":…,"churchDate":…,
// "pascha":…,"derived":{…},"slots":{…},"appointedEucharist":{…}. Every slot is
// listed, with its text and its rule (null where none wrote it).
void appendExplanationFields(std::string& out, const Dismissal& dismissal);

}  // namespace corvane
