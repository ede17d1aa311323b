#pragma once

#include <QMainWindow>
#include <functional>

namespace corvane {

// The menus both windows carry: "&File" with "E&xit", which ends the program
// at once, and "&Help" with "&About". The object names start with the
// window's prefix ("mnu" or "mnu2"): mnuFile, mnuFileExit, mnuHelp, mnuHelpAbout.
void addFileAndHelpMenus(QMainWindow& window, const QString& prefix,
                         const std::function<void()>& about);

}  // namespace corvane
