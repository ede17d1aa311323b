#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "state/date.h"

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

// One request to compose: the civil date on which the service is served, as
// the user picks it, the service, and whether a Divine Liturgy is served in
// the evening (the evening's Liturgy belongs to the next liturgical day).
struct ServiceRequest {
  Date served{};
  Service service = Service::greatVespers;
  bool evening = false;  // read only for the two Divine Liturgies
  friend bool operator==(const ServiceRequest&, const ServiceRequest&) = default;
};

// A service as composed: the two Divine Liturgies may also be evening ones.
struct ServiceVariant {
  Service service;
  bool evening;
  ServiceRequest on(Date served) const { return {served, service, evening}; }
  friend bool operator==(const ServiceVariant&, const ServiceVariant&) = default;
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

// The short names used on the command line and in file names ("great-vespers"),
// in the order of the main window.
inline constexpr std::array<std::pair<Service, std::string_view>, 7> kServiceNames = {{
    {Service::greatVespers, "great-vespers"},
    {Service::dailyVespers, "daily-vespers"},
    {Service::orthros, "orthros"},
    {Service::dailyOrthros, "daily-orthros"},
    {Service::chrysostom, "chrysostom"},
    {Service::basil, "basil"},
    {Service::presanctified, "presanctified"},
}};
std::string_view serviceName(Service service);
std::optional<Service> serviceFromName(std::string_view name);

// The service as headings and lists name it: "Great Vespers", "Evening
// Divine Liturgy of St. Basil the Great".
std::string_view serviceTitle(Service service, bool evening);

}  // namespace corvane
