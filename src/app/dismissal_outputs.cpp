#include "app/dismissal_outputs.h"

#include "composer/create_dismissal.h"
#include "composer/service.h"
#include "output/text_file.h"
#include "output/word_document.h"

namespace corvane {

OutputResult createTextFile(DismissalState& state, TempleSettings& settings,
                            const OutputServices& services, OpenFailure onOpenFailure) {
  CreateDismissal(state, settings);
  OutputResult result{.file = services.dataFolder / kTextFileName};
  result.problem = writeTextFile(result.file, composedFrom(state, settings, services.longDate));
  if (!result.problem) services.openTextFile(result.file, std::move(onOpenFailure));
  return result;
}

OutputResult createDocument(DismissalState& state, TempleSettings& settings,
                            const OutputServices& services, OpenFailure onOpenFailure) {
  CreateDismissal(state, settings);
  OutputResult result{.file = freeDocumentPath(services.dataFolder, state.serviceDate,
                                               serviceOf(state), state.eveningLiturgy)};
  result.problem = writeWordDocument(result.file, composedFrom(state, settings, services.longDate));
  if (!result.problem) services.openDocument(result.file, std::move(onOpenFailure));
  return result;
}

}  // namespace corvane
