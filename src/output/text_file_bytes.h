#pragma once

#include <span>
#include <string>

#include "output/text_layout.h"

namespace corvane {

inline constexpr const char* kTextFileName = "dismissal.txt";

// The bytes of the text file: its layout with CR LF between lines and none
// after the last, in Windows-1252, or in UTF-8 behind a byte-order mark when a
// typed phrase holds a character the code page lacks.
std::string textFileBytes(const Dismissal& dismissal, const LongDateFormat& longDate);

// A booklet's text file: each dismissal's text, separated by one empty line,
// no line break after the last, in one encoding for the whole file.
std::string textFileBytes(std::span<const Dismissal> dismissals, const LongDateFormat& longDate);

}  // namespace corvane
