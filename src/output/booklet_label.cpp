#include "output/booklet_label.h"

#include "output/english_date.h"

namespace corvane {

std::string serviceTitle(Service service, bool evening) {
  switch (service) {
    case Service::greatVespers:
      return "Great Vespers";
    case Service::dailyVespers:
      return "Daily Vespers";
    case Service::orthros:
      return "Orthros";
    case Service::dailyOrthros:
      return "Daily Orthros";
    case Service::chrysostom:
      return evening ? "Evening Divine Liturgy of St. John Chrysostom"
                     : "Divine Liturgy of St. John Chrysostom";
    case Service::basil:
      return evening ? "Evening Divine Liturgy of St. Basil the Great"
                     : "Divine Liturgy of St. Basil the Great";
    case Service::presanctified:
      return "Liturgy of the Presanctified Gifts";
  }
  return {};
}

std::string bookletLabel(const BookletEntry& entry) {
  return englishShortDate(entry.picked) + " - " + serviceTitle(entry.service, entry.evening);
}

}  // namespace corvane
