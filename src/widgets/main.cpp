#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstring>

#include "version.h"
#include "widgets/corvane_app.h"

namespace {

constexpr const char* kHelpText =
    "Usage: corvane [--help | --version] [QT-OPTION]...\n"
    "Open the windows that compose the dismissal of an Orthodox service for a date,\n"
    "as a formatted document (.docx) or a text file. The temple window comes first,\n"
    "then the main window.\n"
    "\n"
    "  --help     show this help and end\n"
    "  --version  show the version and end\n"
    "\n"
    "Qt's own options, such as -platform NAME or -style NAME, go to Qt.\n"
    "The command-line tool corvane-cli composes without windows.\n";

// --help and --version are answered before Qt starts, so they need no display.
// Every other argument is left to Qt.
bool answeredOnTheTerminal(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kHelpText, stdout);
      return true;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("corvane %s\n", corvane::kVersionText);
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (answeredOnTheTerminal(argc, argv)) return 0;
  QApplication application(argc, argv);
  QApplication::setApplicationName("Corvane");
  QApplication::setDesktopFileName("invalid.corvane.Corvane");
  // The program ends by "&Quit" or "E&xit", or by closing a window; hiding the
  // temple window on the way to the main window must not end it.
  QApplication::setQuitOnLastWindowClosed(false);
  corvane::CorvaneApp app{corvane::defaultServices()};
  QApplication::setWindowIcon(QIcon(":/corvane/corvane-32.png"));
  app.start();
  return QApplication::exec();
}
