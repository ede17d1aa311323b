#include "state/dismissal_state.h"

namespace corvane {

void DismissalState::begin(const ServiceRequest& request) {
  service = request.service;
  eveningLiturgy = request.evening && mayBeEvening(request.service);
  pickedDate = liturgicalDay = request.served;
  isSunday = useWholeText = suppressSaints = false;
  saintsDisplacedBy = {};
  calendar = TempleCalendar::newCalendar;
  churchDate = {};
  movable = {};
  hierarchsOfTheDay = 0;
  for (std::size_t i = 0; i < kSlotCount; ++i) clear(static_cast<Slot>(i));
}

void DismissalState::write(Slot slot, std::initializer_list<std::string_view> pieces,
                           RuleName rule) {
  // Joined aside first, since a piece may be the slot's own text.
  joinBuffer_.clear();
  for (std::string_view piece : pieces) joinBuffer_.append(piece);
  text(slot).swap(joinBuffer_);
  rules_[static_cast<std::size_t>(slot)] = rule;
}

}  // namespace corvane
