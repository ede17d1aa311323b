#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"
#include "settings/patron.h"
#include "settings/temple_calendar.h"

namespace corvane {

// What the temple window remembers between starts: the calendar and the
// selected patron option. The typed phrase itself is kept in "inpat.txt".
struct TempleChoices {
  TempleCalendar calendar = TempleCalendar::newCalendar;
  Patron patron = Patron::typed;  // "NONE OF THE ABOVE", as on a first start
  friend bool operator==(const TempleChoices&, const TempleChoices&) = default;
};

// The names the settings file holds for a patron option: the command line's
// name, or "typed" for "NONE OF THE ABOVE".
std::string_view patronChoiceName(Patron patron);
std::optional<Patron> patronChoiceFromName(std::string_view name);

// "corvane.ini", as every version has written it:
//   [temple]
//   calendar=old
//   patron=nicholas
std::string templeIniText(const TempleChoices& choices);

// The choices in the text of "corvane.ini"; nothing when it holds none. Read
// as the earlier versions (through Qt's INI reader) read it: LF, CR LF or CR,
// a byte-order mark, blanks around the '=', values in double quotes, comments
// after ';' or '#', other sections and names left alone, the last value of a
// name winning; names and values in any letter case. A line that is no
// setting, or an unknown value, gives the reason it cannot be read
// ("unknown calendar 'julian'").
[[nodiscard]] Result<std::optional<TempleChoices>> readTempleIni(std::string_view text);

}  // namespace corvane
