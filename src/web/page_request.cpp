#include "web/page_request.h"

#include <optional>
#include <string>

using emscripten::val;

namespace corvane {

namespace {

bool given(const val& field) {
  return !field.isUndefined() && !field.isNull();
}

// A field of the request; anything but an object holds no field at all.
val fieldOf(const val& request, const char* name) {
  if (!given(request) || request.typeOf().as<std::string>() != "object") return val::undefined();
  return request[name];
}

// A field as the text an option would hold: a number or a Boolean given by a
// script reads as it would on a command line.
std::optional<std::string> textOf(const val& request, const char* name) {
  const val field = fieldOf(request, name);
  if (!given(field)) return std::nullopt;
  if (field.isString()) return field.as<std::string>();
  return val::global("String")(field).as<std::string>();
}

bool flagOf(const val& request, const char* name) {
  const val field = fieldOf(request, name);
  return given(field) && field.as<bool>();
}

}  // namespace

// In the order in which the command line checks its options, so that the
// first problem named is the same.
Result<BookletEntry> pageService(const val& request) {
  BookletEntry entry;
  const Result<Service> service = namedService(textOf(request, "service"));
  if (!service) return Failure{service.error()};
  entry.service = *service;
  entry.evening = flagOf(request, "evening");
  if (const Done evening = checkEvening(entry.service, entry.evening); !evening) {
    return Failure{evening.error()};
  }
  const Result<Date> date = namedDate("--date", textOf(request, "date"));
  if (!date) return Failure{date.error()};
  entry.picked = *date;
  return entry;
}

Result<TempleSettings> pageTemple(const val& request) {
  TempleSettings temple;
  const std::optional<std::string> patron = textOf(request, "patron");
  const std::optional<std::string> patronText = textOf(request, "patronText");
  if (patron && patronText) return Failure{std::string{kPatronAndText}};
  if (patron) {
    const Result<Patron> listed = namedPatron(*patron);
    if (!listed) return Failure{listed.error()};
    choosePatron(temple, *listed);
  }
  if (patronText) {
    Result<std::string> phrase = namedPatronText(*patronText);
    if (!phrase) return Failure{phrase.error()};
    choosePatron(temple, Patron::typed, std::move(*phrase));
  }
  temple.bishopPresent = flagOf(request, "bishop");
  const Result<TempleCalendar> calendar = namedCalendar(textOf(request, "calendar"));
  if (!calendar) return Failure{calendar.error()};
  temple.calendar = *calendar;
  return temple;
}

}  // namespace corvane
