// What the page calls: every answer is composed here, by the same core as the
// command line; the page's JavaScript only binds controls and downloads.
// Each function returns an object with the answer, or {error: "the command
// line's message"}.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <vector>

#include "base/messages.h"
#include "composer/booklet.h"
#include "composer/compose.h"
#include "interchange/dismissal_json.h"
#include "interchange/explanation.h"
#include "interchange/named_request.h"
#include "output/booklet_label.h"
#include "output/document_paragraphs.h"
#include "output/text_file_bytes.h"
#include "state/english_date.h"
#include "web/page_request.h"

using emscripten::val;

namespace corvane {

namespace {

val failure(const std::string& message) {
  val answer = val::object();
  answer.set("error", message);
  return answer;
}

// The bytes as a Uint8Array of the page's own, not a view of the module's memory.
val bytesOf(const std::string& bytes) {
  const val view{emscripten::typed_memory_view(
      bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data()))};
  return val::global("Uint8Array").new_(view);
}

val partsOf(const std::vector<PackagePart>& parts) {
  val array = val::array();
  for (const PackagePart& part : parts) {
    val entry = val::object();
    entry.set("name", part.name);
    entry.set("bytes", bytesOf(part.bytes));
    array.call<void>("push", entry);
  }
  return array;
}

// The page's request composed, or the first problem with it.
Result<Dismissal> composed(const PageRequest& request, ComposeWith with = {}) {
  const NamedRequest named = namedRequestOf(request);
  const Result<ServiceRequest> service = readServiceRequest(named);
  if (!service) return Failure{service.error()};
  const Result<TempleSettings> temple = pageTemple(request);
  if (!temple) return Failure{temple.error()};
  return compose(*service, *temple, with);
}

// The paragraphs as the document sets them, each a list of runs of equal
// boldness, for the preview.
val previewParagraphs(const Dismissal& dismissal) {
  val paragraphs = val::array();
  for (const DocumentParagraph& paragraph : documentParagraphs(dismissal, englishLongDate)) {
    val runs = val::array();
    for (const TextRun& part : paragraph.runs) {
      val run = val::object();
      run.set("text", part.text);
      run.set("bold", part.bold || paragraph.bold);
      runs.call<void>("push", run);
    }
    val shown = val::object();
    shown.set("runs", runs);
    shown.set("centred", paragraph.centred);
    shown.set("smallCaps", paragraph.smallCaps);
    shown.set("italic", paragraph.italic.value_or(false));
    shown.set("underline", paragraph.underline.value_or(false));
    const int halfPoints = paragraph.halfPoints == 0 ? kDocumentHalfPoints : paragraph.halfPoints;
    shown.set("points", halfPoints / 2.0);
    paragraphs.call<void>("push", shown);
  }
  return paragraphs;
}

// The object of one line of corvane-cli --json, the warning its last key.
std::string jsonOf(const Dismissal& dismissal) {
  std::string json = "{";
  appendDismissalFields(json, dismissal);
  appendWarningField(json, dismissal);
  json += '}';
  return json;
}

// window.corvane.compose, called the most: the object of one line of
// corvane-cli --json, or the message for bad input (which starts with the
// option's name, never with "{"), as UTF-8 in the module's memory, read by
// the caller before the next call.
val composeJson(const PageRequest& request) {
  static std::string answer;
  const Result<Dismissal> page = composed(request);
  answer = page ? jsonOf(*page) : page.error();
  return val{emscripten::typed_memory_view(answer.size(),
                                           reinterpret_cast<const unsigned char*>(answer.data()))};
}

// {json, paragraphs, plainText}: the preview, and what Copy puts on the clipboard.
val preview(const PageRequest& request) {
  const Result<Dismissal> page = composed(request);
  if (!page) return failure(page.error());
  val answer = val::object();
  answer.set("json", jsonOf(*page));
  answer.set("paragraphs", previewParagraphs(*page));
  answer.set("plainText", textLayout(*page, englishLongDate, "\n"));
  return answer;
}

val explain(const PageRequest& request) {
  const Result<Dismissal> page = composed(request, {.explanation = true});
  if (!page) return failure(page.error());
  val answer = val::object();
  answer.set("text", explanationText(*page));
  return answer;
}

Result<Paper> paperNamed(const std::string& name) {
  return namedValue<Paper>("--paper", "paper", name, paperFromName, "letter, a4");
}

// {name: "dismissal-2022-10-08-great-vespers.docx", parts: [{name, bytes}]}.
val documentFile(const PageRequest& request, const std::string& paperName) {
  const Result<Dismissal> page = composed(request);
  if (!page) return failure(page.error());
  const Result<Paper> paper = paperNamed(paperName);
  if (!paper) return failure(paper.error());
  val answer = val::object();
  answer.set("name", documentStem(page->request) + ".docx");
  answer.set("parts", partsOf(wordDocumentParts(std::span{&*page, 1}, englishLongDate, *paper)));
  return answer;
}

// {name: "dismissal-2022-10-08-great-vespers.txt", bytes}.
val textFile(const PageRequest& request) {
  const Result<Dismissal> page = composed(request);
  if (!page) return failure(page.error());
  val answer = val::object();
  answer.set("name", documentStem(page->request) + ".txt");
  answer.set("bytes", bytesOf(textFileBytes(*page, englishLongDate)));
  return answer;
}

// What the form asks beside a service: whether it may be an evening one,
// which note on the date to pick applies, and whether the note on the
// Vesperal Liturgies goes with the evening question.
val serviceForm(const std::string& name) {
  val answer = val::object();
  const std::optional<Service> service = serviceFromName(name);
  if (!service) return failure("--service: unknown service " + inQuotes(name));
  answer.set("mayBeEvening", mayBeEvening(*service));
  answer.set("vesperalNote", *service == Service::basil);
  const bool orthros = *service == Service::orthros || *service == Service::dailyOrthros;
  answer.set("dateNote", std::string{orthros ? "orthros" : "vespers"});
  return answer;
}

// The booklet is kept by the page as the booklet list's own text, the format
// of booklet.txt and of corvane-cli --booklet.
Result<std::vector<ServiceRequest>> bookletEntries(const std::string& list) {
  return readBookletList(list, "booklet");
}

// {list, labels}, the labels in the order of serving.
val bookletShown(const std::vector<ServiceRequest>& entries) {
  val labels = val::array();
  for (const ServiceRequest& entry : entries) labels.call<void>("push", bookletLabel(entry));
  val answer = val::object();
  answer.set("list", bookletListText(entries));
  answer.set("labels", labels);
  return answer;
}

val bookletView(const std::string& list) {
  const auto entries = bookletEntries(list);
  if (!entries) return failure(entries.error());
  return bookletShown(*entries);
}

val bookletAdd(const std::string& list, const PageRequest& request) {
  auto entries = bookletEntries(list);
  if (!entries) return failure(entries.error());
  const Result<ServiceRequest> entry = readServiceRequest(namedRequestOf(request));
  if (!entry) return failure(entry.error());
  if (entries->size() < kMostBookletEntries) addToBooklet(*entries, *entry);
  return bookletShown(*entries);
}

val bookletRemove(const std::string& list, int index) {
  auto entries = bookletEntries(list);
  if (!entries) return failure(entries.error());
  if (index >= 0 && static_cast<std::size_t>(index) < entries->size()) {
    entries->erase(entries->begin() + index);
  }
  return bookletShown(*entries);
}

// The booklet composed for the temple of the request, or the reason it cannot be.
struct ComposedBooklet {
  std::vector<ServiceRequest> entries;
  std::vector<Dismissal> dismissals;
};
Result<ComposedBooklet> composedBooklet(const std::string& list, const PageRequest& temple) {
  auto entries = bookletEntries(list);
  if (!entries) return Failure{entries.error()};
  if (entries->empty()) return Failure{std::string{"booklet: the booklet list holds no service"}};
  const Result<TempleSettings> settings = pageTemple(temple);
  if (!settings) return Failure{settings.error()};
  std::vector<Dismissal> dismissals = composeBooklet(*entries, *settings);
  return ComposedBooklet{std::move(*entries), std::move(dismissals)};
}

std::string bookletName(const std::vector<ServiceRequest>& entries, const char* extension) {
  return bookletStem(entries.front().served, entries.back().served) + extension;
}

val bookletDocument(const std::string& list, const PageRequest& temple,
                    const std::string& paperName) {
  const auto booklet = composedBooklet(list, temple);
  if (!booklet) return failure(booklet.error());
  const Result<Paper> paper = paperNamed(paperName);
  if (!paper) return failure(paper.error());
  val answer = val::object();
  answer.set("name", bookletName(booklet->entries, ".docx"));
  answer.set("parts", partsOf(wordDocumentParts(booklet->dismissals, englishLongDate, *paper)));
  return answer;
}

val bookletTextFile(const std::string& list, const PageRequest& temple) {
  const auto booklet = composedBooklet(list, temple);
  if (!booklet) return failure(booklet.error());
  val answer = val::object();
  answer.set("name", bookletName(booklet->entries, ".txt"));
  answer.set("bytes", bytesOf(textFileBytes(booklet->dismissals, englishLongDate)));
  return answer;
}

// A year of every service variant, composed in a loop inside the module: the
// benchmark's measure of the module's own speed. Returns the count composed.
int composeYear(int year) {
  const TempleSettings temple;
  Dismissal dismissal;
  int count = 0;
  for (const ServiceVariant& variant : kNineServiceVariants) {
    for (Date date = std::chrono::year{year} / 1 / 1; date <= std::chrono::year{year} / 12 / 31;
         date += days{1}) {
      compose(variant.on(date), temple, dismissal);
      ++count;
    }
  }
  return count;
}

}  // namespace

// The functions that take a request are wrapped by module_api.js, which
// turns the page's request object into a PageRequest.
EMSCRIPTEN_BINDINGS(corvane) {
  emscripten::value_array<PageRequest>("PageRequest")
      .element(&PageRequest::service)
      .element(&PageRequest::date)
      .element(&PageRequest::evening)
      .element(&PageRequest::calendar)
      .element(&PageRequest::patron)
      .element(&PageRequest::patronText)
      .element(&PageRequest::bishop)
      .element(&PageRequest::given)
      .element(&PageRequest::commemorations);
  emscripten::function("composeFields", &composeJson);
  emscripten::function("previewFields", &preview);
  emscripten::function("explainFields", &explain);
  emscripten::function("documentFileFields", &documentFile);
  emscripten::function("textFileFields", &textFile);
  emscripten::function("bookletAddFields", &bookletAdd);
  emscripten::function("bookletDocumentFields", &bookletDocument);
  emscripten::function("bookletTextFileFields", &bookletTextFile);
  emscripten::function("serviceForm", &serviceForm);
  emscripten::function("bookletView", &bookletView);
  emscripten::function("bookletRemove", &bookletRemove);
  emscripten::function("composeYear", &composeYear);
}

}  // namespace corvane
