#include "cli/saved_temple_choice.h"

#include "settings/patron.h"

namespace corvane {

TempleOrigin namedOrigin(const TempleNamed& named) {
  const auto source = [](bool given) {
    return given ? TempleSource::commandLine : TempleSource::defaults;
  };
  return {.calendar = source(named.calendar), .patron = source(named.patron)};
}

SavedTempleUse completeWithSavedTemple(TempleSettings& temple, const TempleNamed& named,
                                       const SavedTemple& saved) {
  SavedTempleUse use{.origin = namedOrigin(named), .problems = {}};
  if (named.calendar && named.patron) return use;
  const Result<std::optional<TempleChoices>> choices = saved.readChoices();
  if (!choices) {
    use.problems.push_back(choices.error());
    return use;
  }
  if (!choices->has_value()) return use;
  const TempleChoices& chosen = **choices;

  if (!named.calendar) {
    temple.calendar = chosen.calendar;
    use.origin.calendar = TempleSource::window;
  }
  if (named.patron) return use;
  if (chosen.patron != Patron::typed) {
    choosePatron(temple, chosen.patron);
    use.origin.patron = TempleSource::window;
    return use;
  }
  // "NONE OF THE ABOVE" without a phrase names no patron, as the window's
  // empty box does; a phrase that cannot be read leaves the default.
  const Result<std::optional<std::string>> phrase = saved.readPhrase();
  if (!phrase) {
    use.problems.push_back(phrase.error());
    return use;
  }
  use.origin.patron = TempleSource::window;
  if (phrase->has_value()) {
    std::string cleaned = cleanTypedPhrase(**phrase);
    if (!cleaned.empty()) choosePatron(temple, Patron::typed, std::move(cleaned));
  }
  return use;
}

}  // namespace corvane
