#include "widgets/window_menus.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>

namespace corvane {

void addFileAndHelpMenus(QMainWindow& window, const QString& prefix,
                         const std::function<void()>& about) {
  QMenu* file = window.menuBar()->addMenu("&File");
  file->setObjectName(prefix + "File");
  QAction* exit = file->addAction("E&xit");
  exit->setObjectName(prefix + "FileExit");
  QObject::connect(exit, &QAction::triggered, qApp, &QApplication::quit, Qt::QueuedConnection);
  QMenu* help = window.menuBar()->addMenu("&Help");
  help->setObjectName(prefix + "Help");
  QAction* aboutItem = help->addAction("&About");
  aboutItem->setObjectName(prefix + "HelpAbout");
  QObject::connect(aboutItem, &QAction::triggered, &window, about);
}

}  // namespace corvane
