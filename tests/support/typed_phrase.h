#pragma once

// A patron phrase typed with every character that would break or reverse a
// line of the dismissal, and the one line it is kept as: each line break and
// tab one blank, the bidirectional controls gone, the ends trimmed.

#include <string_view>

namespace corvane::testing {

inline constexpr std::string_view kTypedAcrossLines =
    "\r\n of St.\u202E Herman\r\nof\rAlaska\n\tthe\u0085Wonderworker\u2028of\u2029all"
    "\u061C\u200E\u200F\u202A\u202B\u202C\u202D\u2066\u2067\u2068\u2069 America \t";
inline constexpr std::string_view kTypedOnOneLine =
    "of St. Herman of Alaska  the Wonderworker of all America";

}  // namespace corvane::testing
