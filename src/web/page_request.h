#pragma once

#include <string>

#include "base/result.h"
#include "composer/booklet.h"
#include "settings/temple_settings.h"

namespace corvane {

// The page's request, {service, date, evening, calendar, patron, patronText,
// bishop}, as module_api.js hands it over: each field as the text its
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
};
enum PageOption { kService = 1, kDate = 2, kCalendar = 4, kPatron = 8, kPatronText = 16 };

// Read as corvane-cli reads its options, in its order, so that bad input
// gives the command line's message for its first problem.
[[nodiscard]] Result<BookletEntry> pageService(const PageRequest& request);
[[nodiscard]] Result<TempleSettings> pageTemple(const PageRequest& request);

}  // namespace corvane
