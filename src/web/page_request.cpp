#include "web/page_request.h"

#include <optional>
#include <string>

using emscripten::val;

namespace corvane {

namespace {

bool given(const val& field) {
  return !field.isUndefined() && !field.isNull();
}

// A field as the text an option would hold: a number or a Boolean given by a
// script reads as it would on a command line.
std::optional<std::string> textOf(const val& request, const char* name) {
  const val field = request[name];
  if (!given(field)) return std::nullopt;
  if (field.isString()) return field.as<std::string>();
  return val::global("String")(field).as<std::string>();
}

bool flagOf(const val& request, const char* name) {
  const val field = request[name];
  return given(field) && field.as<bool>();
}

}  // namespace

// In the order in which the command line checks its options, so that the
// first problem named is the same.
Named<BookletEntry> pageService(const val& request) {
  BookletEntry entry;
  const Named<Service> service = namedService(textOf(request, "service"));
  if (!service) return tl::unexpected{service.error()};
  entry.service = *service;
  entry.evening = flagOf(request, "evening");
  if (auto problem = eveningProblem(entry.service, entry.evening)) return tl::unexpected{*problem};
  const Named<Date> date = namedDate("--date", textOf(request, "date"));
  if (!date) return tl::unexpected{date.error()};
  entry.picked = *date;
  return entry;
}

Named<TempleSettings> pageTemple(const val& request) {
  TempleSettings temple;
  const std::optional<std::string> patron = textOf(request, "patron");
  const std::optional<std::string> patronText = textOf(request, "patronText");
  if (patron && patronText) return tl::unexpected{std::string{kPatronAndText}};
  if (patron) {
    const Named<Patron> listed = namedPatron(*patron);
    if (!listed) return tl::unexpected{listed.error()};
    choosePatron(temple, *listed);
  }
  if (patronText) {
    Named<std::string> phrase = namedPatronText(*patronText);
    if (!phrase) return tl::unexpected{phrase.error()};
    choosePatron(temple, Patron::typed, std::move(*phrase));
  }
  temple.bishopPresent = flagOf(request, "bishop");
  const Named<TempleCalendar> calendar = namedCalendar(textOf(request, "calendar"));
  if (!calendar) return tl::unexpected{calendar.error()};
  temple.calendar = *calendar;
  return temple;
}

}  // namespace corvane
