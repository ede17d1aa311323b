#include "print/pdf_file.h"

#include <QBuffer>
#include <QPdfWriter>

#include "platform/atomic_file.h"
#include "print/gui_session.h"
#include "print/printed_pages.h"

namespace corvane {

Result<std::string> pdfBytes(const std::vector<DocumentParagraph>& paragraphs, Paper paper) {
  QByteArray bytes;
  QBuffer buffer{&bytes};
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer{&buffer};
    writer.setPageLayout(printedPageLayout(paper));
    writer.setTitle("Dismissal");
    writer.setCreator("Corvane");
    if (const Done painted = paintDocument(writer, paragraphs); !painted) {
      return Failure{painted.error()};
    }
  }
  return bytes.toStdString();
}

Result<std::string> pdfFileBytes(std::span<const Dismissal> dismissals,
                                 const LongDateFormat& longDate, Paper paper) {
  Result<std::string> bytes;
  const Done drawn = withGuiApplication([&]() -> Done {
    bytes = pdfBytes(bookletParagraphs(dismissals, longDate), paper);
    return {};
  });
  if (!drawn) return Failure{drawn.error()};
  return bytes;
}

Done writePdf(const std::filesystem::path& path, std::span<const Dismissal> dismissals,
              const LongDateFormat& longDate, Paper paper) {
  const Result<std::string> bytes = pdfFileBytes(dismissals, longDate, paper);
  if (!bytes) return Failure{"Cannot write " + path.string() + ": " + bytes.error()};
  return writeFileAtomically(path, *bytes);
}

}  // namespace corvane
