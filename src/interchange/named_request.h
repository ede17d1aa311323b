#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"
#include "settings/temple_settings.h"
#include "state/date.h"
#include "state/service.h"

namespace corvane {

// A request as the command line's options name it: each field the text its
// option holds, nothing where the option was left out. The command line and
// the page read their requests through it, so the same bad input gives the
// same message, that of its first problem in the command line's order.
struct NamedRequest {
  std::optional<std::string> service;     // --service
  bool evening = false;                   // --evening
  std::optional<std::string> date;        // --date
  std::optional<std::string> patron;      // --patron
  std::optional<std::string> patronText;  // --patron-text
  bool bishop = false;                    // --bishop
  std::optional<std::string> calendar;    // --calendar
};

// The service, the evening choice and the date, in that order.
[[nodiscard]] Result<ServiceRequest> readServiceRequest(const NamedRequest& named);
// The patron or the typed patron, the bishop and the calendar, in that order;
// what is not named is the default (no patron, no bishop, the new calendar).
[[nodiscard]] Result<TempleSettings> readTemple(const NamedRequest& named);

// A date as the command line reads it, the message naming the option.
[[nodiscard]] Result<Date> namedDate(std::string_view option,
                                     const std::optional<std::string>& given);

// A name of a list, in any letter case; `valid` lists the names for the message.
template <typename Value>
[[nodiscard]] Result<Value> namedValue(std::string_view option, std::string_view what,
                                       std::string_view given,
                                       std::optional<Value> (*fromName)(std::string_view),
                                       std::string_view valid);

}  // namespace corvane
