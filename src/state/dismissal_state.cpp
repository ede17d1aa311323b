#include "state/dismissal_state.h"

namespace corvane {

void DismissalState::write(Slot slot, std::initializer_list<std::string_view> pieces,
                           RuleName rule) {
  // Joined aside first, since a piece may be the slot's own text.
  joinBuffer_.clear();
  for (std::string_view piece : pieces) joinBuffer_.append(piece);
  text(slot).swap(joinBuffer_);
  ruleOf[static_cast<std::size_t>(slot)] = rule;
}

}  // namespace corvane
