#include "state/service.h"

#include "base/name_table.h"

namespace corvane {

namespace {

struct ServiceTitle {
  ServiceVariant variant;
  std::string_view title;
};
constexpr ServiceTitle kServiceTitles[] = {
    {{Service::greatVespers, false}, "Great Vespers"},
    {{Service::dailyVespers, false}, "Daily Vespers"},
    {{Service::orthros, false}, "Orthros"},
    {{Service::dailyOrthros, false}, "Daily Orthros"},
    {{Service::chrysostom, false}, "Divine Liturgy of St. John Chrysostom"},
    {{Service::chrysostom, true}, "Evening Divine Liturgy of St. John Chrysostom"},
    {{Service::basil, false}, "Divine Liturgy of St. Basil the Great"},
    {{Service::basil, true}, "Evening Divine Liturgy of St. Basil the Great"},
    {{Service::presanctified, false}, "Liturgy of the Presanctified Gifts"},
};

}  // namespace

std::string_view serviceName(Service service) {
  return nameIn(kServiceNames, service);
}

std::optional<Service> serviceFromName(std::string_view name) {
  return valueIn<Service>(kServiceNames, name);
}

std::string_view serviceTitle(Service service, bool evening) {
  evening = evening && mayBeEvening(service);
  for (const ServiceTitle& row : kServiceTitles) {
    if (row.variant.service == service && row.variant.evening == evening) return row.title;
  }
  return {};
}

}  // namespace corvane
