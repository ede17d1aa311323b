#include "cli/temple_explanation.h"

#include <algorithm>
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

// How the line and the JSON name each source, in the order in which the
// JSON joins two ("window and command line").
struct SourceNames {
  TempleSource source;
  std::string_view words;
  std::string_view json;
};
constexpr std::array<SourceNames, 3> kSourceNames = {{
    {TempleSource::window, "(saved by the window)", "window"},
    {TempleSource::commandLine, "(from the command line)", "command line"},
    {TempleSource::defaults, "(the defaults)", "defaults"},
}};

const SourceNames& namesOf(TempleSource source) {
  return *std::find_if(kSourceNames.begin(), kSourceNames.end(),
                       [source](const SourceNames& names) { return names.source == source; });
}

// A typed phrase in quotes; it is one line, as every typed phrase is kept.
std::string patronWords(const TempleSettings& temple, TempleSource source) {
  if (!temple.patron) return source == TempleSource::defaults ? "no patron" : "no patron named";
  if (*temple.patron != Patron::typed) return std::string{nameIn(kPatronTitles, *temple.patron)};
  std::string quoted = "\"";
  quoted += temple.patronText;
  quoted += '"';
  return quoted;
}

}  // namespace

std::string templeExplanationLine(const TempleSettings& temple, const TempleOrigin& origin) {
  std::string line = "Temple: " + patronWords(temple, origin.patron);
  if (origin.patron != origin.calendar) {
    line += ' ';
    line += namesOf(origin.patron).words;
  }
  line += ", ";
  line += calendarName(temple.calendar);
  line += " calendar ";
  line += namesOf(origin.calendar).words;
  if (temple.bishopPresent) line += "; a bishop present";
  line += "\n";
  if (!origin.commemorationsFile.empty()) {
    line += "Commemorations: " + origin.commemorationsFile + " ";
    line += namesOf(origin.commemorations).words;
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
  std::string source;
  for (const SourceNames& names : kSourceNames) {
    if (names.source != origin.calendar && names.source != origin.patron) continue;
    if (!source.empty()) source += " and ";
    source += names.json;
  }
  json["source"] = source;
  if (!origin.commemorationsFile.empty()) {
    json["commemorations"] = {{"file", origin.commemorationsFile},
                              {"source", namesOf(origin.commemorations).json}};
  }
  return json;
}

}  // namespace corvane
