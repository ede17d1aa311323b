#include "calendar/join_saints.h"

#include "calendar/clause_texts.h"

namespace corvane {

void joinTheSaintsOfTheDay(DismissalState& state, std::string_view commemorated,
                           std::string_view memoryAlone, RuleName rule) {
  const std::string_view saints = state.text(Slot::saintsClause);
  if (saints.empty()) {
    state.write(Slot::saintsClause, {commemorated, memoryAlone}, rule);
    return;
  }
  constexpr std::string_view kOwnMemory = ", whose";
  const std::size_t cut = saints.find(kOwnMemory);
  // The kept part ends in ", ", so "and " follows it with one blank.
  const std::string_view saintsPrefix =
      saints.substr(0, cut == saints.npos ? saints.size() : cut + 2);
  state.write(Slot::saintsClause, {saintsPrefix, "and ", commemorated, titles::kMemoryPlural},
              rule);
}

}  // namespace corvane
