#pragma once

#include <string>

#include "interchange/named_request.h"

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

// The same request as the command line's reader takes it.
NamedRequest namedRequestOf(const PageRequest& request);

}  // namespace corvane
