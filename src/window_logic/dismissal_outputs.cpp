#include "window_logic/dismissal_outputs.h"

#include "composer/create_dismissal.h"
#include "output/text_file.h"
#include "output/word_document.h"

namespace corvane {

OutputResult createTextFile(DismissalState& state, const TempleSettings& settings,
                            const OutputServices& services, OpenFailure onOpenFailure) {
  const Dismissal dismissal = CreateDismissal(state, settings);
  OutputResult result{.file = services.dataFolder / kTextFileName};
  result.problem = writeTextFile(result.file, std::span{&dismissal, 1}, services.longDate);
  if (!result.problem) services.openTextFile(result.file, std::move(onOpenFailure));
  return result;
}

OutputResult createDocument(DismissalState& state, const TempleSettings& settings,
                            const OutputServices& services, OpenFailure onOpenFailure) {
  const Dismissal dismissal = CreateDismissal(state, settings);
  OutputResult result{.file = freeDocumentPath(services.dataFolder, dismissal.pickedDate,
                                               dismissal.service, dismissal.eveningLiturgy)};
  result.problem =
      writeWordDocument(result.file, std::span{&dismissal, 1}, services.longDate, services.paper);
  if (!result.problem) services.openDocument(result.file, std::move(onOpenFailure));
  return result;
}

OutputResult createBooklet(const std::vector<BookletEntry>& entries, const TempleSettings& settings,
                           const OutputServices& services, OpenFailure onOpenFailure) {
  if (entries.empty()) return {.file = {}, .problem = "The booklet is empty: add a service first."};
  const std::vector<Dismissal> dismissals = composeBooklet(entries, settings);
  OutputResult result{
      .file = freeBookletPath(services.dataFolder, entries.front().picked, entries.back().picked)};
  result.problem = writeWordDocument(result.file, dismissals, services.longDate, services.paper);
  if (!result.problem) services.openDocument(result.file, std::move(onOpenFailure));
  return result;
}

}  // namespace corvane
