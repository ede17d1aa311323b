#include <chrono>
#include <string_view>

#include "composer/composer_phases.h"

namespace corvane {

using namespace std::chrono;

namespace {

constexpr std::string_view kNicholas =
    "of our father among the saints, Nicholas the Wonderworker, bishop of Myra in Lycia; ";
constexpr std::string_view kCross = "by the might of the precious and life-giving cross";
constexpr std::string_view kBodilessPowers =
    "by the protection of the honorable bodiless powers of heaven; ";
constexpr std::string_view kForerunner =
    "at the supplication of the honorable, glorious Prophet, Forerunner and Baptist John";
// A capital A, unlike the apostles of the fixed sentence and of Thursday.
constexpr std::string_view kApostles = "of the holy, glorious and all-laudable Apostles; ";
// The same texts as the author of the Liturgy.
constexpr std::string_view kChrysostom =
    "of our father among the saints, John Chrysostom, archbishop of Constantinople; ";
constexpr std::string_view kBasil =
    "of our father among the saints, Basil the Great, archbishop of Caesarea; ";
constexpr std::string_view kGregory = "of our father among the saints, Gregory the Dialogist; ";
constexpr std::string_view kSemicolon = "; ";

}  // namespace

// The steps run in this order and each one that assigns overwrites the last.
// The fixed sentence of the services that are not daily ones already invokes
// the Cross, the bodiless powers, the Forerunner and the apostles; the daily
// services name only the weekday's own intercession, so there the patron is
// added on every other weekday.
void applyTemplePatron(DismissalState& state, const TempleSettings& settings) {
  const weekday liturgicalWeekday = weekdayOf(state.liturgicalDay);
  const bool daily = state.isDailyService();
  constexpr Slot slot = Slot::patronClause;

  if (settings.patronIs(Patron::typed)) {
    state.write(slot, {settings.patronText, kSemicolon}, "temple patron: typed phrase");
  } else {
    state.clear(slot);
  }
  if (settings.patronIs(Patron::nicholas) && !(daily && liturgicalWeekday == Thursday)) {
    state.write(slot, kNicholas, "temple patron: St. Nicholas");
  }
  if (settings.patronIs(Patron::cross) && daily) {
    if (liturgicalWeekday == Wednesday || liturgicalWeekday == Friday) {
      state.clear(slot);
    } else {
      state.write(slot, {kCross, state.crossClause, kSemicolon}, "temple patron: the Holy Cross");
    }
  }
  if (settings.patronIs(Patron::archangels) && daily && liturgicalWeekday != Monday) {
    state.write(slot, kBodilessPowers, "temple patron: the Holy Archangels");
  }
  if (settings.patronIs(Patron::forerunner) && daily && liturgicalWeekday != Tuesday) {
    state.write(slot, {kForerunner, state.forerunnerClause, kSemicolon},
                "temple patron: St. John the Forerunner");
  }
  if (settings.patronIs(Patron::apostles) && daily && liturgicalWeekday != Thursday) {
    state.write(slot, kApostles, "temple patron: the Twelve Apostles");
  }
  // A Liturgy's author is named already by liturgyAuthorClause.
  if (settings.patronIs(Patron::chrysostom)) {
    if (state.liturgyChrysostom()) {
      state.clear(slot);
    } else {
      state.write(slot, kChrysostom, "temple patron: St. John Chrysostom");
    }
  }
  if (settings.patronIs(Patron::basil)) {
    if (state.liturgyBasil()) {
      state.clear(slot);
    } else {
      state.write(slot, kBasil, "temple patron: St. Basil the Great");
    }
  }
  if (settings.patronIs(Patron::gregory)) {
    if (state.presanctified()) {
      state.clear(slot);
    } else {
      state.write(slot, kGregory, "temple patron: St. Gregory the Dialogist");
    }
  }
}

void namePatronOnce(DismissalState& state, const TempleSettings& settings) {
  const unsigned named = state.hierarchsOfTheDay;
  if (((named & hierarch::kBasil) != 0 && settings.patronIs(Patron::basil)) ||
      ((named & hierarch::kChrysostom) != 0 && settings.patronIs(Patron::chrysostom)) ||
      ((named & hierarch::kNicholas) != 0 && settings.patronIs(Patron::nicholas))) {
    state.clear(Slot::patronClause);
  }
}

}  // namespace corvane
