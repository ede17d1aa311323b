#include "state/dismissal_state.h"

namespace corvane {

std::string& DismissalState::text(Slot slot) {
  switch (slot) {
    case Slot::dayTitle:
      return dayTitle;
    case Slot::feastClause:
      return feastClause;
    case Slot::risenClause:
      return risenClause;
    case Slot::theotokosClause:
      return theotokosClause;
    case Slot::crossClause:
      return crossClause;
    case Slot::forerunnerClause:
      return forerunnerClause;
    case Slot::weekdayClause:
      return weekdayClause;
    case Slot::patronClause:
      return patronClause;
    case Slot::liturgyAuthorClause:
      return liturgyAuthorClause;
    case Slot::saintsClause:
      return saintsClause;
    case Slot::ancestorsClause:
      return ancestorsClause;
    case Slot::wholeText:
      return wholeText;
  }
  return wholeText;  // unreachable: every slot is listed above
}

const std::string& DismissalState::text(Slot slot) const {
  return const_cast<DismissalState*>(this)->text(slot);
}

void DismissalState::write(Slot slot, std::string_view newText, RuleName rule) {
  text(slot).assign(newText);
  ruleOf[static_cast<std::size_t>(slot)] = rule;
}

void DismissalState::write(Slot slot, std::initializer_list<std::string_view> pieces,
                           RuleName rule) {
  // Joined aside first, since a piece may be the slot's own text.
  joinBuffer_.clear();
  for (std::string_view piece : pieces) joinBuffer_.append(piece);
  text(slot).swap(joinBuffer_);
  ruleOf[static_cast<std::size_t>(slot)] = rule;
}

void DismissalState::clear(Slot slot) {
  text(slot).clear();
  ruleOf[static_cast<std::size_t>(slot)] = {};
}

}  // namespace corvane
