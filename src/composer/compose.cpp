#include "composer/compose.h"

#include "composer/create_dismissal.h"

namespace corvane {

void compose(const ServiceRequest& request, const TempleSettings& temple, Dismissal& into) {
  // One working record a thread, begun afresh by each composition: its slots
  // keep their storage, so that a long run of dates allocates almost nothing.
  thread_local DismissalState state{ServiceRequest{}};
  state.begin(request);
  CreateDismissal(state, temple, into);
  serviceWarning(request, temple, into.warning);
}

Dismissal compose(const ServiceRequest& request, const TempleSettings& temple) {
  Dismissal result;
  compose(request, temple, result);
  return result;
}

}  // namespace corvane
