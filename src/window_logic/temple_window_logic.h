#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "saved_temple/saved_temple.h"
#include "settings/patron.h"
#include "settings/temple_settings.h"

namespace corvane {

// The captions of the temple window's patrons, in the order of the Patron
// enumeration, "NONE OF THE ABOVE" last; two end in a blank, as stored.
inline constexpr std::array<std::string_view, 15> kPatronCaptions = {
    "the Holy Trinity",
    "the Lord Jesus Christ",
    "the Holy Spirit",
    "the Theotokos ",
    "the Holy Cross",
    "the Holy Archangels ",
    "St. John the Forerunner",
    "the Twelve Apostles",
    "the Ancestors of God, Joachim and Anna",
    "the Feast of All Saints",
    "St. John Chrysostom",
    "St. Basil the Great",
    "St. Gregory the Dialogist",
    "St. Nicholas of Myra",
    "NONE OF THE ABOVE",
};

// Said under the box when "NONE OF THE ABOVE" has no phrase and the window stays.
inline constexpr const char* kPatronPhraseMissing =
    "The patron's name is missing: type it in the box as it should stand in the dismissal, or "
    "choose one of the patrons listed.";

// The state of the temple window's controls, which the window only shows.
struct TempleWindowControls {
  Patron selected = Patron::typed;  // "NONE OF THE ABOVE"
  bool bishopYes = false;
  TempleCalendar calendar = TempleCalendar::newCalendar;
  std::string boxText;    // as typed; one line once stored or read back
  bool boxShown = false;  // the box, enabled, and its three labels
  bool focusBox = false;  // the box should take the keyboard focus
  // Why "&Continue" did not go on; empty when it did, or was not pressed.
  std::string stayReason;
};

// The temple window: the patron, the typed phrase, the bishop and the calendar,
// and the files that keep them for the next start.
class TempleWindowLogic {
 public:
  // Tells the user of a file that could not be read, written or deleted.
  using Report = std::function<void(const std::string& message)>;

  TempleWindowLogic(TempleSettings& settings, SavedTemple saved, Report report);

  const TempleWindowControls& controls() const { return controls_; }

  // At start: the calendar and patron option of the last start. A settings
  // file that cannot be read is reported once; the window keeps its defaults,
  // and the file is written again only when the user continues.
  void restoreChoices();

  // The window is shown: at start and after the main window's "Go &Back". The
  // stored phrase is reloaded then, and only then, so a phrase being typed is
  // never replaced when the user merely comes back from another window.
  void shown();
  void selectPatron(Patron patron);
  void setBishop(bool present) { controls_.bishopYes = present; }
  void setCalendar(TempleCalendar calendar) { controls_.calendar = calendar; }
  // A phrase typed: the box no longer needs one.
  void setBoxText(std::string text);

  enum class Outcome { stay, goOn };
  // "&Continue": stores the answers and, on going on, remembers the choices;
  // stays while "NONE OF THE ABOVE" has no phrase.
  Outcome continuePressed();

 private:
  TempleSettings& settings_;
  SavedTemple saved_;
  Report report_;
  TempleWindowControls controls_;
};

// The main window's "Go &Back" forgets the typed patron and the three saints
// whose patronage depends on the Liturgy served; the temple window sets them again.
void forgetPatronForGoingBack(TempleSettings& settings);

}  // namespace corvane
