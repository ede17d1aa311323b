#pragma once

#include <string_view>

#include "state/dismissal_state.h"

namespace corvane {

// How a commemoration joins the saints of the day: the rule of the Sundays of
// the Fathers, which the parish's own commemorations follow too.
// `commemorated` ends in ", " ("of the Holy Forefathers of Christ our God, ").
// Alone, it is followed by `memoryAlone`. After the saints of the day, they
// keep their title and name and lose their own memory phrase, the first
// "whose" after ", " (a "whose" inside a commemoration, "the transfer of whose
// relics", is not cut, and a clause without such a phrase is kept whole);
// "and ", `commemorated` and the plural memory phrase, which they share,
// follow with one blank before "and".
void joinTheSaintsOfTheDay(DismissalState& state, std::string_view commemorated,
                           std::string_view memoryAlone, RuleName rule);

}  // namespace corvane
