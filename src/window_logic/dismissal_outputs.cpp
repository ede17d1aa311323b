#include "window_logic/dismissal_outputs.h"

#include "composer/compose.h"
#include "output/text_file.h"
#include "output/word_document.h"

namespace corvane {

namespace {

// The file, once written, is opened; a failure to write is said instead.
Result<std::filesystem::path> opened(
    const std::filesystem::path& file, const Done& written,
    const std::function<void(const std::filesystem::path&, OpenFailure)>& open,
    OpenFailure onOpenFailure) {
  if (!written) return Failure{written.error()};
  open(file, std::move(onOpenFailure));
  return file;
}

}  // namespace

Result<std::filesystem::path> createTextFile(const ServiceRequest& request,
                                             const TempleSettings& settings,
                                             const OutputServices& services,
                                             OpenFailure onOpenFailure) {
  const Dismissal dismissal = compose(request, settings);
  const std::filesystem::path file = services.dataFolder / kTextFileName;
  return opened(file, writeTextFile(file, dismissal, services.longDate), services.openTextFile,
                std::move(onOpenFailure));
}

Result<std::filesystem::path> createDocument(const ServiceRequest& request,
                                             const TempleSettings& settings,
                                             const OutputServices& services,
                                             OpenFailure onOpenFailure) {
  const Dismissal dismissal = compose(request, settings);
  const std::filesystem::path file = freeDocumentPath(services.dataFolder, dismissal.pickedDate,
                                                      dismissal.service, dismissal.eveningLiturgy);
  return opened(file, writeWordDocument(file, dismissal, services.longDate, services.paper),
                services.openDocument, std::move(onOpenFailure));
}

Result<std::filesystem::path> createBooklet(const std::vector<BookletEntry>& entries,
                                            const TempleSettings& settings,
                                            const OutputServices& services,
                                            OpenFailure onOpenFailure) {
  if (entries.empty()) return Failure{"The booklet is empty: add a service first."};
  const std::vector<Dismissal> dismissals = composeBooklet(entries, settings);
  const std::filesystem::path file =
      freeBookletPath(services.dataFolder, entries.front().picked, entries.back().picked);
  return opened(file, writeWordDocument(file, dismissals, services.longDate, services.paper),
                services.openDocument, std::move(onOpenFailure));
}

}  // namespace corvane
