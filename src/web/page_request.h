#pragma once

#include <string>

#include "interchange/named_request.h"

namespace corvane {

// The page's request, {service, date, evening, calendar, patron, patronText,
// bishop, commemorations}, as module_api.js hands it over: each field as the text its
// command-line option would hold, and which of them were given at all.
struct PageRequest {
  std::string service;
  std::string date;
  bool evening = false;
  std::string calendar;
  std::string patron;
  std::string patronText;
  bool bishop = false;
  int given = 0;  // a bit for each option given, in the order of PageOption
  // The parish's own commemorations, the text of a commemorations.txt, as the
  // page keeps it; empty for none.
  std::string commemorations;
};
enum PageOption { kService = 1, kDate = 2, kCalendar = 4, kPatron = 8, kPatronText = 16 };

// The same request as the command line's reader takes it.
NamedRequest namedRequestOf(const PageRequest& request);

// The temple of the request, read as the command line reads it, with the
// page's commemorations ("commemorations.txt" to the rules that name their
// lines); a line that cannot be read is left out, as corvane-cli leaves it.
[[nodiscard]] Result<TempleSettings> pageTemple(const PageRequest& request);

// The name the page gives its list of commemorations.
inline constexpr const char* kPageCommemorationsName = "commemorations.txt";

}  // namespace corvane
