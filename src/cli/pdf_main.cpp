// corvane-pdf: corvane-cli with the pages of --pdf drawn by Qt Gui, run by
// corvane-cli in its place for --pdf (cli/pdf_program.h).
#include <QString>
#include <QtGlobal>
#include <iostream>

#include "cli/cli.h"
#include "cli/standard_output.h"
#include "print/pdf_file.h"

namespace {

// Qt's own notes (no XDG_RUNTIME_DIR, a font family looked for) are no
// concern of a PDF's reader, so standard error carries corvane-cli's lines
// alone; a fatal error, which ends the program, is still said.
void sayOnlyFatalMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) std::cerr << "corvane-cli: " << message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  qInstallMessageHandler(sayOnlyFatalMessages);
  std::ios::sync_with_stdio(false);
  corvane::StandardOutput output;
  std::ostream out{&output};
  const int status = corvane::runCli(argc, argv, std::cin, out, std::cerr, corvane::pdfFileBytes);
  return corvane::closeStandardOutput(output, status, std::cerr);
}
