#include "widgets/window_menus.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>

namespace corvane {

void addFileAndHelpMenus(QMainWindow& window, const QString& prefix,
                         const QList<QAction*>& fileItems,
                         const std::function<void()>& openDataFolder,
                         const std::function<void()>& about) {
  QMenu* file = window.menuBar()->addMenu("&File");
  file->setObjectName(prefix + "File");
  if (!fileItems.isEmpty()) {
    file->addActions(fileItems);
    file->addSeparator();
  }
  QAction* dataFolder = file->addAction("Open Data Folder");
  dataFolder->setObjectName(prefix + "FileOpenDataFolder");
  QObject::connect(dataFolder, &QAction::triggered, &window, openDataFolder);
  file->addSeparator();
  QAction* exit = file->addAction("E&xit");
  exit->setObjectName(prefix + "FileExit");
  exit->setShortcut(QKeySequence{Qt::CTRL | Qt::Key_Q});  // as in every program on the desktop
  QObject::connect(exit, &QAction::triggered, qApp, &QApplication::quit, Qt::QueuedConnection);
  QMenu* help = window.menuBar()->addMenu("&Help");
  help->setObjectName(prefix + "Help");
  QAction* aboutItem = help->addAction("&About");
  aboutItem->setObjectName(prefix + "HelpAbout");
  QObject::connect(aboutItem, &QAction::triggered, &window, about);
}

}  // namespace corvane
