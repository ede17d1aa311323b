#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

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

// The names used on the command line ("holy-spirit"), in the order of the
// temple window; a typed patron has none.
inline constexpr std::array<std::pair<Patron, std::string_view>, 14> kPatronNames = {{
    {Patron::trinity, "trinity"},
    {Patron::lord, "lord"},
    {Patron::holySpirit, "holy-spirit"},
    {Patron::theotokos, "theotokos"},
    {Patron::cross, "cross"},
    {Patron::archangels, "archangels"},
    {Patron::forerunner, "forerunner"},
    {Patron::apostles, "apostles"},
    {Patron::ancestors, "ancestors"},
    {Patron::allSaints, "all-saints"},
    {Patron::chrysostom, "chrysostom"},
    {Patron::basil, "basil"},
    {Patron::gregory, "gregory"},
    {Patron::nicholas, "nicholas"},
}};
std::string_view patronName(Patron patron);
std::optional<Patron> patronFromName(std::string_view name);

// A typed line break (CR LF, CR or LF) is held as one LF.
std::string normalizeLineBreaks(std::string_view text);

// A typed patron phrase as it is stored and used: line breaks held as LF,
// control characters other than line breaks and tabs dropped (so that no
// output carries one), and blanks, tabs and line breaks at either end left
// off. Empty when nothing else was typed.
std::string cleanTypedPhrase(std::string_view typed);

}  // namespace corvane
