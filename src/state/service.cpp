#include "state/service.h"

#include "base/name_table.h"

namespace corvane {

std::string_view serviceName(Service service) {
  return nameIn(kServiceNames, service);
}

std::optional<Service> serviceFromName(std::string_view name) {
  return valueIn<Service>(kServiceNames, name);
}

}  // namespace corvane
