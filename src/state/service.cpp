#include "state/service.h"

#include <array>
#include <utility>

#include "settings/name_table.h"

namespace corvane {

namespace {

constexpr std::array<std::pair<Service, std::string_view>, 7> kServiceNames = {{
    {Service::greatVespers, "great-vespers"},
    {Service::dailyVespers, "daily-vespers"},
    {Service::orthros, "orthros"},
    {Service::dailyOrthros, "daily-orthros"},
    {Service::chrysostom, "chrysostom"},
    {Service::basil, "basil"},
    {Service::presanctified, "presanctified"},
}};

}  // namespace

void selectService(DismissalState& state, Service service, bool evening) {
  state.greatVespers = service == Service::greatVespers;
  state.dailyVespers = service == Service::dailyVespers;
  state.orthros = service == Service::orthros;
  state.dailyOrthros = service == Service::dailyOrthros;
  state.liturgyChrysostom = service == Service::chrysostom;
  state.liturgyBasil = service == Service::basil;
  state.presanctified = service == Service::presanctified;
  state.isDailyService = state.dailyVespers || state.dailyOrthros;
  state.eveningLiturgy = evening && mayBeEvening(service);
}

Service serviceOf(const DismissalState& state) {
  if (state.dailyVespers) return Service::dailyVespers;
  if (state.orthros) return Service::orthros;
  if (state.dailyOrthros) return Service::dailyOrthros;
  if (state.liturgyChrysostom) return Service::chrysostom;
  if (state.liturgyBasil) return Service::basil;
  if (state.presanctified) return Service::presanctified;
  return Service::greatVespers;
}

std::string_view serviceName(Service service) {
  return nameIn(kServiceNames, service);
}

std::optional<Service> serviceFromName(std::string_view name) {
  return valueIn<Service>(kServiceNames, name);
}

std::string allServiceNames() {
  std::string names;
  for (const auto& [service, name] : kServiceNames) {
    if (!names.empty()) names += ", ";
    names += name;
  }
  return names;
}

}  // namespace corvane
