#include "interchange/named_request.h"

#include "base/messages.h"
#include "base/name_table.h"
#include "output/paper.h"
#include "text/utf8.h"
#include "state/picked_date.h"

namespace corvane {

template <typename Value>
Result<Value> namedValue(std::string_view option, std::string_view what, std::string_view given,
                         std::optional<Value> (*fromName)(std::string_view),
                         std::string_view valid) {
  const std::string list = " (one of " + std::string{valid} + ")";
  if (given.empty()) return Failure{std::string{option} + ": give a " + std::string{what} + list};
  const std::optional<Value> value = fromName(asciiLowercase(given));
  if (!value) {
    return Failure{std::string{option} + ": unknown " + std::string{what} + " " + inQuotes(given) +
                   list};
  }
  return *value;
}

template Result<Paper> namedValue(std::string_view, std::string_view, std::string_view,
                                  std::optional<Paper> (*)(std::string_view), std::string_view);

namespace {

Result<Service> namedService(const std::optional<std::string>& given) {
  if (!given) {
    return Failure{"--service: give the service (one of " + namesOf(kServiceNames) +
                   "), or --booklet FILE"};
  }
  return namedValue<Service>("--service", "service", *given, serviceFromName,
                             namesOf(kServiceNames));
}

Result<std::string> namedPatronText(const std::string& given) {
  if (!isValidUtf8(given)) return Failure{"--patron-text: the text is not valid UTF-8"};
  std::string phrase = cleanTypedPhrase(given);
  if (phrase.empty()) {
    return Failure{"--patron-text: the patron phrase is empty; type the patron's name"};
  }
  return phrase;
}

}  // namespace

Result<Date> namedDate(std::string_view option, const std::optional<std::string>& given) {
  if (!given) {
    return Failure{std::string{option} +
                   ": give the date on which the service is served, as YYYY-MM-DD"};
  }
  const Result<Date> picked = readPickedDate(*given);
  if (!picked) return Failure{std::string{option} + ": " + picked.error()};
  return *picked;
}

Result<ServiceRequest> readServiceRequest(const NamedRequest& named) {
  const Result<Service> service = namedService(named.service);
  if (!service) return Failure{service.error()};
  if (named.evening && !mayBeEvening(*service)) {
    return Failure{
        "--evening: only the Divine Liturgies (chrysostom, basil) are served in the evening"};
  }
  const Result<Date> date = namedDate("--date", named.date);
  if (!date) return Failure{date.error()};
  return ServiceRequest{*date, *service, named.evening};
}

Result<TempleSettings> readTemple(const NamedRequest& named) {
  TempleSettings temple;
  if (named.patron && named.patronText) {
    return Failure{"--patron and --patron-text: give one of them, not both"};
  }
  if (named.patron) {
    const Result<Patron> patron = namedValue<Patron>("--patron", "patron", *named.patron,
                                                     patronFromName, namesOf(kPatronNames));
    if (!patron) return Failure{patron.error()};
    choosePatron(temple, *patron);
  }
  if (named.patronText) {
    Result<std::string> phrase = namedPatronText(*named.patronText);
    if (!phrase) return Failure{phrase.error()};
    choosePatron(temple, Patron::typed, std::move(*phrase));
  }
  temple.bishopPresent = named.bishop;
  if (named.calendar) {
    const Result<TempleCalendar> calendar = namedValue<TempleCalendar>(
        "--calendar", "calendar", *named.calendar, calendarFromName, "new, old");
    if (!calendar) return Failure{calendar.error()};
    temple.calendar = *calendar;
  }
  return temple;
}

}  // namespace corvane
