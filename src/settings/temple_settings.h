#pragma once

#include <optional>
#include <string>

#include "settings/local_commemorations.h"
#include "settings/patron.h"
#include "settings/temple_calendar.h"

namespace corvane {

// The temple's answers, read by every composition: its patron (one of the
// temple window's options, or none named), the bishop's presence, the
// calendar it keeps and the parish's own commemorations. A temple of the Holy
// Trinity, the Lord, the Holy Spirit, the Theotokos, the Ancestors of God or
// All Saints adds no clause, since the fixed sentence names each of them
// already.
struct TempleSettings {
  std::optional<Patron> patron;  // none: no patron named
  std::string patronText;        // the typed phrase of Patron::typed, one line (cleanTypedPhrase)
  bool bishopPresent = false;
  TempleCalendar calendar = TempleCalendar::newCalendar;
  LocalCommemorations commemorations;  // joined to the saints of their days

  bool patronIs(Patron which) const { return patron == which; }
};

// Sets the patron; the phrase, cleaned, is kept only for a typed patron.
void choosePatron(TempleSettings& settings, Patron patron, std::string typedText = {});

}  // namespace corvane
