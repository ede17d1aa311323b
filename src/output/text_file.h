#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "base/result.h"
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

// Replaces the file whole; a message naming the error and the path on failure.
[[nodiscard]] Done writeTextFile(const std::filesystem::path& path,
                                 std::span<const Dismissal> dismissals,
                                 const LongDateFormat& longDate);
[[nodiscard]] inline Done writeTextFile(const std::filesystem::path& path,
                                        const Dismissal& dismissal,
                                        const LongDateFormat& longDate) {
  return writeTextFile(path, std::span{&dismissal, 1}, longDate);
}

}  // namespace corvane
