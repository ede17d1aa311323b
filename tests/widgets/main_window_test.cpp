// The main window at work: its size on a small screen, the booklet's own
// row, undo, the status bar and the folders, printing and PDF, "Why?".
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>

#include "settings/patron.h"
#include "widgets/app_fixture.h"

namespace corvane {
namespace {

class MainWindowAtWork : public Windows {
 protected:
  // The main window in its date stage, on the given service option and date.
  MainWindow& dateStage(const char* option = "optVespers", QDate date = {2022, 10, 8}) {
    reachMainWindow();
    MainWindow& main = app->mainWindow();
    const std::string_view liturgy{option};
    if (liturgy.starts_with("optSt") || liturgy == "optPresanctified") {
      click(main, "optDivineLiturgy");
    }
    click(main, option);
    click(main, "cmdSelectService");
    in<QDateEdit>(main, "DTPicker1").setDate(date);
    return main;
  }
  QString status() { return app->mainWindow().statusBar()->currentMessage(); }
  QStringList bookletLabels() {
    auto& list = in<QListWidget>(app->mainWindow(), "lstBooklet");
    QStringList labels;
    for (int row = 0; row < list.count(); ++row) labels << list.item(row)->text();
    return labels;
  }
  // Adds through the booklet's own row.
  void addToBooklet(const char* service, QDate date) {
    MainWindow& main = app->mainWindow();
    auto& serviceList = in<QComboBox>(main, "cboBookletService");
    serviceList.setCurrentIndex(serviceList.findText(service));
    ASSERT_GE(serviceList.currentIndex(), 0) << service;
    in<QDateEdit>(main, "dtpBookletDate").setDate(date);
    click(main, "cmdAddToBooklet");
  }
  void trigger(QWidget& window, const char* action) { in<QAction>(window, action).trigger(); }
};

// Every control the user works with is on the window, whole, when the window
// is at its smallest.
void expectReachable(QWidget& window, const char* stage) {
  const QRect shown = window.rect();
  int checked = 0;
  for (QWidget* control : window.findChildren<QWidget*>()) {
    const bool worksWith = qobject_cast<QAbstractButton*>(control) != nullptr ||
                           qobject_cast<QDateEdit*>(control) != nullptr ||
                           qobject_cast<QComboBox*>(control) != nullptr ||
                           qobject_cast<QListWidget*>(control) != nullptr ||
                           qobject_cast<QTextBrowser*>(control) != nullptr;
    if (!worksWith || !control->isVisible() || control->window() != &window) continue;
    if (control->parentWidget()->inherits("QAbstractSpinBox") ||
        control->parentWidget()->inherits("QComboBox")) {
      continue;  // the parts of a date edit or a list box
    }
    ++checked;
    const QRect at{control->mapTo(&window, QPoint{0, 0}), control->size()};
    EXPECT_TRUE(shown.contains(at))
        << stage << ": " << control->objectName().toStdString() << " lies outside the window";
    const QSize needed = control->minimumSizeHint();
    EXPECT_GE(control->width(), needed.width())
        << stage << ": " << control->objectName().toStdString() << " is cut short";
    EXPECT_GE(control->height(), std::min(needed.height(), 24))
        << stage << ": " << control->objectName().toStdString() << " is cut short";
  }
  EXPECT_GE(checked, 12) << stage;
}

// At most 1000 by 600 logical pixels, and low enough for a 1366 by 768
// screen at 125% (614 logical pixels high) with a title bar and a panel.
TEST_F(MainWindowAtWork, FitsASmallScreenWithEveryControlReachable) {
  ASSERT_TRUE(
      writeFileAtomically(services.bookletFile, "2026-12-12 great-vespers\n2026-12-13 orthros\n"));
  reachMainWindow();
  MainWindow& main = app->mainWindow();
  QApplication::processEvents();
  const QSize smallest = main.minimumSizeHint();
  EXPECT_LE(smallest.width(), 1000);
  EXPECT_LE(smallest.height(), 560);
  main.resize(smallest);
  QApplication::processEvents();
  expectReachable(main, "the service stage");
  // The date stage with all it may show: a warning, and "Why?".
  click(main, "optDlyVespers");
  click(main, "cmdSelectService");
  in<QDateEdit>(main, "DTPicker1").setDate(QDate{2026, 10, 17});  // a Saturday
  click(main, "cmdWhy");
  QApplication::processEvents();
  ASSERT_TRUE(in<QFrame>(main, "frmWarning").isVisible());
  expectReachable(main, "the date stage");
  EXPECT_EQ(main.size(), smallest);
}

// One size for the main window: the service stage, the date stage and "Why?".
TEST_F(MainWindowAtWork, KeepsOneSize) {
  reachMainWindow();
  MainWindow& main = app->mainWindow();
  QApplication::processEvents();
  const QSize size = main.size();
  const auto sameSize = [&](const char* when) {
    QApplication::processEvents();
    EXPECT_EQ(main.size(), size) << when;
  };
  click(main, "cmdSelectService");
  sameSize("in the date stage");
  click(main, "cmdWhy");
  sameSize("with Why? open");
  click(main, "cmdGoBack");
  sameSize("back in the service stage");
}

// A Holy Week booklet without leaving the date stage: the row starts at the
// service and date shown and adds any of the nine services on any date.
TEST_F(MainWindowAtWork, TheBookletRowAddsAnyServiceOnAnyDate) {
  MainWindow& main = dateStage("optStBasil", QDate{2027, 4, 29});
  EXPECT_EQ(in<QComboBox>(main, "cboBookletService").currentText(),
            "Divine Liturgy of St. Basil the Great");
  EXPECT_EQ(in<QDateEdit>(main, "dtpBookletDate").date(), QDate(2027, 4, 29));
  auto& serviceList = in<QComboBox>(main, "cboBookletService");
  QStringList names;
  for (int i = 0; i < serviceList.count(); ++i) names << serviceList.itemText(i);
  EXPECT_EQ(names, (QStringList{"Great Vespers", "Daily Vespers", "Orthros", "Daily Orthros",
                                "Divine Liturgy of St. John Chrysostom",
                                "Evening Divine Liturgy of St. John Chrysostom",
                                "Divine Liturgy of St. Basil the Great",
                                "Evening Divine Liturgy of St. Basil the Great",
                                "Liturgy of the Presanctified Gifts"}));

  click(main, "cmdAddToBooklet");  // the service shown
  addToBooklet("Great Vespers", QDate{2027, 4, 30});
  addToBooklet("Liturgy of the Presanctified Gifts", QDate{2027, 4, 28});
  addToBooklet("Evening Divine Liturgy of St. John Chrysostom", QDate{2027, 4, 28});
  EXPECT_EQ(status(),
            "Added to the booklet: Wed, Apr 28, 2027 - Evening Divine Liturgy of St. "
            "John Chrysostom.");
  EXPECT_EQ(bookletLabels(),
            (QStringList{"Wed, Apr 28, 2027 - Liturgy of the Presanctified Gifts",
                         "Wed, Apr 28, 2027 - Evening Divine Liturgy of St. John Chrysostom",
                         "Thu, Apr 29, 2027 - Divine Liturgy of St. Basil the Great",
                         "Fri, Apr 30, 2027 - Great Vespers"}));
  EXPECT_EQ(in<QListWidget>(main, "lstBooklet").currentRow(), 1) << "the entry added is selected";
  EXPECT_TRUE(button(main, "cmdSelectService").isHidden() ||
              !button(main, "cmdSelectService").isEnabled())
      << "still the date stage";

  addToBooklet("Great Vespers", QDate{2027, 4, 30});
  EXPECT_EQ(status(), "Fri, Apr 30, 2027 - Great Vespers is in the booklet already.");
  EXPECT_EQ(bookletLabels().size(), 4);
  EXPECT_EQ(in<QListWidget>(main, "lstBooklet").currentRow(), 3);

  // The row follows the date shown when it changes.
  in<QDateEdit>(main, "DTPicker1").setDate(QDate{2027, 5, 1});
  EXPECT_EQ(in<QDateEdit>(main, "dtpBookletDate").date(), QDate(2027, 5, 1));
  EXPECT_TRUE(messages.isEmpty());
}

// Clearing and Delete can be undone, by the status bar's Undo or Ctrl+Z.
TEST_F(MainWindowAtWork, ClearingAndDeletingCanBeUndone) {
  const std::string list = "2026-12-12 great-vespers\n2026-12-13 orthros\n2026-12-13 chrysostom\n";
  ASSERT_TRUE(writeFileAtomically(services.bookletFile, list));
  MainWindow& main = dateStage();
  const QStringList all = bookletLabels();
  ASSERT_EQ(all.size(), 3);
  auto& undo = button(main, "cmdUndo");
  EXPECT_FALSE(undo.isVisible());

  click(main, "cmdClearBooklet");
  EXPECT_TRUE(bookletLabels().isEmpty());
  EXPECT_EQ(status(), "The booklet was cleared of its 3 services. Undo (Ctrl+Z) brings them back.");
  EXPECT_TRUE(undo.isVisible());
  undo.click();
  EXPECT_EQ(bookletLabels(), all);
  EXPECT_EQ(status(), "The booklet holds its 3 services again.");
  EXPECT_FALSE(undo.isVisible());
  EXPECT_EQ(fileBytes(services.bookletFile),
            "# Corvane booklet: YYYY-MM-DD SERVICE [evening], one dismissal a line\n" + list);

  auto& view = in<QListWidget>(main, "lstBooklet");
  view.setCurrentRow(1);
  QTest::keyClick(&view, Qt::Key_Delete);
  EXPECT_EQ(status(),
            "Removed from the booklet: Sun, Dec 13, 2026 - Orthros. Undo (Ctrl+Z) "
            "brings it back.");
  EXPECT_EQ(bookletLabels().size(), 2);
  main.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(bookletLabels(), all);
}

// Every file written is named with its full path, and its folder is a click away.
TEST_F(MainWindowAtWork, TheStatusBarNamesEachFileWritten) {
  MainWindow& main = dateStage();
  auto& showInFolder = button(main, "cmdShowInFolder");
  EXPECT_FALSE(showInFolder.isVisible());
  click(main, "cmdTxtFile");
  EXPECT_EQ(status(),
            "Written: " + QString::fromStdString((folder.path() / "dismissal.txt").string()));
  ASSERT_TRUE(showInFolder.isVisible());
  showInFolder.click();
  EXPECT_EQ(foldersShown, std::vector<std::filesystem::path>{folder.path()});

  click(main, "cmdAddToBooklet");
  main.showNormal();
  click(main, "cmdCreateBooklet");
  EXPECT_EQ(status(),
            "Written: " + QString::fromStdString(
                              (folder.path() / "booklet-2022-10-08-to-2022-10-08.docx").string()));

  // File > Open Data Folder, from either window.
  foldersShown.clear();
  trigger(main, "mnuFileOpenDataFolder");
  click(main, "cmdOtherForm");
  trigger(app->templeWindow(), "mnu2FileOpenDataFolder");
  EXPECT_EQ(foldersShown, (std::vector<std::filesystem::path>{folder.path(), folder.path()}));
  EXPECT_TRUE(messages.isEmpty());
}

// With no program to open a document, the message says where it is and
// offers its folder.
TEST_F(MainWindowAtWork, AFileNoProgramOpenedIsFoundInItsFolder) {
  services.outputs.openDocument = [](const std::filesystem::path& file, OpenFailure onFailure) {
    onFailure("No program opened " + file.string() + " (xdg-open ended with status 3).");
  };
  showFolderWhenOffered = true;
  MainWindow& main = dateStage();
  click(main, "cmdCreateDismissal");
  QApplication::processEvents();
  const std::filesystem::path document = folder.path() / "dismissal-2022-10-08-great-vespers.docx";
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0].toStdString(),
            "No program opened " + document.string() +
                " (xdg-open ended with status 3). The file is kept in " + folder.path().string() +
                "; \"Show in Folder\" opens that folder, where any program can open it.");
  EXPECT_FALSE(main.isMinimized());
  EXPECT_EQ(foldersShown, std::vector<std::filesystem::path>{folder.path()});
}

