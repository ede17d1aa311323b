#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"
#include "settings/patron.h"
#include "settings/temple_calendar.h"

namespace corvane {

// What the temple window remembers between starts: the calendar and the
// selected patron option. The typed phrase itself stays in "inpat.txt".
struct TempleChoices {
  TempleCalendar calendar = TempleCalendar::newCalendar;
  Patron patron = Patron::typed;  // "NONE OF THE ABOVE", as on a first start
  friend bool operator==(const TempleChoices&, const TempleChoices&) = default;
};

// The names the settings file holds: "new", "old"; a patron's command-line
// name, or "typed" for "NONE OF THE ABOVE".
std::string_view patronChoiceName(Patron patron);
std::optional<Patron> patronChoiceFromName(std::string_view name);

// Where the choices are kept. Both report failures as a message naming the
// file: a file that cannot be read, or holds an unknown value, gives nothing.
class TempleChoicesStore {
 public:
  virtual ~TempleChoicesStore() = default;
  // The stored choices; nothing when none are stored yet.
  [[nodiscard]] virtual Result<std::optional<TempleChoices>> load() = 0;
  [[nodiscard]] virtual Done save(const TempleChoices& choices) = 0;
};

}  // namespace corvane
