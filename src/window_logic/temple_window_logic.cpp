#include "window_logic/temple_window_logic.h"

#include <optional>
#include <utility>

namespace corvane {

TempleWindowLogic::TempleWindowLogic(TempleSettings& settings, PatronFile file, Report report,
                                     TempleChoicesStore* store)
    : settings_(settings), file_(std::move(file)), report_(std::move(report)), store_(store) {}

void TempleWindowLogic::restoreChoices() {
  if (store_ == nullptr) return;
  std::string problem;
  if (const std::optional<TempleChoices> choices = store_->load(problem)) {
    controls_.calendar = choices->calendar;
    selectPatron(choices->patron);
  } else if (!problem.empty()) {
    report_(problem);
  }
}

void TempleWindowLogic::shown() {
  controls_.boxShown = !controls_.boxText.empty();
  controls_.focusBox = false;
  std::string problem;
  if (const std::optional<std::string> stored = file_.read(problem)) {
    controls_.boxText = *stored;
    controls_.boxShown = true;
    controls_.focusBox = true;
  } else if (!problem.empty()) {
    report_(problem);
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
  if (const std::optional<std::string> problem = file_.write(phrase)) report_(*problem);

  if (controls_.selected == Patron::typed) {
    choosePatron(settings_, Patron::typed, phrase);
  } else {
    if (file_.exists()) {
      if (const std::optional<std::string> problem = file_.remove()) report_(*problem);
    }
    controls_.boxText.clear();
    choosePatron(settings_, controls_.selected);
  }

  if (settings_.patronTyped && settings_.patronText.empty()) {
    controls_.boxShown = true;
    controls_.focusBox = true;
    return Outcome::stay;
  }
  controls_.focusBox = false;
  if (store_ != nullptr) {
    if (const std::optional<std::string> problem =
            store_->save({controls_.calendar, controls_.selected})) {
      report_(*problem);
    }
  }
  return Outcome::goOn;
}

void forgetPatronForGoingBack(TempleSettings& settings) {
  settings.patronTyped = false;
  settings.patronChrysostom = false;
  settings.patronBasil = false;
  settings.patronGregory = false;
  settings.patronText.clear();
}

}  // namespace corvane
