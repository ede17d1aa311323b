#include "composer/compose.h"

#include "composer/create_dismissal.h"

namespace corvane {

void compose(const ServiceRequest& request, const TempleSettings& temple, Dismissal& into,
             ComposeWith with) {
  // One working record a thread, begun afresh by each composition: its slots
  // keep their storage, so that a long run of dates allocates almost nothing.
  thread_local DismissalState state{ServiceRequest{}};
  state.begin(request);
  Explanation* explanation = with.explanation ? &into.explanation.emplace() : nullptr;
  if (!with.explanation) into.explanation.reset();
  CreateDismissal(state, temple, into, explanation);

  // The Eucharist of the day served, worked out once for the warning and the explanation.
  AppointedEucharist appointed;
  if (with.explanation || (with.warning && warningNeedsEucharist(request.service))) {
    appointed = appointedEucharist(request.served, temple.calendar);
  }
  if (with.warning) {
    serviceWarning(into.request, temple.calendar, appointed, into.warning);
  } else {
    into.warning.reset();
  }
  if (explanation != nullptr) explanation->appointedEucharist = appointed;
}

Dismissal compose(const ServiceRequest& request, const TempleSettings& temple, ComposeWith with) {
  Dismissal result;
  compose(request, temple, result, with);
  return result;
}

}  // namespace corvane
