#include <QApplication>
#include <QIcon>

#include "widgets/corvane_app.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Corvane");
  QApplication::setDesktopFileName("corvane");
  // The program ends by "&Quit" or "E&xit", or by closing a window; hiding the
  // temple window on the way to the main window must not end it.
  QApplication::setQuitOnLastWindowClosed(false);
  corvane::CorvaneApp app{corvane::defaultServices()};
  QApplication::setWindowIcon(QIcon(":/corvane/corvane-32.png"));
  app.start();
  return QApplication::exec();
}
