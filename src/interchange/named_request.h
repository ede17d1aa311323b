#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"
#include "settings/patron.h"
#include "settings/temple_calendar.h"
#include "state/date.h"
#include "state/service.h"

namespace corvane {

// Values read from names as the command line names them, or the command
// line's message for what was given instead: the page reports the same words
// for the same bad input. Each takes what was given, nothing when the option
// was left out.
[[nodiscard]] Result<Service> namedService(const std::optional<std::string>& given);
[[nodiscard]] Result<Date> namedDate(std::string_view option,
                                     const std::optional<std::string>& given);
[[nodiscard]] Result<TempleCalendar> namedCalendar(const std::optional<std::string>& given);
[[nodiscard]] Result<Patron> namedPatron(const std::string& given);
// A typed patron phrase, cleaned as the program keeps it.
[[nodiscard]] Result<std::string> namedPatronText(const std::string& given);

// Whether the service may be served in the evening when so asked.
[[nodiscard]] Done checkEvening(Service service, bool evening);
inline constexpr const char* kPatronAndText =
    "--patron and --patron-text: give one of them, not both";

// A name of a list, in any letter case; `valid` lists the names for the message.
template <typename Value>
[[nodiscard]] Result<Value> namedValue(std::string_view option, std::string_view what,
                                       std::string_view given,
                                       std::optional<Value> (*fromName)(std::string_view),
                                       std::string_view valid);

}  // namespace corvane
