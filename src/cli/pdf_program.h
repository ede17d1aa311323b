#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <vector>

namespace corvane {

// corvane-pdf draws the pages of --pdf with Qt Gui: a program of its own,
// which corvane-cli runs in its place for --pdf alone, so that every other
// call starts without loading Qt. It takes corvane-cli's arguments and does
// all that corvane-cli would.
inline constexpr const char* kPdfProgramName = "corvane-pdf";

// Where corvane-cli looks for it, in this order: beside itself (as built) and
// in the libexec folder of the installation it belongs to.
std::vector<std::filesystem::path> pdfProgramPlaces(const std::filesystem::path& programFolder);

// When the command line reads well and asks for --pdf, runs corvane-pdf in
// place of this process with the same arguments, and returns only when that
// fails: with status 1, said on `err`. Nothing for every other command line.
std::optional<int> runPdfProgramIfAsked(int argc, const char* const* argv, std::ostream& err);

}  // namespace corvane
