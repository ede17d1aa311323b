#include "window_logic/temple_window_logic.h"

#include <optional>
#include <utility>

namespace corvane {

namespace {

constexpr const char* kKeptUntilContinue =
    ". The window starts with its defaults; the file is kept until you continue.";

}  // namespace

TempleWindowLogic::TempleWindowLogic(TempleSettings& settings, SavedTemple saved, Report report)
    : settings_(settings), saved_(std::move(saved)), report_(std::move(report)) {}

void TempleWindowLogic::restoreChoices() {
  const Result<std::optional<TempleChoices>> choices = saved_.readChoices();
  if (!choices) {
    report_(choices.error() + kKeptUntilContinue);
  } else if (choices->has_value()) {
    controls_.calendar = (*choices)->calendar;
    selectPatron((*choices)->patron);
  }
}

void TempleWindowLogic::shown() {
  controls_.boxShown = !controls_.boxText.empty();
  controls_.focusBox = false;
  const Result<std::optional<std::string>> stored = saved_.readPhrase();
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
  controls_.stayReason.clear();
  if (patron != Patron::typed) controls_.boxShown = false;  // the box keeps its text
}

void TempleWindowLogic::setBoxText(std::string text) {
  controls_.boxText = std::move(text);
  if (!controls_.boxText.empty()) controls_.stayReason.clear();
}

TempleWindowLogic::Outcome TempleWindowLogic::continuePressed() {
  settings_.bishopPresent = controls_.bishopYes;
  settings_.calendar = controls_.calendar;
  // The phrase as it is stored: one line, blanks at its ends and control
  // characters left off.
  const std::string phrase = cleanTypedPhrase(controls_.boxText);
  if (phrase.empty() && !controls_.boxText.empty() && controls_.selected == Patron::typed) {
    report_(
        "The patron phrase held only blanks or control characters. Type the name of the "
        "temple's patron, as it should stand in the dismissal.");
  }
  controls_.boxText = phrase;
  if (const Done written = saved_.writePhrase(phrase); !written) report_(written.error());

  if (controls_.selected == Patron::typed) {
    choosePatron(settings_, Patron::typed, phrase);
  } else {
    if (saved_.hasPhrase()) {
      if (const Done removed = saved_.removePhrase(); !removed) report_(removed.error());
    }
    controls_.boxText.clear();
    choosePatron(settings_, controls_.selected);
  }

  if (settings_.patronIs(Patron::typed) && settings_.patronText.empty()) {
    controls_.boxShown = true;
    controls_.focusBox = true;
    controls_.stayReason = kPatronPhraseMissing;
    return Outcome::stay;
  }
  controls_.focusBox = false;
  controls_.stayReason.clear();
  if (const Done written = saved_.writeChoices({controls_.calendar, controls_.selected});
      !written) {
    report_(written.error());
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
