#pragma once

#include <optional>
#include <string>

namespace corvane {

// The system's default paper, as a word processor would start a new document
// on it: on Debian the one libpaper reports from $PAPERSIZE or /etc/papersize
// ("a4", "letter"), on Windows the user's locale's. Nothing when nothing says.
std::optional<std::string> systemPaperName();

}  // namespace corvane
