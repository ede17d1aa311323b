#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <tl/expected.hpp>

#include "settings/patron.h"
#include "settings/temple_calendar.h"
#include "state/date.h"
#include "state/service.h"

namespace corvane {

// A value read from a name as the command line names it, or the command
// line's message for what was given instead: the page reports the same
// words for the same bad input.
template <typename Value>
using Named = tl::expected<Value, std::string>;

// Each takes what was given, nothing when the option was left out.
Named<Service> namedService(const std::optional<std::string>& given);
Named<Date> namedDate(std::string_view option, const std::optional<std::string>& given);
Named<TempleCalendar> namedCalendar(const std::optional<std::string>& given);
Named<Patron> namedPatron(const std::string& given);
// A typed patron phrase, cleaned as the program keeps it.
Named<std::string> namedPatronText(const std::string& given);

// Nothing when the service may be served as asked, else the message.
std::optional<std::string> eveningProblem(Service service, bool evening);
inline constexpr const char* kPatronAndText =
    "--patron and --patron-text: give one of them, not both";

// A name of a list, in any letter case; `valid` lists the names for the message.
template <typename Value>
Named<Value> namedValue(std::string_view option, std::string_view what, std::string_view given,
                        std::optional<Value> (*fromName)(std::string_view),
                        std::string_view valid);

}  // namespace corvane
