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

// A typed patron phrase as it is stored and used, wherever it was typed or
// read back: one line, so that no output breaks or reverses a line of the
// dismissal. A line break (CR LF, CR, LF, U+0085, U+2028, U+2029) and a tab
// each become one blank; the other control characters and the bidirectional
// controls (U+061C, U+200E, U+200F, U+202A to U+202E, U+2066 to U+2069) are
// dropped; blanks at either end are left off, and no other blank is changed.
// Empty when nothing else was typed. UTF-8 in and out.
std::string cleanTypedPhrase(std::string_view typed);

}  // namespace corvane
