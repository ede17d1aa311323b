#include "print/gui_session.h"

#include <QGuiApplication>

namespace corvane {

Done withGuiApplication(const std::function<Done()>& work) {
  if (QCoreApplication::instance() != nullptr) return work();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "corvane";
  char* argv[] = {name, nullptr};
  const QGuiApplication application{argc, argv};
  return work();
}

}  // namespace corvane