// "Print…" and "Export as PDF…" draw the pages of the dismissal shown or of
// the booklet; a cancelled dialog writes nothing.
TEST_F(MainWindowAtWork, PrintingAndPdf) {
  MainWindow& main = dateStage("optOrthros", QDate{2025, 4, 20});
  EXPECT_FALSE(in<QAction>(main, "mnuFilePrintBooklet").isEnabled()) << "the booklet is empty";
  EXPECT_EQ(in<QAction>(main, "mnuFilePrint").shortcut(), QKeySequence{"Ctrl+P"});

  const auto pdfs = [&] {
    int count = 0;
    for (const auto& file : std::filesystem::directory_iterator{folder.path()}) {
      count += file.path().extension() == ".pdf";
    }
    return count;
  };
  trigger(main, "mnuFileExportPdf");  // cancelled: nothing
  ASSERT_EQ(suggestedPdfs.size(), 1);
  EXPECT_EQ(suggestedPdfs[0].toStdString(),
            (folder.path() / "dismissal-2025-04-20-orthros.pdf").string());
  EXPECT_EQ(pdfs(), 0);

  pdfChosen = folder.path() / "pascha.pdf";
  trigger(main, "mnuFileExportPdf");
  EXPECT_TRUE(fileBytes(pdfChosen).starts_with("%PDF-"));
  EXPECT_EQ(status(), "Written: " + QString::fromStdString(pdfChosen.string()));

  printTo = folder.path() / "printed.pdf";
  trigger(main, "mnuFilePrint");
  EXPECT_TRUE(fileBytes(printTo).starts_with("%PDF-"));

  click(main, "cmdAddToBooklet");
  addToBooklet("Great Vespers", QDate{2025, 4, 19});
  ASSERT_TRUE(in<QAction>(main, "mnuFileExportBookletPdf").isEnabled());
  trigger(main, "mnuFileExportBookletPdf");
  EXPECT_EQ(suggestedPdfs.back().toStdString(),
            (folder.path() / "booklet-2025-04-19-to-2025-04-20.pdf").string());
  EXPECT_TRUE(messages.isEmpty());

  click(main, "cmdGoBack");
  EXPECT_FALSE(in<QAction>(main, "mnuFilePrint").isEnabled()) << "no dismissal is shown";
}

