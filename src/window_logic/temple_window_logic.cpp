#include "window_logic/temple_window_logic.h"

#include <optional>
#include <utility>

namespace corvane {

TempleWindowLogic::TempleWindowLogic(TempleSettings& settings, PatronFile file, Report report,
                                     TempleChoicesStore* store)
    : settings_(settings), file_(std::move(file)), report_(std::move(report)), store_(store) {}

void TempleWindowLogic::restoreChoices() {
  if (store_ == nullptr) return;
  const Result<std::optional<TempleChoices>> choices = store_->load();
  if (!choices) {
    report_(choices.error());
  } else if (choices->has_value()) {
    controls_.calendar = (*choices)->calendar;
    selectPatron((*choices)->patron);
  }
}

void TempleWindowLogic::shown() {
  controls_.boxShown = !controls_.boxText.empty();
  controls_.focusBox = false;
  const Result<std::optional<std::string>> stored = file_.read();
  if (!stored) {
    report_(stored.error());
  } else if (stored->has_value()) {
    controls_.boxText = **stored;
    controls_.boxShown = true;
    controls_.focusBox = true;
  }
}

void TempleWindowLogic::selectPatron(Patron patron) {
  controls_.selected = patron;
  if (patron != Patron::typed) controls_.boxShown = false;  // the box keeps its text
}

TempleWindowLogic::Outcome TempleWindowLogic::continuePressed() {
  settings_.bishopPresent = controls_.bishopYes;
  settings_.calendar = controls_.calendar;
  // The phrase as it is stored: blanks at its ends and control characters left off.
  const std::string phrase = cleanTypedPhrase(controls_.boxText);
  if (phrase.empty() && !controls_.boxText.empty() && controls_.selected == Patron::typed) {
    report_(
        "The patron phrase held only blanks or control characters. Type the name of the "
        "temple's patron, as it should stand in the dismissal.");
  }
  controls_.boxText = phrase;
  if (const Done written = file_.write(phrase); !written) report_(written.error());

  if (controls_.selected == Patron::typed) {
    choosePatron(settings_, Patron::typed, phrase);
  } else {
    if (file_.exists()) {
      if (const Done removed = file_.remove(); !removed) report_(removed.error());
    }
    controls_.boxText.clear();
    choosePatron(settings_, controls_.selected);
  }

  if (settings_.patronIs(Patron::typed) && settings_.patronText.empty()) {
    controls_.boxShown = true;
    controls_.focusBox = true;
    return Outcome::stay;
  }
  controls_.focusBox = false;
  if (store_ != nullptr) {
    if (const Done saved = store_->save({controls_.calendar, controls_.selected}); !saved) {
      report_(saved.error());
    }
  }
  return Outcome::goOn;
}

void forgetPatronForGoingBack(TempleSettings& settings) {
  // The other patrons are left as they are: the temple window sets them anew
  // whenever the user continues.
  for (Patron forgotten : {Patron::typed, Patron::chrysostom, Patron::basil, Patron::gregory}) {
    if (settings.patronIs(forgotten)) settings.patron.reset();
  }
  settings.patronText.clear();
}

}  // namespace corvane
