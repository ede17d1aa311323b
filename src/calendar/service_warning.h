#pragma once

#include <optional>
#include <string>

#include "settings/temple_settings.h"
#include "state/service.h"

namespace corvane {

// A service picked on a day whose rules appoint another: composed all the
// same, since practice varies, but said to the person preparing the text.
struct ServiceWarning {
  ServiceVariant picked;
  // What the day appoints instead: the Eucharist of the day served (none when
  // no Liturgy is served at all; for an Evening Liturgy, that of the next
  // day, to which it belongs), or Great Vespers, or Orthros.
  std::optional<Service> appointed;
  // A plain sentence that names the day and what is appointed.
  std::string sentence;
  friend bool operator==(const ServiceWarning&, const ServiceWarning&) = default;
};

// Nothing when the service picked is the one appointed on its day; Great
// Vespers and Orthros are never warned of.
[[nodiscard]] std::optional<ServiceWarning> serviceWarning(const ServiceRequest& request,
                                                           const TempleSettings& temple);

// The same, reusing the storage of an earlier warning: for long runs of dates.
void serviceWarning(const ServiceRequest& request, const TempleSettings& temple,
                    std::optional<ServiceWarning>& into);

}  // namespace corvane
