#include "web/page_request.h"

#include <optional>

#include "interchange/named_request.h"

namespace corvane {

namespace {

std::optional<std::string> option(const PageRequest& request, PageOption which,
                                  const std::string& text) {
  if ((request.given & which) == 0) return std::nullopt;
  return text;
}

}  // namespace

Result<BookletEntry> pageService(const PageRequest& request) {
  BookletEntry entry;
  const Result<Service> service = namedService(option(request, kService, request.service));
  if (!service) return Failure{service.error()};
  entry.service = *service;
  entry.evening = request.evening;
  if (const Done evening = checkEvening(entry.service, entry.evening); !evening) {
    return Failure{evening.error()};
  }
  const Result<Date> date = namedDate("--date", option(request, kDate, request.date));
  if (!date) return Failure{date.error()};
  entry.picked = *date;
  return entry;
}

Result<TempleSettings> pageTemple(const PageRequest& request) {
  TempleSettings temple;
  const std::optional<std::string> patron = option(request, kPatron, request.patron);
  const std::optional<std::string> patronText = option(request, kPatronText, request.patronText);
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
  temple.bishopPresent = request.bishop;
  const Result<TempleCalendar> calendar =
      namedCalendar(option(request, kCalendar, request.calendar));
  if (!calendar) return Failure{calendar.error()};
  temple.calendar = *calendar;
  return temple;
}

}  // namespace corvane
