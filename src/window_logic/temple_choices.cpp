#include "window_logic/temple_choices.h"

namespace corvane {

namespace {
constexpr std::string_view kTyped = "typed";
}

std::string_view patronChoiceName(Patron patron) {
  return patron == Patron::typed ? kTyped : patronName(patron);
}

std::optional<Patron> patronChoiceFromName(std::string_view name) {
  if (name == kTyped) return Patron::typed;
  return patronFromName(name);
}

}  // namespace corvane
