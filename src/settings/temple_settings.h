#pragma once

#include <string>

#include "settings/temple_calendar.h"

namespace corvane {

// The program-wide answers of the temple window. At most one patron flag is set at a
// time; a temple of the Holy Trinity, the Lord, the Holy Spirit, the Theotokos,
// the Ancestors of God or All Saints sets none, since the fixed sentence names
// each of them already.
struct TempleSettings {
  bool patronArchangels = false;
  bool patronForerunner = false;
  bool patronCross = false;
  bool patronApostles = false;
  bool patronNicholas = false;
  bool patronGregory = false;
  bool patronChrysostom = false;
  bool patronBasil = false;
  bool patronTyped = false;  // "NONE OF THE ABOVE": the patron is patronText
  bool bishopPresent = false;
  TempleCalendar calendar = TempleCalendar::newCalendar;
  std::string patronText;  // as typed, a line break held as LF
};

}  // namespace corvane
