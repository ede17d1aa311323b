#include "window_logic/dismissal_outputs.h"

#include <system_error>

#include "composer/compose.h"
#include "output/document_paragraphs.h"
#include "output_files/text_file.h"
#include "output_files/word_document.h"

namespace corvane {

namespace {

// The file, once written, is opened; a failure to write is said instead.
Result<std::filesystem::path> opened(
    const std::filesystem::path& file, const Done& written,
    const std::function<void(const std::filesystem::path&, OpenFailure)>& open,
    NotOpened onNotOpened) {
  if (!written) return Failure{written.error()};
  open(file, [file, onNotOpened = std::move(onNotOpened)](const std::string& message) {
    onNotOpened(file, message);
  });
  return file;
}

}  // namespace

Result<std::filesystem::path> createTextFile(const ServiceRequest& request,
                                             const TempleSettings& settings,
                                             const OutputServices& services,
                                             NotOpened onNotOpened) {
  const Dismissal dismissal = compose(request, settings);
  const std::filesystem::path file = services.dataFolder / kTextFileName;
  return opened(file, writeTextFile(file, dismissal, services.longDate), services.openTextFile,
                std::move(onNotOpened));
}

Result<std::filesystem::path> createDocument(const ServiceRequest& request,
                                             const TempleSettings& settings,
                                             const OutputServices& services,
                                             NotOpened onNotOpened) {
  const Dismissal dismissal = compose(request, settings);
  const std::filesystem::path file = freeDocumentPath(services.dataFolder, dismissal.request);
  return opened(file, writeWordDocument(file, dismissal, services.longDate, services.paper),
                services.openDocument, std::move(onNotOpened));
}

Result<std::filesystem::path> createBooklet(const std::vector<ServiceRequest>& entries,
                                            const TempleSettings& settings,
                                            const OutputServices& services, NotOpened onNotOpened) {
  if (entries.empty()) return Failure{"The booklet is empty: add a service first."};
  const std::vector<Dismissal> dismissals = composeBooklet(entries, settings);
  const std::filesystem::path file =
      freeBookletPath(services.dataFolder, entries.front().served, entries.back().served);
  return opened(file, writeWordDocument(file, dismissals, services.longDate, services.paper),
                services.openDocument, std::move(onNotOpened));
}

std::filesystem::path freePdfPath(const std::filesystem::path& folder,
                                  std::span<const Dismissal> dismissals, bool booklet) {
  if (dismissals.empty()) return folder / "dismissal.pdf";
  const Dismissal& first = dismissals.front();
  const std::string stem = booklet
                               ? bookletStem(first.request.served, dismissals.back().request.served)
                               : documentStem(first.request);
  return freeFilePath(folder, stem, ".pdf");
}

}  // namespace corvane
