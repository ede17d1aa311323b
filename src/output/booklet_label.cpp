#include "output/booklet_label.h"

#include "state/english_date.h"

namespace corvane {

std::string bookletLabel(const BookletEntry& entry) {
  return englishShortDate(entry.picked) + " - " +
         std::string{serviceTitle(entry.service, entry.evening)};
}

}  // namespace corvane
