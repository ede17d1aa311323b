#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "composer/dismissal.h"

namespace corvane {

// Turns a date into its long text ("Saturday, October 8, 2022").
using LongDateFormat = std::function<std::string(Date)>;

// The first line of both outputs: the date as picked in its long form, then
// " - " and the day's name when it has one.
std::string dateLine(const Dismissal& dismissal, const LongDateFormat& longDate);

// The day's proper clauses, in the order in which the document makes them
// bold; empty ones are left out, and the weekday's intercession counts only
// in the daily services, where it stands in the sentence.
std::vector<std::string_view> boldClauses(const Dismissal& dismissal);

// The layout of the text file: the date line, the heading, an empty line, the
// sentence, an empty line, the ending; lines joined by `lineBreak`, none after
// the last. A line break inside the sentence or the ending becomes `lineBreak` too.
std::string textLayout(const Dismissal& dismissal, const LongDateFormat& longDate,
                       std::string_view lineBreak);
// The same, appended to `out`, for writing many dismissals into one buffer.
void appendTextLayout(std::string& out, const Dismissal& dismissal, const LongDateFormat& longDate,
                      std::string_view lineBreak);
// The same again, the long date appended in place by `appendLongDate`
// (state/english_date.h's appendEnglishLongDate): for long runs of dates.
using AppendLongDate = void (*)(std::string& out, Date date);
void appendTextLayout(std::string& out, const Dismissal& dismissal, AppendLongDate appendLongDate,
                      std::string_view lineBreak);

}  // namespace corvane
