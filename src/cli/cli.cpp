#include "cli/cli.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/command_line.h"
#include "cli/in_order_blocks.h"
#include "cli/saved_temple_choice.h"
#include "cli/temple_explanation.h"
#include "composer/compose.h"
#include "interchange/dismissal_json.h"
#include "interchange/explanation.h"
#include "interchange/json_text.h"
#include "output/text_layout.h"
#include "output_files/text_file.h"
#include "output_files/word_document.h"
#include "platform/atomic_file.h"
#include "platform/data_folder.h"
#include "saved_temple/saved_commemorations.h"
#include "state/english_date.h"
#include "state/picked_date.h"
#include "version.h"

namespace corvane {

namespace {

constexpr int kCannotWrite = 1;
constexpr int kBadInput = 2;

// The output is gathered in one buffer and written in large blocks.
constexpr std::size_t kFlushAt = 1 << 20;

// {"date":…,"dayTitle":…,"serviceHeading":…,"dismissalText":…,"endingText":…,"warning":…}
void appendJsonLine(std::string& out, const Dismissal& dismissal, bool explain,
                    std::string_view temple) {
  out += '{';
  appendDismissalFields(out, dismissal);
  if (explain) {
    out += ",\"explain\":{\"temple\":";
    out += temple;
    out += ',';
    appendExplanationFields(out, dismissal);
    out += '}';
  }
  appendWarningField(out, dismissal);
  out += "}\n";
}

// The text of a dismissal, an empty line before every one but the first.
void appendText(std::string& out, const Dismissal& dismissal, bool first, bool explain,
                std::string_view templeLine) {
  if (!first) out += '\n';
  appendTextLayout(out, dismissal, appendEnglishLongDate, "\n");
  out += '\n';
  if (explain) {
    out += '\n';
    out += templeLine;
    out += explanationText(dismissal);
  }
}

// Where a warning points: the line of the booklet's list, or else the date
// and the service as typed.
struct ListLine {
  std::string_view listName;  // empty for --service and --date
  int line = 0;
};

// "corvane-cli: warning: 2026-03-01 presanctified: …", "list.txt:3: warning: …".
void appendWarningLine(std::string& out, const Dismissal& dismissal, const ListLine& listed) {
  if (!dismissal.warning) return;
  if (listed.listName.empty()) {
    out += "corvane-cli: warning: ";
    out += isoDate(dismissal.request.served);
    out += ' ';
    out += serviceName(dismissal.request.service);
    if (dismissal.request.evening) out += " evening";
  } else {
    out += listed.listName;
    out += ':';
    out += std::to_string(listed.line);
    out += ": warning";
  }
  out += ": ";
  out += dismissal.warning->sentence;
  out += '\n';
}

// How each dismissal is printed: as text or as a JSON line, with or without
// its explanation.
struct PrintedForm {
  explicit PrintedForm(const Request& request)
      : json(request.json),
        explain(request.explain),
        templeLine(templeExplanationLine(request.temple, request.templeOrigin)),
        templeObject(templeJson(request.temple, request.templeOrigin).dump()) {}
  bool json;
  bool explain;
  std::string templeLine;
  std::string templeObject;  // the "temple" object of --explain --json
};

// Printed dismissals, for standard output, and their warnings, for standard
// error (in JSON the lines hold them).
struct Printed {
  std::string out;
  std::string warnings;

  void add(const Dismissal& dismissal, const ListLine& listed, const PrintedForm& form,
           bool first) {
    if (form.json) {
      appendJsonLine(out, dismissal, form.explain, form.templeObject);
    } else {
      appendText(out, dismissal, first, form.explain, form.templeLine);
      appendWarningLine(warnings, dismissal, listed);
    }
  }
  // Written to the standard streams, and emptied.
  void writeTo(std::ostream& stream, std::ostream& err) {
    stream.write(out.data(), static_cast<std::streamsize>(out.size()));
    out.clear();
    err.write(warnings.data(), static_cast<std::streamsize>(warnings.size()));
    warnings.clear();
  }
};

// Writes the dismissals to the standard streams as they are composed, a block
// of output at a time.
class StreamWriter {
 public:
  StreamWriter(std::ostream& stream, std::ostream& err, const PrintedForm& form)
      : stream_(stream), err_(err), form_(form) {
    printed_.out.reserve(kFlushAt + (1 << 16));
  }
  ~StreamWriter() { printed_.writeTo(stream_, err_); }
  StreamWriter(const StreamWriter&) = delete;
  StreamWriter& operator=(const StreamWriter&) = delete;