const QString kSundayOfLent =
    "The Liturgy of the Presanctified Gifts is served on weekdays of Great Lent and in the first "
    "three days of Holy Week; on Sunday, March 1, 2026, the Divine Liturgy of St. Basil the Great "
    "is appointed.";

// A service its day does not appoint: a notice above the preview, with an
// icon and words that a screen reader reads, never a box in the way; it
// follows the date and the service.
TEST_F(MainWindowAtWork, AWarningShowsAboveThePreviewAndGoes) {
  MainWindow& main = dateStage("optPresanctified", QDate{2026, 3, 1});
  auto& notice = in<QFrame>(main, "frmWarning");
  ASSERT_TRUE(notice.isVisible());
  EXPECT_EQ(in<QLabel>(main, "lblWarning").accessibleName(), "Warning: " + kSundayOfLent);
  EXPECT_EQ(notice.accessibleDescription(), kSundayOfLent);
  EXPECT_FALSE(in<QLabel>(main, "picWarning").pixmap().isNull());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  click(main, "cmdTxtFile");
  EXPECT_TRUE(status().startsWith("Written: ")) << "the outputs work as ever";

  in<QDateEdit>(main, "DTPicker1").setDate(QDate{2026, 3, 4});  // a Wednesday of Lent
  EXPECT_FALSE(notice.isVisible());
  in<QDateEdit>(main, "DTPicker1").setDate(QDate{2026, 3, 1});
  EXPECT_TRUE(notice.isVisible());
  click(main, "cmdGoBack");
  click(main, "optOrthros");
  click(main, "cmdSelectService");
  in<QDateEdit>(main, "DTPicker1").setDate(QDate{2026, 3, 1});
  EXPECT_FALSE(notice.isVisible()) << "Orthros is served that Sunday";
  EXPECT_TRUE(messages.isEmpty());
}

