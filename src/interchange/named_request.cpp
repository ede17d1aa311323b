#include "interchange/named_request.h"

#include <algorithm>
#include <cctype>

#include "output/paper.h"
#include "output/utf8.h"
#include "state/picked_date.h"

namespace corvane {

namespace {

std::string lowered(std::string_view text) {
  std::string lower{text};
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

tl::unexpected<std::string> problem(std::string message) {
  return tl::unexpected<std::string>{std::move(message)};
}

}  // namespace

template <typename Value>
Named<Value> namedValue(std::string_view option, std::string_view what, std::string_view given,
                        std::optional<Value> (*fromName)(std::string_view),
                        std::string_view valid) {
  const std::string list = " (one of " + std::string{valid} + ")";
  if (given.empty()) return problem(std::string{option} + ": give a " + std::string{what} + list);
  const std::optional<Value> value = fromName(lowered(given));
  if (!value) {
    return problem(std::string{option} + ": unknown " + std::string{what} + " " + inQuotes(given) +
                   list);
  }
  return *value;
}

template Named<Paper> namedValue(std::string_view, std::string_view, std::string_view,
                                 std::optional<Paper> (*)(std::string_view), std::string_view);

Named<Service> namedService(const std::optional<std::string>& given) {
  if (!given) {
    return problem("--service: give the service (one of " + allServiceNames() +
                   "), or --booklet FILE");
  }
  return namedValue<Service>("--service", "service", *given, serviceFromName, allServiceNames());
}

Named<Date> namedDate(std::string_view option, const std::optional<std::string>& given) {
  if (!given) {
    return problem(std::string{option} +
                   ": give the date on which the service is served, as YYYY-MM-DD");
  }
  PickedDate picked = readPickedDate(*given);
  if (!picked.date) return problem(std::string{option} + ": " + picked.problem);
  return *picked.date;
}

Named<TempleCalendar> namedCalendar(const std::optional<std::string>& given) {
  if (!given) return TempleCalendar::newCalendar;
  return namedValue<TempleCalendar>("--calendar", "calendar", *given, calendarFromName, "new, old");
}

Named<Patron> namedPatron(const std::string& given) {
  return namedValue<Patron>("--patron", "patron", given, patronFromName, allPatronNames());
}

Named<std::string> namedPatronText(const std::string& given) {
  if (!isValidUtf8(given)) return problem("--patron-text: the text is not valid UTF-8");
  std::string phrase = cleanTypedPhrase(given);
  if (phrase.empty()) {
    return problem("--patron-text: the patron phrase is empty; type the patron's name");
  }
  return phrase;
}

std::optional<std::string> eveningProblem(Service service, bool evening) {
  if (evening && !mayBeEvening(service)) {
    return "--evening: only the Divine Liturgies (chrysostom, basil) are served in the evening";
  }
  return std::nullopt;
}

}  // namespace corvane
