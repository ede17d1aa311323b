#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "state/dismissal_state.h"

namespace corvane {

enum class Service {
  greatVespers,
  dailyVespers,
  orthros,
  dailyOrthros,
  chrysostom,     // Divine Liturgy of St. John Chrysostom
  basil,          // Divine Liturgy of St. Basil the Great
  presanctified,  // Liturgy of the Presanctified Gifts
};

inline constexpr Service kAllServices[] = {
    Service::greatVespers, Service::dailyVespers, Service::orthros,       Service::dailyOrthros,
    Service::chrysostom,   Service::basil,        Service::presanctified,
};

// A service as composed: the two Divine Liturgies may also be evening ones.
struct ServiceVariant {
  Service service;
  bool evening;
};
inline constexpr ServiceVariant kNineServiceVariants[] = {
    {Service::greatVespers, false}, {Service::dailyVespers, false}, {Service::orthros, false},
    {Service::dailyOrthros, false}, {Service::chrysostom, false},   {Service::chrysostom, true},
    {Service::basil, false},        {Service::basil, true},         {Service::presanctified, false},
};

// Only the two Divine Liturgies may be served in the evening.
constexpr bool mayBeEvening(Service service) {
  return service == Service::chrysostom || service == Service::basil;
}

// Sets the service flags of the state as the main window does: exactly one
// service flag, isDailyService for the two daily services, eveningLiturgy
// only for an Evening Divine Liturgy.
void selectService(DismissalState& state, Service service, bool evening);

// The service whose flag is set (Great Vespers when none is).
Service serviceOf(const DismissalState& state);

// The short names used on the command line and in file names ("great-vespers").
std::string_view serviceName(Service service);
std::optional<Service> serviceFromName(std::string_view name);
// The seven names, in the order of the main window: "great-vespers, daily-vespers, …".
std::string allServiceNames();

}  // namespace corvane
