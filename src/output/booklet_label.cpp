#include "output/booklet_label.h"

#include "state/english_date.h"

namespace corvane {

std::string bookletLabel(const ServiceRequest& entry) {
  return englishShortDate(entry.served) + " - " +
         std::string{serviceTitle(entry.service, entry.evening)};
}

}  // namespace corvane
