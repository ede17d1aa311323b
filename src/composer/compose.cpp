#include "composer/compose.h"

#include "composer/create_dismissal.h"

namespace corvane {

void compose(const ServiceRequest& request, const TempleSettings& temple, Dismissal& into) {
  DismissalState state{request};
  CreateDismissal(state, temple, into);
  serviceWarning(request, temple, into.warning);
}

Dismissal compose(const ServiceRequest& request, const TempleSettings& temple) {
  Dismissal result;
  compose(request, temple, result);
  return result;
}

}  // namespace corvane
