#pragma once

#include <QList>
#include <QMainWindow>
#include <functional>

class QAction;

namespace corvane {

// The menus both windows carry: "&File" with the window's own items, "Open
// Data Folder" and "E&xit" (Ctrl+Q), which ends the program at once; "&Help"
// with "&About". The object names start with the window's prefix ("mnu" or
// "mnu2"): mnuFile, mnuFileOpenDataFolder, mnuFileExit, mnuHelp, mnuHelpAbout.
void addFileAndHelpMenus(QMainWindow& window, const QString& prefix,
                         const QList<QAction*>& fileItems,
                         const std::function<void()>& openDataFolder,
                         const std::function<void()>& about);

}  // namespace corvane
