#pragma once

#include <string_view>

namespace corvane {

// The page of a dismissal, as the document sets it and the printed pages draw
// it: landscape (output/paper.h), a margin of 0.75 inch on every side, two
// columns half an inch apart, the text in Book Antiqua at 12 pt. The headings
// and the sentence set their own font and size (documentParagraphs).
inline constexpr int kTwipsPerInch = 1440;     // twentieths of a point
inline constexpr int kPageMarginTwips = 1080;  // 0.75 inch
inline constexpr int kColumnCount = 2;
inline constexpr int kColumnGapTwips = 720;  // 0.5 inch
inline constexpr std::string_view kDocumentFont = "Book Antiqua";
inline constexpr int kDocumentHalfPoints = 24;  // 12 pt

}  // namespace corvane
