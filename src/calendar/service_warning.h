#pragma once

#include <optional>
#include <string>

#include "calendar/appointed_eucharist.h"
#include "settings/temple_calendar.h"
#include "state/service.h"

namespace corvane {

// A service picked on a day whose rules appoint another: composed all the
// same, since practice varies, but said to the person preparing the text.
struct ServiceWarning {
  // What the day appoints instead: the Eucharist of the day served (none when
  // no Liturgy is served at all; for an Evening Liturgy, that of the next
  // day, to which it belongs), or Great Vespers, or Orthros.
  std::optional<Service> appointed;
  // A plain sentence that names the day and what is appointed.
  std::string sentence;
  friend bool operator==(const ServiceWarning&, const ServiceWarning&) = default;
};

// Whether a warning of the service needs the Eucharist of the day served:
// those of the Liturgies do.
bool warningNeedsEucharist(Service service);

// Nothing when the service picked is the one appointed on its day; Great
// Vespers and Orthros are never warned of. `appointed` is the Eucharist of
// the day served, worked out once by the composition; it is read only where
// warningNeedsEucharist. The storage of an earlier warning is reused, for
// long runs of dates.
void serviceWarning(const ServiceRequest& request, TempleCalendar calendar,
                    const AppointedEucharist& appointed, std::optional<ServiceWarning>& into);

}  // namespace corvane
