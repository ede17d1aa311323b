#include "cli/command_line.h"

#include <CLI/CLI.hpp>

#include "interchange/named_request.h"

namespace corvane {

const char* const kHelpText =
    "Usage: corvane-cli --service SERVICE --date YYYY-MM-DD [OPTION]...\n"
    "  or:  corvane-cli --booklet FILE [OPTION]...\n"
    "Compose the dismissal of an Orthodox service: for one date, for every date of\n"
    "a range, or for every service of a booklet list.\n"
    "\n"
    "The services:\n"
    "  --service SERVICE    the service, one of the SERVICES below\n"
    "  --date YYYY-MM-DD    the date on which the service is served; an evening\n"
    "                       service belongs to the next liturgical day\n"
    "  --to YYYY-MM-DD      compose every date from --date to this one; --txt,\n"
    "                       --docx and --pdf write them as a booklet, one a page\n"
    "                       (5000 at most)\n"
    "  --evening            an Evening Divine Liturgy (chrysostom or basil)\n"
    "  --booklet FILE       compose every service of the list in FILE (- reads\n"
    "                       standard input), instead of --service, --date, --to,\n"
    "                       --evening and --explain\n"
    "\n"
    "The temple (what is not given here is as the window last saved it: the\n"
    "calendar, the patron and the parish's own commemorations, in corvane.ini,\n"
    "inpat.txt and commemorations.txt in the data folder, $XDG_DATA_HOME/corvane\n"
    "or ~/.local/share/corvane):\n"
    "  --patron PATRON      the temple's patron, one of the PATRONS below\n"
    "  --patron-text TEXT   a patron phrase of the temple's own, as it should stand\n"
    "                       in the dismissal (\"NONE OF THE ABOVE\")\n"
    "  --bishop             a bishop presides or is present (never saved)\n"
    "  --calendar CALENDAR  new or old: a temple of the old (Julian) calendar keeps\n"
    "                       the fixed feasts 13 days later (from 1900 to 2099);\n"
    "                       Pascha is the same day in both\n"
    "  --commemorations FILE\n"
    "                       the parish's own commemorations, in the format below,\n"
    "                       instead of commemorations.txt in the data folder\n"
    "  --no-saved-temple    leave the saved temple out: no patron, the new\n"
    "                       calendar and no commemorations, unless given above\n"
    "\n"
    "What is written (by default the text of each dismissal, with an empty line\n"
    "between two):\n"
    "  --json               one JSON object a line: date, dayTitle, serviceHeading,\n"
    "                       dismissalText, endingText, warning (null, or the\n"
    "                       sentence below)\n"
    "  --explain            also the temple and where it came from, the liturgical\n"
    "                       day, the church date, Pascha, the Eucharist appointed\n"
    "                       on the day and the rule behind each clause (a single\n"
    "                       date only)\n"
    "  --txt FILE           write the text file to FILE instead: CR LF lines,\n"
    "                       Windows-1252, or UTF-8 with a byte-order mark\n"
    "  --docx FILE          write the document (.docx) to FILE instead\n"
    "  --pdf FILE           write the document's pages as a PDF to FILE instead\n"
    "                       (for all three, - as FILE is standard output:\n"
    "                       corvane-cli --pdf - ... | lp)\n"
    "  --paper PAPER        letter (the default) or a4, for --docx and --pdf\n"
    "  --help               show this help and end\n"
    "  --version            show the version and end\n"
    "\n"
    "SERVICES: great-vespers, daily-vespers, orthros, daily-orthros, chrysostom,\n"
    "  basil, presanctified\n"
    "PATRONS: trinity, lord, holy-spirit, theotokos, cross, archangels, forerunner,\n"
    "  apostles, ancestors, all-saints, chrysostom, basil, gregory, nicholas\n"
    "Names may be written in any letter case. Dates run from 1583-01-01 to\n"
    "9999-12-30.\n"
    "\n"
    "A booklet list has one service a line, YYYY-MM-DD SERVICE or YYYY-MM-DD\n"
    "SERVICE evening, in any letter case; empty lines and lines starting with #\n"
    "are left out.\n"
    "\n"
    "The parish's own commemorations have one a line: MM-DD (a date of the\n"
    "temple's calendar) or P+N or P-N (N days from Pascha), then the phrase as it\n"
    "should stand in the dismissal, beginning with \"of\"; empty lines and lines\n"
    "starting with # are left out. Each joins the saints of its liturgical day,\n"
    "unless they give way to a great feast.\n"
    "\n"
    "A service that the day does not appoint (the Presanctified Liturgy on a\n"
    "Sunday, Daily Vespers on a Saturday) is composed all the same, and a warning\n"
    "that says what is appointed goes to standard error, one line a dismissal:\n"
    "corvane-cli: warning: DATE SERVICE: ..., or FILE:LINE: warning: ... for a\n"
    "booklet list; with --json it is the line's warning instead.\n"
    "\n"
    "Exit status: 0 when done, with warnings or without; 1 when a file or standard\n"
    "output cannot be written, said on standard error; 2 for bad input, with a\n"
    "line on standard error that says what is wrong (a line for each bad line of\n"
    "a booklet list). A saved temple that cannot be read is said on standard\n"
    "error; its defaults stand, and the status stays 0. So is each line of the\n"
    "commemorations that cannot be read; the other lines apply. A reader that\n"
    "stops reading (corvane-cli ... | head) ends the output quietly.\n";

namespace {

// What the parser fills, before it is checked.
struct Arguments {
  std::string service, from, to, patron, patronText, calendar, paper, textFile, documentFile,
      pdfFile, booklet, commemorations;
  bool evening = false, bishop = false, json = false, explain = false, noSavedTemple = false;
  bool help = false, version = false;
};

// What was given to an option, nothing when it was left out.
std::optional<std::string> given(const CLI::App& app, const char* option,
                                 const std::string& value) {
  if (app.count(option) == 0) return std::nullopt;
  return value;
}

// The request's fields as the command line named them.
NamedRequest namedRequestOf(const Arguments& arguments, const CLI::App& app) {
  return {.service = given(app, "--service", arguments.service),
          .evening = arguments.evening,
          .date = given(app, "--date", arguments.from),
          .patron = given(app, "--patron", arguments.patron),
          .patronText = given(app, "--patron-text", arguments.patronText),
          .bishop = arguments.bishop,
          .calendar = given(app, "--calendar", arguments.calendar)};
}

Done checkService(const Arguments& arguments, const CLI::App& app, const NamedRequest& named,
                  Request& request) {
  if (app.count("--booklet") > 0) {
    for (const char* option : {"--service", "--date", "--to", "--evening", "--explain"}) {
      if (app.count(option) > 0) {
        return Failure{std::string{"--booklet: composes the services of its list; leave out "} +
                       option};
      }
    }
    if (arguments.booklet.empty()) {
      return Failure{"--booklet: give a FILE, or - for standard input"};
    }
    request.bookletFile = arguments.booklet;
    return {};
  }
  const Result<ServiceRequest> first = readServiceRequest(named);
  if (!first) return Failure{first.error()};
  request.service = first->service;
  request.evening = first->evening;
  request.from = request.to = first->served;
  if (app.count("--to") > 0) {
    const Result<Date> last = namedDate("--to", arguments.to);
    if (!last) return Failure{last.error()};
    if (*last < request.from) {
      return Failure{"--to: " + arguments.to + " is before --date " + arguments.from};
    }
    request.to = *last;
  }
  return {};
}

Done checkTemple(const Arguments& arguments, const NamedRequest& named, Request& request) {
  Result<TempleSettings> temple = readTemple(named);
  if (!temple) return Failure{temple.error()};
  request.temple = std::move(*temple);
  request.templeNamed = {.calendar = named.calendar.has_value(),
                         .patron = named.patron || named.patronText};
  request.templeOrigin = namedOrigin(request.templeNamed);
  request.useSavedTemple = !arguments.noSavedTemple;
  return {};
}

Done checkCommemorations(const Arguments& arguments, const CLI::App& app, Request& request) {
  if (app.count("--commemorations") == 0) return {};
  if (arguments.commemorations.empty()) {
    return Failure{"--commemorations: give the FILE of the parish's own commemorations"};
  }
  request.commemorationsFile = arguments.commemorations;
  return {};
}

Done checkOutput(const Arguments& arguments, const CLI::App& app, Request& request) {
  request.json = arguments.json;
  request.explain = arguments.explain;
  const bool range = request.to != request.from;
  const std::pair<const char*, const std::string*> files[] = {
      {"--txt", &arguments.textFile},
      {"--docx", &arguments.documentFile},
      {"--pdf", &arguments.pdfFile},
  };
  const char* fileOption = nullptr;
  for (const auto& [option, file] : files) {
    if (app.count(option) == 0) continue;
    if (file->empty()) return Failure{std::string{option} + ": give a FILE to write"};
    if (request.json) return Failure{std::string{option} + ": writes a file; leave out --json"};
    if (fileOption != nullptr) {
      return Failure{std::string{fileOption} + " and " + option + ": give one of them, not both"};
    }
    fileOption = option;
  }
  // A range is written as a booklet of its dates, one a page.
  const auto dates = static_cast<std::size_t>((request.to - request.from).count()) + 1;
  if (fileOption != nullptr && dates > kMostBookletEntries) {
    return Failure{std::string{fileOption} + ": a file holds at most " +
                   std::to_string(kMostBookletEntries) + " dismissals, and --date " +
                   arguments.from + " --to " + arguments.to + " gives " + std::to_string(dates) +
                   "; give a shorter range"};
  }
  request.textFile = arguments.textFile;
  request.documentFile = arguments.documentFile;
  request.pdfFile = arguments.pdfFile;
  if (request.explain) {
    if (range) return Failure{"--explain: explains a single date; leave out --to"};
    if (fileOption != nullptr) {
      return Failure{"--explain: prints its answer; leave out --txt, --docx and --pdf"};
    }
  }
  if (app.count("--paper") > 0) {
    const Result<Paper> paper =
        namedValue<Paper>("--paper", "paper", arguments.paper, paperFromName, "letter, a4");
    if (!paper) return Failure{paper.error()};
    request.paper = *paper;
    if (request.documentFile.empty() && request.pdfFile.empty()) {
      return Failure{"--paper: lays out --docx or --pdf; give --docx FILE or --pdf FILE"};
    }
  }
  return {};
}

}  // namespace

Result<CommandLine> readCommandLine(int argc, const char* const* argv) {
  CLI::App app{"", "corvane-cli"};
  app.set_help_flag();  // the help is kHelpText
  Arguments arguments;
  const std::vector<CLI::Option*> options = {
      app.add_option("--service", arguments.service),
      app.add_option("--date", arguments.from),
      app.add_option("--to", arguments.to),
      app.add_flag("--evening", arguments.evening),
      app.add_option("--booklet", arguments.booklet),
      app.add_option("--patron", arguments.patron),
      app.add_option("--patron-text", arguments.patronText),
      app.add_flag("--bishop", arguments.bishop),
      app.add_option("--calendar", arguments.calendar),
      app.add_flag("--no-saved-temple", arguments.noSavedTemple),
      app.add_option("--commemorations", arguments.commemorations),
      app.add_flag("--json", arguments.json),
      app.add_flag("--explain", arguments.explain),
      app.add_option("--txt", arguments.textFile),
      app.add_option("--docx", arguments.documentFile),
      app.add_option("--pdf", arguments.pdfFile),
      app.add_option("--paper", arguments.paper),
      app.add_flag("--help", arguments.help),
      app.add_flag("--version", arguments.version),
  };
  // Every option may be given once; the check after parsing says which one.
  for (CLI::Option* option : options) {
    option->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const std::string what = error.what();
    return Failure{what.substr(0, what.find('\n')) + " (corvane-cli --help lists the options)"};
  }
  for (const CLI::Option* option : options) {
    if (option->count() > 1) return Failure{option->get_name() + ": given more than once"};
  }
  if (arguments.help) return HelpOrVersion::help;
  if (arguments.version) return HelpOrVersion::version;

  Request request;
  const NamedRequest named = namedRequestOf(arguments, app);
  for (const Done& checked :
       {checkService(arguments, app, named, request), checkTemple(arguments, named, request),
        checkCommemorations(arguments, app, request), checkOutput(arguments, app, request)}) {
    if (!checked) return Failure{checked.error()};
  }
  return request;
}

}  // namespace corvane
