// Reading back what the page keeps in the browser: the booklet list as the
// requests the page composes, a typed patron phrase cleaned as the program
// keeps it, and the parish's own commemorations, changed as the desktop's
// editor changes them. Bound apart from the compositions of page_api.cpp.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <vector>

#include "composer/booklet.h"
#include "interchange/booklet_notes.h"
#include "settings/local_commemorations.h"
#include "settings/patron.h"
#include "state/picked_date.h"
#include "state/service.h"
#include "web/page_request.h"

using emscripten::val;

namespace corvane {

namespace {

// {entries: [{service, date, evening, vesperalNote}]} in the order of the
// list (that of bookletView's labels), each as the page's request names it;
// or {error}. The note on the Vesperal Liturgies goes with an evening
// Liturgy of St. Basil, as it goes with the evening question.
val bookletRequests(const std::string& list) {
  const Result<std::vector<ServiceRequest>> entries = readBookletList(list, "booklet");
  val answer = val::object();
  if (!entries) {
    answer.set("error", entries.error());
    return answer;
  }
  val requests = val::array();
  for (const ServiceRequest& entry : *entries) {
    val request = val::object();
    request.set("service", std::string{serviceName(entry.service)});
    request.set("date", isoDate(entry.served));
    request.set("evening", entry.evening);
    const bool vesperal = entry.service == Service::basil && entry.evening;
    request.set("vesperalNote", std::string{vesperal ? kVesperalBookletNote : ""});
    requests.call<void>("push", request);
  }
  answer.set("entries", requests);
  return answer;
}

std::string typedPhrase(const std::string& typed) {
  return cleanTypedPhrase(typed);
}

// The page keeps its commemorations as the text of a commemorations.txt,
// changed here so that every line it does not change stays as it stands.
// {text, byteOrderMark, rows: [{day, phrase, problem}], problems:
// ["commemorations.txt:3: …"]}:
// the rows the page lists, a line that cannot be read with what is wrong.
val commemorationsShown(const CommemorationsFile& file) {
  val rows = val::array();
  for (const CommemorationRowText& row : commemorationRows(file)) {
    val shown = val::object();
    shown.set("day", row.day);
    shown.set("phrase", row.phrase);
    shown.set("problem", row.problem);
    rows.call<void>("push", shown);
  }
  val problems = val::array();
  for (const std::string& problem : commemorationProblems(file, kPageCommemorationsName)) {
    problems.call<void>("push", problem);
  }
  // A string handed to the page loses a byte-order mark at its start (the
  // module's text decoder drops it), so the mark is said apart.
  CommemorationsFile unmarked = file;
  unmarked.byteOrderMark = false;
  val answer = val::object();
  answer.set("text", commemorationsFileText(unmarked));
  answer.set("byteOrderMark", file.byteOrderMark);
  answer.set("rows", rows);
  answer.set("problems", problems);
  return answer;
}

val commemorationsView(const std::string& text) {
  return commemorationsShown(readCommemorationsText(text));
}

// The same with a commemoration added at the end, or {error} when the day or
// the phrase cannot stand in the file.
val commemorationsAdd(const std::string& text, const std::string& day, const std::string& phrase) {
  Result<CommemorationLine> line = typedCommemoration(day, phrase);
  if (!line) {
    val answer = val::object();
    answer.set("error", line.error());
    return answer;
  }
  CommemorationsFile file = readCommemorationsText(text);
  appendCommemoration(file, std::move(*line));
  return commemorationsShown(file);
}

// The same without the row of the list, a line that cannot be read too.
val commemorationsRemove(const std::string& text, int row) {
  CommemorationsFile file = readCommemorationsText(text);
  if (row >= 0) {
    if (const std::optional<std::size_t> index = lineOfRow(file, static_cast<std::size_t>(row))) {
      file.lines.erase(file.lines.begin() + static_cast<std::ptrdiff_t>(*index));
    }
  }
  return commemorationsShown(file);
}

}  // namespace

EMSCRIPTEN_BINDINGS(corvane_stored) {
  emscripten::function("bookletRequests", &bookletRequests);
  emscripten::function("typedPhrase", &typedPhrase);
  emscripten::function("commemorationsView", &commemorationsView);
  emscripten::function("commemorationsAdd", &commemorationsAdd);
  emscripten::function("commemorationsRemove", &commemorationsRemove);
}

}  // namespace corvane
