#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "composer/dismissal.h"

namespace corvane {

// The renderers of a dismissal's explanation; each reads what the composition
// worked out, none works anything out again. The dismissal must have been
// composed with its explanation.

// "6 December 2026 (Julian calendar)", "6 December 2026 (new calendar)".
std::string churchDateText(const Explanation& explanation);

// The parish's own commemorations of the day that gave way to a great day,
// a line each: "Gave way to Palm Sunday: local commemoration
// (commemorations.txt:2)". Those that are named stand in the rule of the
// saints of the day.
std::vector<std::string> gaveWayLines(const Explanation& explanation);

// Why the dismissal reads as it does, in lines: the liturgical day, the
// church date, Pascha with its movable dates, the Eucharist of the day and
// the rule behind each clause that stands, and the parish's own
// commemorations that gave way. `corvane-cli --explain` prints
// it; the page's "Why?" shows it.
std::string explanationText(const Dismissal& dismissal);

// The same as the fields of the JSON object of `corvane-cli --explain
// --json`, without the braces: "liturgicalDay":…,"calendar":…,"churchDate":…,
// "pascha":…,"derived":{…},"slots":{…},"appointedEucharist":{…}, and on a
// day of the parish's own commemorations "localCommemorations":[{"rule":…,
// "gaveWayTo":… or null}]. Every slot is listed, with its text and its rule
// (null where none wrote it).
void appendExplanationFields(std::string& out, const Dismissal& dismissal);

}  // namespace corvane
