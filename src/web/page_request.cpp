#include "web/page_request.h"

#include <optional>

namespace corvane {

namespace {

std::optional<std::string> option(const PageRequest& request, PageOption which,
                                  const std::string& text) {
  if ((request.given & which) == 0) return std::nullopt;
  return text;
}

}  // namespace

NamedRequest namedRequestOf(const PageRequest& request) {
  return {.service = option(request, kService, request.service),
          .evening = request.evening,
          .date = option(request, kDate, request.date),
          .patron = option(request, kPatron, request.patron),
          .patronText = option(request, kPatronText, request.patronText),
          .bishop = request.bishop,
          .calendar = option(request, kCalendar, request.calendar)};
}

Result<TempleSettings> pageTemple(const PageRequest& request) {
  Result<TempleSettings> temple = readTemple(namedRequestOf(request));
  if (!temple || request.commemorations.empty()) return temple;
  // The page composes many times with one list: it is read once.
  static std::string readText;
  static LocalCommemorations read;
  if (request.commemorations != readText) {
    read =
        commemorationsOf(readCommemorationsText(request.commemorations), kPageCommemorationsName);
    readText = request.commemorations;
  }
  temple->commemorations = read;
  return temple;
}

}  // namespace corvane