  void write(const Dismissal& dismissal, const ListLine& listed) {
    printed_.add(dismissal, listed, form_, first_);
    first_ = false;
    if (printed_.out.size() + printed_.warnings.size() >= kFlushAt) {
      printed_.writeTo(stream_, err_);
    }
  }

 private:
  std::ostream& stream_;
  std::ostream& err_;
  const PrintedForm& form_;
  Printed printed_;
  bool first_ = true;
};

// A range is composed and printed a block of dates at a time, on two
// threads (cli/in_order_blocks.h), each block gathered in a buffer that holds
// it whole.
constexpr int kBlockDays = 1024;
constexpr std::size_t kBlockBuffer = 2 << 20;
constexpr std::size_t kBytesADismissal = kBlockBuffer / kBlockDays;  // more than most need

// The dates of the range in its block number `index`.
void printBlock(const Request& request, const PrintedForm& form, std::int64_t index,
                Printed& printed) {
  const Date first = request.from + days{index * kBlockDays};
  const Date last = std::min(first + days{kBlockDays - 1}, request.to);
  const auto dates = static_cast<std::size_t>((last - first).count()) + 1;
  printed.out.reserve(std::min(kBlockBuffer, dates * kBytesADismissal));
  const ComposeWith with{.explanation = request.explain};
  thread_local Dismissal dismissal;  // its storage serves every block of the thread
  for (Date date = first; date <= last; date += days{1}) {
    compose({date, request.service, request.evening}, request.temple, dismissal, with);
    printed.add(dismissal, {}, form, date == request.from);
  }
}

// Every date of the range, in order, until standard output fails.
void printRange(const Request& request, const PrintedForm& form, std::ostream& out,
                std::ostream& err) {
  const std::int64_t blocks = (request.to - request.from).count() / kBlockDays + 1;
  produceInOrder<Printed>(
      blocks,
      [&](std::int64_t index, Printed& printed) { printBlock(request, form, index, printed); },
      [&](Printed& printed) {
        printed.writeTo(out, err);
        return static_cast<bool>(out);  // false: standard output failed, or its reader has gone
      });
}

// The booklet's list, read whole before anything is composed.
struct BookletFile {
  std::string name;  // as messages name it
  std::vector<ListedEntry> entries;
};
Result<BookletFile> readBooklet(const std::string& file, std::istream& in) {
  std::ostringstream bytes;
  std::string name = file;
  if (file == "-") {
    bytes << in.rdbuf();
    name = "standard input";
  } else {
    std::ifstream stream{file, std::ios::binary};
    if (!stream) return Failure{"--booklet: cannot read " + file};
    bytes << stream.rdbuf();
  }
  Result<std::vector<ListedEntry>> entries = readListedEntries(bytes.str(), name);
  if (!entries) return Failure{entries.error()};
  if (entries->empty()) return Failure{name + ": the booklet list holds no service"};
  return BookletFile{std::move(name), std::move(*entries)};
}

// The bytes of the file asked for: the text file, the document or its pages
// as a PDF, exactly as the windows write them, with the English long date.
Result<std::string> requestedFileBytes(const Request& request,
                                       const std::vector<Dismissal>& dismissals,
                                       PdfPages pdfPages) {
  if (!request.textFile.empty()) return textFileBytes(dismissals, englishLongDate);
  if (!request.pdfFile.empty()) {
    if (pdfPages == nullptr) return Failure{"this program draws no PDF pages"};
    return pdfPages(dismissals, englishLongDate, request.paper);
  }
  return wordDocumentBytes(dismissals, englishLongDate, request.paper);
}

// Writes the file asked for, or standard output for "-": of one date, of a
// range as a booklet of its dates, or of a booklet's list; the warnings are
// said first. A failure on standard output is said as the program ends.
Done writeRequestedFile(const Request& request, const std::optional<BookletFile>& list,
                        PdfPages pdfPages, std::ostream& out, std::ostream& err) {
  std::vector<Dismissal> dismissals;
  std::string warnings;
  if (list) {
    dismissals.resize(list->entries.size());
    for (std::size_t i = 0; i < list->entries.size(); ++i) {
      const ServiceRequest& entry = list->entries[i].entry;
      compose(entry, request.temple, dismissals[i]);
      appendWarningLine(warnings, dismissals[i], {list->name, list->entries[i].line});
    }
  } else {
    // Every date of the range, as a booklet of them would list it.
    for (Date date = request.from; date <= request.to; date += days{1}) {
      dismissals.push_back(compose({date, request.service, request.evening}, request.temple));
      appendWarningLine(warnings, dismissals.back(), {});
    }
  }
  err << warnings;
  const std::string& file = !request.textFile.empty()  ? request.textFile
                            : !request.pdfFile.empty() ? request.pdfFile
                                                       : request.documentFile;
  const bool standardOutput = file == kStandardOutputName;
  const Result<std::string> bytes = requestedFileBytes(request, dismissals, pdfPages);
  if (!bytes) {
    return Failure{"Cannot write " + (standardOutput ? "standard output" : file) + ": " +
                   bytes.error()};
  }
  if (!standardOutput) return writeFileAtomically(file, *bytes);
  out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
  return {};
}

// Every date of the range, or every entry of the booklet, printed as
// composed, until standard output fails.
void printRequested(const Request& request, const std::optional<BookletFile>& list,
                    std::ostream& out, std::ostream& err) {
  const PrintedForm form{request};
  if (!list) return printRange(request, form, out, err);
  StreamWriter writer{out, err, form};
  Dismissal dismissal;
  for (const ListedEntry& listed : list->entries) {
    compose(listed.entry, request.temple, dismissal);
    writer.write(dismissal, {list->name, listed.line});
    if (!out) return;
  }
}

// What the command line did not name of the temple comes from the temple the
// window saved. A saved file that cannot be read is said; the defaults stand.
// So is each line of the commemorations that cannot be read; the others apply.
Done completeTemple(Request& request, std::ostream& err) {
  std::optional<std::filesystem::path> savedCommemorations;
  if (request.useSavedTemple) {
    const std::filesystem::path folder = chosenDataFolder();
    const SavedTempleUse use =
        completeWithSavedTemple(request.temple, request.templeNamed, SavedTemple::inFolder(folder));
    request.templeOrigin = use.origin;
    for (const std::string& problem : use.problems) {
      err << "corvane-cli: " << problem << ". corvane-cli goes on with the defaults.\n";
    }
    savedCommemorations = commemorationsFileIn(folder);
  }
  const Result<std::vector<std::string>> problems = completeWithCommemorations(
      request.temple, request.templeOrigin, request.commemorationsFile, savedCommemorations);
  if (!problems) return Failure{problems.error()};
  for (const std::string& problem : *problems) err << "corvane-cli: " << problem << ".\n";
  return {};
}

// Bad input: a line on standard error for each problem (a booklet list
// names every bad line), and status 2.
int badInput(std::string_view message, std::ostream& err) {
  std::istringstream lines{std::string{message}};
  for (std::string line; std::getline(lines, line);) err << "corvane-cli: " << line << '\n';
  return kBadInput;
}

}  // namespace

int runCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err, PdfPages pdfPages) {
  Result<CommandLine> read = readCommandLine(argc, argv);
  if (!read) return badInput(read.error(), err);
  if (const HelpOrVersion* asked = std::get_if<HelpOrVersion>(&*read)) {
    if (*asked == HelpOrVersion::help) {
      out << kHelpText;
    } else {
      out << "corvane-cli " << kVersionMajor << '.' << kVersionMinor << '.' << kVersionRevision
          << '\n';
    }
    out.flush();
    return 0;
  }
  Request& request = std::get<Request>(*read);
  std::optional<BookletFile> list;
  if (request.bookletFile) {
    Result<BookletFile> booklet = readBooklet(*request.bookletFile, in);
    if (!booklet) return badInput(booklet.error(), err);
    list = std::move(*booklet);
  }
  if (const Done completed = completeTemple(request, err); !completed) {
    return badInput(completed.error(), err);
  }
  if (!request.textFile.empty() || !request.documentFile.empty() || !request.pdfFile.empty()) {
    if (const Done written = writeRequestedFile(request, list, pdfPages, out, err); !written) {
      err << "corvane-cli: " << written.error() << '\n';
      return kCannotWrite;
    }
    out.flush();
    return 0;
  }
  printRequested(request, list, out, err);
  out.flush();
  err.flush();
  return 0;
}

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           PdfPages pdfPages) {
  std::istringstream nothing;
  return runCli(argc, argv, nothing, out, err, pdfPages);
}

}  // namespace corvane
