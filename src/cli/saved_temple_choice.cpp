#include "cli/saved_temple_choice.h"

#include "settings/patron.h"

namespace corvane {

SavedTempleUse completeWithSavedTemple(TempleSettings& temple, const TempleNamed& named,
                                       const SavedTemple& saved) {
  SavedTempleUse use;
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
  use.origin.patron = TempleSource::window;
  if (chosen.patron != Patron::typed) {
    choosePatron(temple, chosen.patron);
    return use;
  }
  // "NONE OF THE ABOVE" without a phrase names no patron, as the window's
  // empty box does.
  const Result<std::optional<std::string>> phrase = saved.readPhrase();
  if (!phrase) {
    use.problems.push_back(phrase.error());
  } else if (phrase->has_value()) {
    std::string cleaned = cleanTypedPhrase(**phrase);
    if (!cleaned.empty()) choosePatron(temple, Patron::typed, std::move(cleaned));
  }
  return use;
}

}  // namespace corvane