// In the booklet, an entry whose day appoints another service is marked, and
// its tooltip is the warning.
TEST_F(MainWindowAtWork, ABookletEntryThatDrawsAWarningIsMarked) {
  MainWindow& main = dateStage();
  addToBooklet("Liturgy of the Presanctified Gifts", QDate{2026, 3, 1});
  addToBooklet("Liturgy of the Presanctified Gifts", QDate{2026, 3, 4});
  auto& list = in<QListWidget>(main, "lstBooklet");
  ASSERT_EQ(list.count(), 2);
  EXPECT_FALSE(list.item(0)->icon().isNull());
  EXPECT_EQ(list.item(0)->toolTip(), kSundayOfLent);
  EXPECT_TRUE(list.item(1)->icon().isNull());
  EXPECT_TRUE(list.item(1)->toolTip().isEmpty());
}

// "Why?" names the liturgical day, and the temple's patron once.
TEST_F(MainWindowAtWork, WhyNamesTheLiturgicalDay) {
  start();
  click(app->templeWindow(), "optNicholas");
  click(app->templeWindow(), "cmdContinue");
  MainWindow& main = app->mainWindow();
  click(main, "optDivineLiturgy");
  click(main, "optPresanctified");
  click(main, "cmdSelectService");
  in<QDateEdit>(main, "DTPicker1").setDate(QDate{2027, 3, 21});  // a Sunday
  click(main, "cmdWhy");
  const QString why = in<QLabel>(main, "lblWhy").text();
  EXPECT_TRUE(
      why.startsWith("Liturgical day: Monday, March 22, 2027 (an evening service belongs "
                     "to the next day)<br/>Church date: 22 March 2027 (new calendar)"))
      << why.toStdString();
  EXPECT_TRUE(why.contains("Temple patron: St. Nicholas<br/>")) << why.toStdString();
  EXPECT_FALSE(why.contains("patron: temple patron", Qt::CaseInsensitive)) << why.toStdString();
}

