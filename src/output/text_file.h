#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "output/text_layout.h"

namespace corvane {

inline constexpr const char* kTextFileName = "dismissal.txt";

// The bytes of the text file: its layout with CR LF between lines and none
// after the last, in Windows-1252, or in UTF-8 behind a byte-order mark when a
// typed phrase holds a character the code page lacks.
std::string textFileBytes(const Dismissal& dismissal, const LongDateFormat& longDate);

// Replaces the file whole; a message naming the error and the path on failure.
std::optional<std::string> writeTextFile(const std::filesystem::path& path,
                                         const Dismissal& dismissal,
                                         const LongDateFormat& longDate);

}  // namespace corvane
