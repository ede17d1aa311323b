#include "cli/temple_explanation.h"

#include <array>
#include <utility>

#include "base/name_table.h"
#include "settings/patron.h"

namespace corvane {

namespace {

// How an explanation names the temple's patron.
constexpr std::array<std::pair<Patron, std::string_view>, 14> kPatronTitles = {{
    {Patron::trinity, "the Holy Trinity"},
    {Patron::lord, "the Lord Jesus Christ"},
    {Patron::holySpirit, "the Holy Spirit"},
    {Patron::theotokos, "the Theotokos"},
    {Patron::cross, "the Holy Cross"},
    {Patron::archangels, "the Holy Archangels"},
    {Patron::forerunner, "St. John the Forerunner"},
    {Patron::apostles, "the Twelve Apostles"},
    {Patron::ancestors, "the Ancestors of God"},
    {Patron::allSaints, "All Saints"},
    {Patron::chrysostom, "St. John Chrysostom"},
    {Patron::basil, "St. Basil the Great"},
    {Patron::gregory, "St. Gregory the Dialogist"},
    {Patron::nicholas, "St. Nicholas"},
}};

std::string_view sourceWords(TempleSource source) {
  return source == TempleSource::window ? "(saved by the window)" : "(from the command line)";
}

// A typed phrase in quotes; it is one line, as every typed phrase is kept.
std::string patronWords(const TempleSettings& temple) {
  if (!temple.patron) return "no patron named";
  if (*temple.patron != Patron::typed) return std::string{nameIn(kPatronTitles, *temple.patron)};
  std::string quoted = "\"";
  quoted += temple.patronText;
  quoted += '"';
  return quoted;
}

}  // namespace

std::string templeExplanationLine(const TempleSettings& temple, const TempleOrigin& origin) {
  std::string line = "Temple: " + patronWords(temple);
  if (origin.patron != origin.calendar) {
    line += ' ';
    line += sourceWords(origin.patron);
  }
  line += ", ";
  line += calendarName(temple.calendar);
  line += " calendar ";
  line += sourceWords(origin.calendar);
  if (temple.bishopPresent) line += "; a bishop present";
  line += "\n";
  if (!origin.commemorationsFile.empty()) {
    line += "Commemorations: " + origin.commemorationsFile + " ";
    line += sourceWords(origin.commemorations);
    line += "\n";
  }
  return line;
}

nlohmann::ordered_json templeJson(const TempleSettings& temple, const TempleOrigin& origin) {
  nlohmann::ordered_json json;
  json["calendar"] = std::string{calendarName(temple.calendar)};
  if (temple.patronIs(Patron::typed)) {
    json["patronText"] = temple.patronText;
  } else if (temple.patron) {
    json["patron"] = std::string{patronName(*temple.patron)};
  } else {
    json["patron"] = nullptr;
  }
  json["bishop"] = temple.bishopPresent;
  const bool window = origin.calendar == TempleSource::window;
  if (window == (origin.patron == TempleSource::window)) {
    json["source"] = window ? "window" : "command line";
  } else {
    json["source"] = "window and command line";
  }
  if (!origin.commemorationsFile.empty()) {
    json["commemorations"] = {
        {"file", origin.commemorationsFile},
        {"source", origin.commemorations == TempleSource::window ? "window" : "command line"}};
  }
  return json;
}

}  // namespace corvane
