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

// A typed line break (CR LF, CR or LF) is held as one LF.
std::string normalizeLineBreaks(std::string_view text);

}  // namespace corvane
