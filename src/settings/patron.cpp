#include "settings/patron.h"

#include <array>
#include <utility>

#include "settings/name_table.h"

namespace corvane {

namespace {

constexpr std::array<std::pair<Patron, std::string_view>, 14> kPatronNames = {{
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

}  // namespace

void choosePatron(TempleSettings& settings, Patron patron, std::string typedText) {
  settings.patronArchangels = patron == Patron::archangels;
  settings.patronForerunner = patron == Patron::forerunner;
  settings.patronCross = patron == Patron::cross;
  settings.patronApostles = patron == Patron::apostles;
  settings.patronNicholas = patron == Patron::nicholas;
  settings.patronGregory = patron == Patron::gregory;
  settings.patronChrysostom = patron == Patron::chrysostom;
  settings.patronBasil = patron == Patron::basil;
  settings.patronTyped = patron == Patron::typed;
  if (settings.patronTyped) {
    settings.patronText = std::move(typedText);
  } else {
    settings.patronText.clear();
  }
}

std::string_view patronName(Patron patron) {
  return nameIn(kPatronNames, patron);
}

std::optional<Patron> patronFromName(std::string_view name) {
  return valueIn<Patron>(kPatronNames, name);
}

std::string normalizeLineBreaks(std::string_view text) {
  std::string held;
  held.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      held.push_back('\n');
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      held.push_back(text[i]);
    }
  }
  return held;
}

}  // namespace corvane
