// Reading back what the page keeps in the browser: the booklet list as the
// requests the page composes, and a typed patron phrase cleaned as the
// program keeps it. Bound apart from the compositions of page_api.cpp.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <vector>

#include "composer/booklet.h"
#include "interchange/booklet_notes.h"
#include "settings/patron.h"
#include "state/picked_date.h"
#include "state/service.h"

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

}  // namespace

EMSCRIPTEN_BINDINGS(corvane_stored) {
  emscripten::function("bookletRequests", &bookletRequests);
  emscripten::function("typedPhrase", &typedPhrase);
}

}  // namespace corvane
