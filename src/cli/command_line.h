#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/result.h"
#include "cli/saved_temple_choice.h"
#include "composer/booklet.h"
#include "output/paper.h"
#include "settings/temple_settings.h"
#include "state/date.h"
#include "state/service.h"

namespace corvane {

// What the command line asks for, once checked whole.
struct Request {
  // One service over a range of dates, or a booklet's list.
  Service service = Service::greatVespers;
  bool evening = false;
  Date from{};
  Date to{};
  std::optional<std::string> bookletFile;  // "-" reads standard input
  TempleSettings temple;
  // What the command line named of the temple; the rest comes from the
  // temple the window saved, unless --no-saved-temple.
  TempleNamed templeNamed;
  bool useSavedTemple = true;
  std::optional<std::string> commemorationsFile;  // --commemorations
  TempleOrigin templeOrigin;                      // where the temple came from, once complete
  bool json = false;
  bool explain = false;
  // One of the three names the file to write instead of printing, or
  // kStandardOutputName.
  std::string textFile;      // --txt: the text file
  std::string documentFile;  // --docx: the document
  std::string pdfFile;       // --pdf: the document's pages as a PDF
  Paper paper = Paper::letter;
};

// "-" as the file of --txt, --docx or --pdf: standard output
// (corvane-cli --pdf - … | lp), as for --booklet it is standard input.
inline constexpr std::string_view kStandardOutputName = "-";

// What the user asked for instead of a composition.
enum class HelpOrVersion { help, version };

// The request, or --help or --version; bad input is one line that says what
// is wrong and what to type.
using CommandLine = std::variant<Request, HelpOrVersion>;
[[nodiscard]] Result<CommandLine> readCommandLine(int argc, const char* const* argv);

// "Usage: corvane-cli …", every option and name, in 80 columns.
extern const char* const kHelpText;

}  // namespace corvane
