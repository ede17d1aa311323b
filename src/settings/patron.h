#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/temple_settings.h"

namespace corvane {

// The temple's patron as the temple window offers it: fourteen listed patrons
// or a typed phrase ("NONE OF THE ABOVE").
enum class Patron {
  trinity,
  lord,
  holySpirit,
  theotokos,
  cross,
  archangels,
  forerunner,
  apostles,
  ancestors,
  allSaints,
  chrysostom,
  basil,
  gregory,
  nicholas,
  typed,
};

// Sets the patron flags: at most one is set, none for the six patrons that the
// fixed sentence names already; patronText is kept only for a typed patron.
void choosePatron(TempleSettings& settings, Patron patron, std::string typedText = {});

// The names used on the command line ("holy-spirit"); a typed patron has none.
std::string_view patronName(Patron patron);
std::optional<Patron> patronFromName(std::string_view name);
// The fourteen names, in the order of the temple window: "trinity, lord, …".
std::string allPatronNames();

// A typed line break (CR LF, CR or LF) is held as one LF.
std::string normalizeLineBreaks(std::string_view text);

// A typed patron phrase as it is stored and used: line breaks held as LF,
// control characters other than line breaks and tabs dropped (so that no
// output carries one), and blanks, tabs and line breaks at either end left
// off. Empty when nothing else was typed.
std::string cleanTypedPhrase(std::string_view typed);

}  // namespace corvane
