#include "cli/pdf_program.h"

#include <unistd.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "cli/command_line.h"
#include "platform/data_folder.h"
#include "platform/process.h"

namespace corvane {

namespace fs = std::filesystem;

std::vector<fs::path> pdfProgramPlaces(const fs::path& programFolder) {
  return {programFolder / kPdfProgramName,
          (programFolder / CORVANE_LIBEXEC_FROM_BIN / kPdfProgramName).lexically_normal()};
}

std::optional<int> runPdfProgramIfAsked(int argc, const char* const* argv, std::ostream& err) {
  // Most calls name no --pdf, and are not read twice.
  const bool namesPdf = std::any_of(argv + 1, argv + argc, [](std::string_view argument) {
    return argument == "--pdf" || argument.starts_with("--pdf=");
  });
  if (!namesPdf) return std::nullopt;
  const Result<CommandLine> read = readCommandLine(argc, argv);
  if (!read) return std::nullopt;  // bad input, which runCli says
  const Request* request = std::get_if<Request>(&*read);
  if (request == nullptr || request->pdfFile.empty()) return std::nullopt;

  const std::vector<fs::path> places = pdfProgramPlaces(programFolder());
  const auto found = std::find_if(places.begin(), places.end(), [](const fs::path& place) {
    return ::access(place.c_str(), X_OK) == 0;
  });
  std::string why;
  if (found == places.end()) {
    why = "is missing (looked for " + places[0].string() + " and " + places[1].string() +
          "); install corvane again";
  } else {
    std::vector<const char*> arguments{argv, argv + argc};
    arguments.front() = found->c_str();
    arguments.push_back(nullptr);
    why = "could not be run: " + found->string() + ": " + runInstead(*found, arguments.data());
  }
  err << "corvane-cli: Cannot write "
      << (request->pdfFile == kStandardOutputName ? "standard output" : request->pdfFile) << ": "
      << kPdfProgramName << ", which draws the pages of a PDF, " << why << '\n';
  return 1;
}

}  // namespace corvane
