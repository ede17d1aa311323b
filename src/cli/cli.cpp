#include "cli/cli.h"

#include <CLI/CLI.hpp>
#include <cctype>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "composer/create_dismissal.h"
#include "output/english_date.h"
#include "output/text_file.h"
#include "output/text_layout.h"
#include "output/utf8.h"
#include "output/word_document.h"
#include "settings/patron.h"
#include "state/service.h"

namespace corvane {

namespace {

constexpr int kBadInput = 2;
constexpr int kCannotWrite = 1;

constexpr const char* kDescription =
    "Composes the dismissal of one service on one date (or on every date of a range).\n"
    "\n"
    "S: great-vespers | daily-vespers | orthros | daily-orthros | chrysostom | basil |\n"
    "   presanctified\n"
    "P: trinity | lord | holy-spirit | theotokos | cross | archangels | forerunner |\n"
    "   apostles | ancestors | all-saints | chrysostom | basil | gregory | nicholas\n"
    "\n"
    "Dates are as picked in the date picker (an evening service belongs to the next\n"
    "liturgical day), from 1583-01-01 to 9999-12-30. The temple keeps the new calendar\n"
    "unless --calendar old says it keeps the old (Julian) one: its fixed feasts fall on\n"
    "their Julian dates, 13 days later from 1900 to 2099. Without --json each date prints\n"
    "as the text file lays it out; with --json, one JSON object per date and line.\n"
    "--txt FILE writes the text file of a single date to FILE instead (Windows-1252,\n"
    "CR LF), and --docx FILE the formatted document; both print nothing. Bad input prints one line on stderr and exits with\n"
    "status 2; a file that cannot be written, with status 1.";

// What the command line asks for, once checked.
struct Request {
  Service service = Service::greatVespers;
  bool evening = false;
  Date from{};
  Date to{};
  Patron patron = Patron::trinity;
  std::string patronText;
  bool bishop = false;
  TempleCalendar calendar = TempleCalendar::newCalendar;
  bool json = false;
  std::string textFile;      // --txt: write this file instead of printing
  std::string documentFile;  // --docx: likewise, the document
  bool explain = false;      // --explain: the rule behind each clause
};

struct BadInput {
  std::string message;
};

// YYYY-MM-DD, by hand: this compiler's library has no chrono parsing.
std::optional<Date> parseIsoDate(const std::string& text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
  }
  const auto number = [&text](std::size_t at, std::size_t length) {
    return static_cast<unsigned>(std::stoul(text.substr(at, length)));
  };
  const std::chrono::year_month_day date{std::chrono::year{static_cast<int>(number(0, 4))},
                                         std::chrono::month{number(5, 2)},
                                         std::chrono::day{number(8, 2)}};
  if (!date.ok()) return std::nullopt;
  return Date{date};
}

Date checkedDate(const std::string& option, const std::string& text) {
  const std::optional<Date> date = parseIsoDate(text);
  if (!date) throw BadInput{option + ": '" + text + "' is not a date of the form YYYY-MM-DD"};
  if (!isSupportedPickedDate(*date)) {
    throw BadInput{option + ": " + text + " is outside the supported dates " +
                   isoDate(kFirstSupportedDate) + " to " + isoDate(kLastSupportedDate)};
  }
  return *date;
}

std::string firstLine(const std::string& text) {
  return text.substr(0, text.find('\n'));
}

struct Arguments {
  std::string service, from, to, patron, textFile, documentFile, calendar = "new";
  std::optional<std::string> patronText;
  bool evening = false, bishop = false, json = false, explain = false;
};

Request checkedRequest(const Arguments& arguments) {
  const std::string& serviceText = arguments.service;
  const std::string& fromText = arguments.from;
  const std::string& toText = arguments.to;
  const std::string& patronName = arguments.patron;
  const std::optional<std::string>& patronText = arguments.patronText;
  const bool evening = arguments.evening;
  Request request;
  const std::optional<Service> service = serviceFromName(serviceText);
  if (!service) throw BadInput{"--service: unknown service '" + serviceText + "'"};
  request.service = *service;
  if (evening && !mayBeEvening(*service)) {
    throw BadInput{
        "--evening: only the Divine Liturgies (chrysostom, basil) are served in the evening"};
  }
  request.evening = evening;
  request.from = checkedDate("--date", fromText);
  request.to = toText.empty() ? request.from : checkedDate("--to", toText);
  if (request.to < request.from)
    throw BadInput{"--to: " + toText + " is before --date " + fromText};

  if (!patronName.empty() && patronText) {
    throw BadInput{"--patron and --patron-text: give one of them, not both"};
  }
  if (!patronName.empty()) {
    const std::optional<Patron> patron = patronFromName(patronName);
    if (!patron) throw BadInput{"--patron: unknown patron '" + patronName + "'"};
    request.patron = *patron;
  }
  if (patronText) {
    if (!isValidUtf8(*patronText)) throw BadInput{"--patron-text: the text is not valid UTF-8"};
    if (patronText->empty()) throw BadInput{"--patron-text: the patron phrase is empty"};
    request.patron = Patron::typed;
    request.patronText = normalizeLineBreaks(*patronText);
  }
  request.bishop = arguments.bishop;
  const std::optional<TempleCalendar> calendar = calendarFromName(arguments.calendar);
  if (!calendar) {
    throw BadInput{"--calendar: unknown calendar '" + arguments.calendar + "' (new or old)"};
  }
  request.calendar = *calendar;
  request.json = arguments.json;
  for (const auto& [option, file] :
       {std::pair{"--txt", &arguments.textFile}, std::pair{"--docx", &arguments.documentFile}}) {
    if (file->empty()) continue;
    if (request.to != request.from) {
      throw BadInput{std::string{option} + ": writes a single date; leave out --to"};
    }
    if (request.json) throw BadInput{std::string{option} + ": writes a file; leave out --json"};
  }
  if (!arguments.textFile.empty() && !arguments.documentFile.empty()) {
    throw BadInput{"--txt and --docx: give one of them, not both"};
  }
  request.textFile = arguments.textFile;
  request.documentFile = arguments.documentFile;
  if (arguments.explain) {
    if (request.to != request.from)
      throw BadInput{"--explain: explains a single date; leave out --to"};
    if (!request.textFile.empty() || !request.documentFile.empty()) {
      throw BadInput{"--explain: prints its answer; leave out --txt and --docx"};
    }
  }
  request.explain = arguments.explain;
  return request;
}

struct Composer {
  DismissalState state;
  TempleSettings settings;
};

Composer composerFor(const Request& request) {
  Composer composer;
  selectService(composer.state, request.service, request.evening);
  choosePatron(composer.settings, request.patron, request.patronText);
  composer.settings.bishopPresent = request.bishop;
  composer.settings.calendar = request.calendar;
  return composer;
}

nlohmann::ordered_json explanationJson(const Dismissal& dismissal) {
  const MovableDates& dates = dismissal.movableDates;
  nlohmann::ordered_json json;
  json["liturgicalDay"] = isoDate(dismissal.liturgicalDay);
  json["calendar"] = calendarName(dismissal.calendar);
  json["churchDate"] = isoDate(dismissal.churchDate);
  json["pascha"] = isoDate(dates.pascha);
  const nlohmann::ordered_json leavetaking =
      dates.meetingLeavetaking ? nlohmann::ordered_json(isoDate(*dates.meetingLeavetaking))
                               : nlohmann::ordered_json(nullptr);
  json["derived"] = {{"cleanMonday", isoDate(dates.cleanMonday)},
                     {"meetingLeavetaking", leavetaking},
                     {"lazarusSaturday", isoDate(dates.lazarusSaturday)},
                     {"palmSunday", isoDate(dates.palmSunday)},
                     {"ascension", isoDate(dates.ascension)},
                     {"pentecost", isoDate(dates.pentecost)}};
  nlohmann::ordered_json slots = nlohmann::ordered_json::object();
  for (std::size_t i = 0; i < kSlotCount; ++i) {
    const SlotRecord& slot = dismissal.slotRecords[i];
    nlohmann::ordered_json entry;
    entry["text"] = slot.text;
    entry["rule"] = slot.rule.empty() ? nlohmann::ordered_json(nullptr)
                                      : nlohmann::ordered_json(std::string{slot.rule});
    slots[std::string{kSlotNames[i]}] = entry;
  }
  json["slots"] = slots;
  return json;
}

std::string explanationText(const Dismissal& dismissal) {
  const MovableDates& dates = dismissal.movableDates;
  std::string text = "Liturgical day: " + englishLongDate(dismissal.liturgicalDay) + "\n";
  text += "Church date: " + englishDayMonthYear(dismissal.churchDate) +
          (dismissal.calendar == TempleCalendar::oldCalendar ? " (Julian calendar)\n"
                                                             : " (new calendar)\n");
  text += "Pascha: " + isoDate(dates.pascha) + "; Clean Monday " + isoDate(dates.cleanMonday) +
          ", Leavetaking of the Meeting " +
          (dates.meetingLeavetaking ? isoDate(*dates.meetingLeavetaking) : std::string{"none"}) +
          ", Lazarus Saturday " + isoDate(dates.lazarusSaturday) + ", Palm Sunday " +
          isoDate(dates.palmSunday) + ", Ascension " + isoDate(dates.ascension) + ", Pentecost " +
          isoDate(dates.pentecost) + "\n";
  for (std::size_t i = 0; i < kSlotCount; ++i) {
    const SlotRecord& slot = dismissal.slotRecords[i];
    text += std::string{kSlotNames[i]} + ": ";
    if (slot.text.empty()) {
      text += "(empty)\n";
    } else {
      text += "\"" + slot.text + "\" (" + std::string{slot.rule} + ")\n";
    }
  }
  return text;
}

// Every date of the request, written as it is composed: the request is
// checked whole before, so nothing reaches `out` for bad input.
void composeAll(const Request& request, std::ostream& stream) {
  auto [state, settings] = composerFor(request);

  std::string out;
  Dismissal dismissal;
  for (Date date = request.from; date <= request.to; date += days{1}) {
    out.clear();
    state.serviceDate = date;
    CreateDismissal(state, settings, dismissal);
    if (request.json) {
      nlohmann::ordered_json line;
      line["date"] = isoDate(date);
      line["dayTitle"] = dismissal.dayTitle;
      line["serviceHeading"] = dismissal.serviceHeading;
      line["dismissalText"] = dismissal.dismissalText;
      line["endingText"] = dismissal.endingText;
      if (request.explain) line["explain"] = explanationJson(dismissal);
      out += line.dump();
      out += '\n';
    } else {
      if (date != request.from) out += '\n';
      out += textLayout(dismissal, englishLongDate, "\n");
      out += '\n';
      if (request.explain) out += "\n" + explanationText(dismissal);
    }
    stream << out;
  }
}

// Writes the text file or the document of a single date, exactly as the
// window's outputs do, with the English long date.
std::optional<std::string> writeRequestedFile(const Request& request) {
  auto [state, settings] = composerFor(request);
  state.serviceDate = request.from;
  const Dismissal dismissal = CreateDismissal(state, settings);
  if (!request.textFile.empty()) return writeTextFile(request.textFile, dismissal, englishLongDate);
  return writeWordDocument(request.documentFile, dismissal, englishLongDate);
}

}  // namespace

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App app{kDescription, "corvane-cli"};
  Arguments arguments;
  std::string patronTextValue;

  std::vector<CLI::Option*> options = {
      app.add_option("--service", arguments.service, "the service (S below)")->required(),
      app.add_option("--date", arguments.from, "the date as picked, YYYY-MM-DD")->required(),
      app.add_option("--to", arguments.to, "compose every date from --date to this one, inclusive"),
      app.add_flag("--evening", arguments.evening,
                   "an Evening Divine Liturgy (chrysostom or basil only)"),
      app.add_option("--patron", arguments.patron, "the temple's patron (P below)"),
      app.add_option("--patron-text", patronTextValue,
                     "a typed patron phrase (\"NONE OF THE ABOVE\")"),
      app.add_flag("--bishop", arguments.bishop, "a bishop is present"),
      app.add_option("--calendar", arguments.calendar,
                     "the temple's calendar: new (the default) or old (Julian)"),
      app.add_flag("--json", arguments.json, "one JSON object per date and line"),
      app.add_option("--txt", arguments.textFile,
                     "write the text file of the date to FILE; print nothing"),
      app.add_option("--docx", arguments.documentFile,
                     "write the document (.docx) of the date to FILE; print nothing"),
      app.add_flag("--explain", arguments.explain,
                   "also print the liturgical day, Pascha and the rule behind each clause"),
  };
  for (CLI::Option* option : options) {
    option->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  }

  try {
    app.parse(argc, argv);
    for (const CLI::Option* option : options) {
      if (option->count() > 1) throw BadInput{option->get_name() + ": given more than once"};
    }
    if (options[5]->count() > 0) arguments.patronText = patronTextValue;
    if ((options[9]->count() > 0 && arguments.textFile.empty()) ||
        (options[10]->count() > 0 && arguments.documentFile.empty())) {
      throw BadInput{"--txt, --docx: the file name is empty"};
    }
    const Request request = checkedRequest(arguments);
    if (!request.textFile.empty() || !request.documentFile.empty()) {
      if (const std::optional<std::string> problem = writeRequestedFile(request)) {
        err << "corvane-cli: " << *problem << '\n';
        return kCannotWrite;
      }
      return 0;
    }
    composeAll(request, out);
    out.flush();
    return 0;
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return 0;
  } catch (const CLI::ParseError& error) {
    err << "corvane-cli: " << firstLine(error.what()) << '\n';
    return kBadInput;
  } catch (const BadInput& bad) {
    err << "corvane-cli: " << bad.message << '\n';
    return kBadInput;
  }
}

}  // namespace corvane
