#include "calendar/calendar_phases.h"
#include "calendar/clause_texts.h"

namespace corvane {

namespace {

void storeTitlePhrases(DismissalState& state) {
  state.titleProphet = titles::kProphet;
  state.titleRighteous = titles::kRighteous;
  state.titleApostle = titles::kApostle;
  state.titleEvangelist = titles::kEvangelist;
  state.titleMartyr = titles::kMartyr;
  state.titleGlorious = titles::kGlorious;
  state.titleHierarch = titles::kHierarch;
  state.titleVenerableFather = titles::kVenerableFather;
  state.titleVenerableMother = titles::kVenerableMother;
  state.memorySingular = titles::kMemorySingular;
  state.memoryPlural = titles::kMemoryPlural;
}

}  // namespace

void applySaintsOfTheDay(DismissalState& state, const TempleSettings&) {
  storeTitlePhrases(state);
}

}  // namespace corvane