// After "Select a Different Service" Enter chooses a service; Ctrl+Q quits
// from either window.
TEST_F(MainWindowAtWork, FocusAndKeys) {
  MainWindow& main = dateStage();
  click(main, "cmdGoBack");
  EXPECT_EQ(main.focusWidget(), &button(main, "optVespers"));
  EXPECT_EQ(in<QAction>(main, "mnuFileExit").shortcut(), QKeySequence{"Ctrl+Q"});
  EXPECT_EQ(in<QAction>(app->templeWindow(), "mnu2FileExit").shortcut(), QKeySequence{"Ctrl+Q"});
}

// In a dark theme nothing is drawn lighter than the theme's own colours.
TEST_F(MainWindowAtWork, ADarkPaletteIsFollowed) {
  const QPalette before = QApplication::palette();
  QPalette dark{QColor{45, 45, 45}, QColor{40, 40, 40}};  // button, window: the rest derived
  dark.setColor(QPalette::WindowText, QColor{200, 200, 200});
  dark.setColor(QPalette::Text, QColor{200, 200, 200});
  dark.setColor(QPalette::ButtonText, QColor{200, 200, 200});
  dark.setColor(QPalette::Base, QColor{30, 30, 30});
  QApplication::setPalette(dark);
  int brightest = 0;
  for (const QColor& color :
       {dark.color(QPalette::Light), dark.color(QPalette::Text), dark.color(QPalette::Highlight),
        dark.color(QPalette::HighlightedText), dark.color(QPalette::Midlight)}) {
    brightest = std::max(brightest, color.lightness());
  }
  MainWindow& main = dateStage();
  click(main, "cmdTxtFile");  // the status bar too
  for (QWidget* window :
       {static_cast<QWidget*>(&main), static_cast<QWidget*>(&app->templeWindow())}) {
    window->show();
    QApplication::processEvents();
    const QImage image = window->grab().toImage();
    int tooBright = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y).lightness() > brightest + 8) ++tooBright;
      }
    }
    EXPECT_EQ(tooBright, 0) << window->objectName().toStdString();
  }
  QApplication::setPalette(before);
}

}  // namespace
}  // namespace corvane
