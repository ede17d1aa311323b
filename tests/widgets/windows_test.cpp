// The two windows, driven by their controls' object names, without a display.
// What each stage decides is the window logic's tests' business; these check
// that the windows show it, and what only the widgets do.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFontInfo>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <future>
#include <thread>

#include "platform/atomic_file.h"
#include "state/english_date.h"
#include "support/temporary_folder.h"
#include "text/windows_1252.h"
#include "widgets/commemorations_dialog.h"
#include "widgets/corvane_app.h"

namespace corvane {
namespace {

using Path = std::filesystem::path;

// The windows are measured and pictured in fonts of the tests' own choosing,
// never in whatever the machine has: DejaVu Sans (fonts-dejavu-core, which
// `scripts/setup all` installs for the tests), and Nimbus Sans, all a machine
// has after `scripts/setup program` (fonts-urw-base35).
constexpr const char* kTestFont = "DejaVu Sans";
constexpr const char* kBareMachineFont = "Nimbus Sans";

QFont fontOf(const char* family) {
  QFont font{QString::fromUtf8(family)};
  font.setPointSize(9);
  return font;
}

void useFont(const char* family) {
  QApplication::setFont(fontOf(family));
  const QString found = QFontInfo{QApplication::font()}.family();  // "Nimbus Sans [urw]"
  ASSERT_TRUE(found.startsWith(QString::fromUtf8(family)))
      << family << " is missing (scripts/setup installs it); found " << found.toStdString();
}

// The program's windows with services of the test's own: a fixed today,
// recorded questions, messages and opened files, a data folder of its own,
// and questions, print and file dialogs that answer as told.
class Windows : public ::testing::Test {
 protected:
  void SetUp() override {
    useFont(kTestFont);
    services.today = [] { return QDate{2022, 10, 8}; };
    services.ask = [this](QWidget*, const QString& title, const QString& text) {
      questions << title + "|" + text;
      return answerYes;
    };
    services.tell = [this](QWidget*, const QString& text) { messages << text; };
    services.inform = [this](QWidget*, const QString& title, const QString& text) {
      messages << title + "|" + text;
    };
    const auto open = [this](const Path& file, OpenFailure) { opened.push_back(file); };
    services.outputs = {
        .dataFolder = folder.path(),
        .longDate = englishLongDate,
        .openTextFile = open,
        .openDocument = open,
        .openFolder = [this](const Path& shown, OpenFailure) { foldersShown.push_back(shown); }};
    services.offerFolder = [this](QWidget*, const QString& text) {
      messages << text;
      return true;
    };
    services.choosePrinter = [this](QWidget*, QPrinter& printer) {
      printer.setOutputFileName(QString::fromStdString(printTo.string()));
      return !printTo.empty();
    };
    services.choosePdfFile = [this](QWidget*, const QString& suggested) {
      suggestedPdfs.push_back(suggested.toStdString());
      return QString::fromStdString(pdfChosen.string());
    };
    services.patronFile = folder.path() / "inpat.txt";
    services.settingsFile = folder.path() / "corvane.ini";
    services.bookletFile = folder.path() / "booklet.txt";
    services.commemorationsFile = folder.path() / "commemorations.txt";
    services.startSystemInfo = [] { return false; };
  }

  // Starts the program anew: the records go on, the files stay.
  void start() {
    app = std::make_unique<CorvaneApp>(services);
    app->start();
  }
  // From the temple window with a listed patron to the main window's date
  // stage, on the given service option (the Liturgies open under the Divine
  // Liturgy) and date.
  MainWindow& dateStage(const char* option = "optVespers", QDate date = {2022, 10, 8}) {
    start();
    click(app->templeWindow(), "optTrinity");
    click(app->templeWindow(), "cmdContinue");
    MainWindow& main = app->mainWindow();
    click(main, "optDivineLiturgy");
    click(main, option);
    click(main, "cmdSelectService");
    in<QDateEdit>(main, "DTPicker1").setDate(date);
    return main;
  }

  template <typename Widget>
  Widget& in(QWidget& window, const char* name) {
    auto* widget = window.findChild<Widget*>(name);
    if (widget == nullptr) throw std::runtime_error{std::string{"no control "} + name};
    return *widget;
  }
  QAbstractButton& button(QWidget& window, const char* name) {
    return in<QAbstractButton>(window, name);
  }
  void click(QWidget& window, const char* name) { button(window, name).click(); }
  void trigger(QWidget& window, const char* name) { in<QAction>(window, name).trigger(); }
  void typePatron(const QString& text) {
    in<QPlainTextEdit>(app->templeWindow(), "txtInPat").setPlainText(text);
  }
  std::string fileBytes(const Path& file) { return readWholeFile(file).value_or(""); }
  QString status() { return app->mainWindow().statusBar()->currentMessage(); }
  // Keys go where the keyboard focus is, as a user's do.
  void press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    ASSERT_NE(window.focusWidget(), nullptr);
    QTest::keyClick(window.focusWidget(), key, modifiers);
  }
  void activate(QWidget& window) {
    window.showNormal();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  QStringList bookletLabels() {
    auto& list = in<QListWidget>(app->mainWindow(), "lstBooklet");
    QStringList labels;
    for (int row = 0; row < list.count(); ++row) labels << list.item(row)->text();
    return labels;
  }
  // Adds through the booklet's own row.
  void addToBooklet(const char* service, QDate date) {
    auto& choice = in<QComboBox>(app->mainWindow(), "cboBookletService");
    choice.setCurrentIndex(choice.findText(service));
    ASSERT_GE(choice.currentIndex(), 0) << service;
    in<QDateEdit>(app->mainWindow(), "dtpBookletDate").setDate(date);
    click(app->mainWindow(), "cmdAddToBooklet");
  }

  testing::TemporaryFolder folder;
  AppServices services;
  std::unique_ptr<CorvaneApp> app;
  bool answerYes = false;  // to every question
  QStringList questions;
  QStringList messages;
  std::vector<Path> opened;
  std::vector<Path> foldersShown;
  Path printTo;    // the print dialog prints to this file; empty: cancelled
  Path pdfChosen;  // the file dialog's answer; empty: cancelled
  std::vector<std::string> suggestedPdfs;
};

// The box keeps a no-break space and makes a line separator a blank;
// activating the window again replaces nothing typed; a phrase of only
// control characters keeps the window.
TEST_F(Windows, ATypedPhraseReachesTheTempleAsTyped) {
  start();
  click(app->templeWindow(), "cmdContinue");  // NONE OF THE ABOVE opens the box
  typePatron(QString::fromUtf8("  of St.\u00A0Raphael\u2028of\x01 Brooklyn\t \x7F"));
  click(app->templeWindow(), "cmdContinue");
  EXPECT_EQ(app->settings().patronText, "of St.\u00A0Raphael of Brooklyn");
  EXPECT_TRUE(app->mainWindow().isVisible());

  start();
  typePatron(" \t\x01 ");
  QEvent activate{QEvent::WindowActivate};
  QApplication::sendEvent(&app->templeWindow(), &activate);
  click(app->templeWindow(), "cmdContinue");
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].startsWith("The patron phrase held only blanks"));
  EXPECT_FALSE(app->mainWindow().isVisible());
}

// A data folder that could not be made, and a booklet that cannot be read,
// are said as the temple window first shows; an output that cannot be
// written is said, and may be tried again.
TEST_F(Windows, WhatWentWrongIsSaid) {
  services.startupProblem = "Cannot create the folder /home/u/.local/share/corvane";
  services.outputs.dataFolder = folder.path() / "missing";
  ASSERT_TRUE(writeFileAtomically(services.bookletFile, "2026-12-13 vesper\n"));
  MainWindow& main = dateStage();
  ASSERT_EQ(messages.size(), 2);
  EXPECT_EQ(messages[0], services.startupProblem);
  EXPECT_TRUE(messages[1].contains("booklet-unreadable.txt")) << messages[1].toStdString();
  click(main, "cmdTxtFile");
  ASSERT_EQ(messages.size(), 3);
  EXPECT_TRUE(messages[2].contains("dismissal.txt")) << messages[2].toStdString();
  EXPECT_TRUE(opened.empty());
  EXPECT_TRUE(button(main, "cmdTxtFile").isEnabled());
}

// The dates offered; "Select a Different Service" leaves Enter on a
// service; the evening question's lines as the window shows them, asked
// once however often the Liturgy is clicked, with No as its default button;
// Go Back and Continue come again to the service stage, its outputs closed.
TEST_F(Windows, TheStagesAndTheWindowsFollowEachOther) {
  MainWindow& main = dateStage("optOrthros");
  EXPECT_EQ(in<QDateEdit>(main, "DTPicker1").minimumDate(), QDate(1583, 1, 1));
  EXPECT_EQ(in<QDateEdit>(main, "DTPicker1").maximumDate(), QDate(9999, 12, 30));
  click(main, "cmdGoBack");
  EXPECT_EQ(main.focusWidget(), &button(main, "optVespers"));
  click(main, "optDivineLiturgy");
  answerYes = true;
  click(main, "optStBasil");
  click(main, "optStBasil");
  EXPECT_EQ(button(main, "optStBasil").text(), "St. Basil the Great - EDL");
  EXPECT_EQ(
      questions,
      QStringList{"EDL|Is this an Evening Divine Liturgy?\n\nNOTE: Select 'No' if this is the "
                  "Vesperal Liturgy appointed for\n\n     Holy Thursday,\n     Holy "
                  "Saturday,\n     Paramon of Nativity, or\n     Paramon of Theophany"});
  const auto box = askingBox(nullptr, "EDL", "Is this an Evening Divine Liturgy?");
  EXPECT_EQ(box->defaultButton(), qobject_cast<QPushButton*>(box->button(QMessageBox::No)));
  click(main, "cmdSelectService");
  click(main, "cmdOtherForm");
  EXPECT_TRUE(app->templeWindow().isVisible() && !main.isVisible());
  click(app->templeWindow(), "cmdContinue");
  EXPECT_TRUE(button(main, "optVespers").isChecked());
  EXPECT_FALSE(button(main, "cmdTxtFile").isEnabled());
}

// The temple's calendar and typed patron reach the preview, which follows the
// date and is what the text file holds; Go Back forgets the typed patron; the
// calendar comes back at the next start.
TEST_F(Windows, ThePreviewIsTheTextFile) {
  start();
  click(app->templeWindow(), "optOldCalendar");
  click(app->templeWindow(), "cmdContinue");
  typePatron("of St. Herman\nof Alaska");
  click(app->templeWindow(), "cmdContinue");
  MainWindow& main = app->mainWindow();
  click(main, "cmdSelectService");
  in<QDateEdit>(main, "DTPicker1").setDate(QDate{2027, 1, 6});
  click(main, "cmdTxtFile");
  const Path file = folder.path() / "dismissal.txt";
  EXPECT_EQ(opened, std::vector<Path>{file});
  std::string text = decodeTextFile(fileBytes(file));
  std::erase(text, '\r');
  const QString preview = in<QTextBrowser>(main, "txtPreview").toPlainText();
  EXPECT_TRUE(preview.startsWith("Wednesday, January 6, 2027 - Nativity of Our Lord\n"));
  EXPECT_TRUE(preview.contains("of St. Herman of Alaska;"));
  EXPECT_EQ(preview.toStdString(), text);
  EXPECT_EQ(status(), "Written: " + QString::fromStdString(file.string()));
  click(main, "cmdShowInFolder");
  EXPECT_EQ(foldersShown, std::vector<Path>{folder.path()});

  click(main, "cmdCopy");
  const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
  EXPECT_EQ(copied->text(), preview);
  EXPECT_TRUE(copied->html().contains("font-weight:700")) << "the bold clauses stay bold";
  click(main, "cmdWhy");
  const auto& why = in<QLabel>(main, "lblWhy");
  EXPECT_TRUE(why.isVisible() && why.text().contains("Church date: 25 December 2026 (Julian"));
  click(main, "cmdOtherForm");
  EXPECT_EQ(app->settings().patronText, "") << "Go Back forgets the typed patron";
  EXPECT_TRUE(messages.isEmpty());
  start();
  EXPECT_TRUE(button(app->templeWindow(), "optOldCalendar").isChecked());
}

// A document that no program opened, told from another thread: the window
// comes back from its minimised state, says where the file is and shows its
// folder. A report that ends only after the program closed its windows
// reaches nothing and runs nothing.
TEST_F(Windows, ADocumentNoProgramOpenedIsFoundInItsFolder) {
  std::promise<void> closed;
  std::thread late;
  services.outputs.openDocument = [&](const Path& file, OpenFailure onFailure) {
    std::thread{[&] { onFailure("No program opened " + file.string() + "."); }}.join();
    late = std::thread{[ended = closed.get_future(), onFailure]() mutable {
      ended.wait();
      onFailure("Could not open the document");
    }};
  };
  MainWindow& main = dateStage();
  click(main, "cmdCreateDismissal");
  EXPECT_TRUE(main.isMinimized());
  QApplication::processEvents();
  const Path document = folder.path() / "dismissal-2022-10-08-great-vespers.docx";
  EXPECT_EQ(messages,
            QStringList{QString::fromStdString(
                "No program opened " + document.string() + ". The file is kept in " +
                folder.path().string() +
                "; \"Show in Folder\" opens that folder, where any program can open it.")});
  EXPECT_FALSE(main.isMinimized());
  EXPECT_EQ(foldersShown, std::vector<Path>{folder.path()});
  app.reset();
  closed.set_value();
  late.join();
  QApplication::processEvents();
  EXPECT_EQ(messages.size(), 1);
}

// "Print…" and "Export as PDF…" draw the dismissal shown or the booklet; a
// cancelled dialog writes nothing.
TEST_F(Windows, PrintingAndPdf) {
  MainWindow& main = dateStage("optOrthros", QDate{2025, 4, 20});
  EXPECT_FALSE(in<QAction>(main, "mnuFileExportBookletPdf").isEnabled()) << "the booklet is empty";
  click(main, "cmdCreateDismissal");  // a document of that name: the PDF's own name is free
  trigger(main, "mnuFileExportPdf");
  EXPECT_EQ(suggestedPdfs,
            std::vector{(folder.path() / "dismissal-2025-04-20-orthros.pdf").string()});
  pdfChosen = folder.path() / "pascha.pdf";
  trigger(main, "mnuFileExportPdf");
  EXPECT_TRUE(fileBytes(pdfChosen).starts_with("%PDF-"));
  QStatusTipEvent menuHovered{QString{}};
  QApplication::sendEvent(&main, &menuHovered);
  EXPECT_EQ(status(), "Written: " + QString::fromStdString(pdfChosen.string()));
  EXPECT_TRUE(button(main, "cmdShowInFolder").isVisible());
  printTo = folder.path() / "printed.pdf";
  trigger(main, "mnuFilePrint");
  EXPECT_TRUE(fileBytes(printTo).starts_with("%PDF-"));

  click(main, "cmdAddToBooklet");
  trigger(main, "mnuFileExportBookletPdf");
  EXPECT_EQ(suggestedPdfs.back(),
            (folder.path() / "booklet-2025-04-20-to-2025-04-20.pdf").string());
  EXPECT_TRUE(messages.isEmpty());
}

// The booklet's row adds any service on any date, starting at the one shown;
// Delete and Clear can be undone.
TEST_F(Windows, TheBookletAddsRemovesUndoesAndCreates) {
  MainWindow& main = dateStage("optStBasil", QDate{2027, 4, 29});
  click(main, "cmdAddToBooklet");
  addToBooklet("Great Vespers", QDate{2027, 4, 30});
  addToBooklet("Evening Divine Liturgy of St. John Chrysostom", QDate{2027, 4, 28});
  EXPECT_EQ(status(),
            "Added to the booklet: Wed, Apr 28, 2027 - Evening Divine Liturgy of St. John "
            "Chrysostom.");
  const QStringList all{"Wed, Apr 28, 2027 - Evening Divine Liturgy of St. John Chrysostom",
                        "Thu, Apr 29, 2027 - Divine Liturgy of St. Basil the Great",
                        "Fri, Apr 30, 2027 - Great Vespers"};
  EXPECT_EQ(bookletLabels(), all);
  auto& list = in<QListWidget>(main, "lstBooklet");
  EXPECT_EQ(list.currentRow(), 0) << "the entry added is selected";
  addToBooklet("Great Vespers", QDate{2027, 4, 30});
  EXPECT_EQ(status(), "Fri, Apr 30, 2027 - Great Vespers is in the booklet already.");
  EXPECT_EQ(list.currentRow(), 2);
  auto& note = in<QLabel>(main, "lblBookletServiceNote");
  EXPECT_FALSE(note.isVisible());
  auto& choice = in<QComboBox>(main, "cboBookletService");
  choice.setCurrentIndex(choice.findText("Evening Divine Liturgy of St. Basil the Great"));
  EXPECT_TRUE(note.isVisible());
  EXPECT_EQ(note.text(),
            "NOTE: The Vesperal Liturgy of Holy Thursday, Holy Saturday and the Paramons of "
            "Nativity and Theophany is the Divine Liturgy of St. Basil the Great, without the "
            "evening choice.");

  list.setCurrentRow(1);
  QTest::keyClick(&list, Qt::Key_Delete);
  EXPECT_EQ(status(),
            "Removed from the booklet: Thu, Apr 29, 2027 - Divine Liturgy of St. Basil the Great. "
            "Undo (Ctrl+Z) brings it back.");
  main.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  QTest::keyClick(&list, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(bookletLabels(), all);

  click(main, "cmdClearBooklet");
  EXPECT_EQ(status(), "The booklet was cleared of its 3 services. Undo (Ctrl+Z) brings them back.");
  ASSERT_TRUE(button(main, "cmdUndo").isVisible());
  click(main, "cmdUndo");
  EXPECT_EQ(status(), "The booklet holds its 3 services again.");

  click(main, "cmdCreateBooklet");
  EXPECT_EQ(opened, std::vector<Path>{folder.path() / "booklet-2027-04-28-to-2027-04-30.docx"});
  EXPECT_TRUE(main.isMinimized());
  EXPECT_TRUE(messages.isEmpty());
}

const QString kSundayOfLent =
    "The Liturgy of the Presanctified Gifts is served on weekdays of Great Lent and in the first "
    "three days of Holy Week; on Sunday, March 1, 2026, the Divine Liturgy of St. Basil the Great "
    "is appointed.";

// A service its day does not appoint: a notice above the preview that a
// screen reader reads, never a box in the way, gone on a day that appoints
// it; in the booklet, a mark whose tooltip is the warning (which entries
// draw one, the window logic's tests decide).
TEST_F(Windows, AServiceTheDayDoesNotAppointIsNoticedAndMarked) {
  MainWindow& main = dateStage("optPresanctified", QDate{2026, 3, 1});
  auto& notice = in<QFrame>(main, "frmWarning");
  ASSERT_TRUE(notice.isVisible());
  EXPECT_EQ(in<QLabel>(main, "lblWarning").accessibleName(), "Warning: " + kSundayOfLent);
  EXPECT_EQ(notice.accessibleDescription(), kSundayOfLent);
  EXPECT_FALSE(in<QLabel>(main, "picWarning").pixmap().isNull());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  click(main, "cmdAddToBooklet");
  const QListWidgetItem* entry = in<QListWidget>(main, "lstBooklet").item(0);
  ASSERT_NE(entry, nullptr);
  EXPECT_FALSE(entry->icon().isNull());
  EXPECT_EQ(entry->toolTip(), kSundayOfLent);
  in<QDateEdit>(main, "DTPicker1").setDate(QDate{2026, 3, 4});  // a Wednesday of Lent
  EXPECT_FALSE(notice.isVisible());
}

// Every control the user works with is on the window, whole, when the window
// is at its smallest.
void expectReachable(QWidget& window, const char* stage) {
  int checked = 0;
  for (QWidget* control : window.findChildren<QWidget*>()) {
    const bool worksWith = qobject_cast<QAbstractButton*>(control) != nullptr ||
                           qobject_cast<QDateEdit*>(control) != nullptr ||
                           qobject_cast<QComboBox*>(control) != nullptr ||
                           qobject_cast<QListWidget*>(control) != nullptr ||
                           qobject_cast<QTextBrowser*>(control) != nullptr;
    if (!worksWith || !control->isVisible() || control->window() != &window ||
        control->parentWidget()->inherits("QAbstractSpinBox") ||
        control->parentWidget()->inherits("QComboBox")) {
      continue;  // the parts of a date edit or a list box
    }
    ++checked;
    const std::string name = stage + (": " + control->objectName().toStdString());
    EXPECT_TRUE(window.rect().contains(QRect{control->mapTo(&window, QPoint{}), control->size()}))
        << name << " lies outside the window";
    const QSize needed = control->minimumSizeHint();
    EXPECT_GE(control->width(), needed.width()) << name << " is cut short";
    EXPECT_GE(control->height(), std::min(needed.height(), 24)) << name << " is cut short";
  }
  EXPECT_GE(checked, 12) << stage;
}

// At most 1000 by 560 logical pixels, low enough for a 1366 by 768 screen at
// 125% (614 logical pixels high) with a title bar and a panel; the warning,
// "Why?" and a date refused change nothing of it. The booklet's note on the
// evening St. Basil adds its lines, within 1000 by 600. In the tests' font
// and in a bare machine's.
TEST_F(Windows, TheMainWindowFitsASmallScreenWithEveryControlReachable) {
  ASSERT_TRUE(
      writeFileAtomically(services.bookletFile, "2026-12-12 great-vespers\n2026-12-13 orthros\n"));
  for (const char* family : {kTestFont, kBareMachineFont}) {
    SCOPED_TRACE(family);
    useFont(family);
    MainWindow& main = dateStage();
    click(main, "cmdGoBack");
    QApplication::processEvents();
    const QSize smallest = main.minimumSizeHint();
    EXPECT_LE(smallest.width(), 1000);
    EXPECT_LE(smallest.height(), 560);
    main.resize(smallest);
    QApplication::processEvents();
    expectReachable(main, "the service stage");
    click(main, "optDlyVespers");
    click(main, "cmdSelectService");
    in<QDateEdit>(main, "DTPicker1").setDate(QDate{2026, 10, 17});  // a Saturday: a warning
    click(main, "cmdWhy");
    activate(main);
    press(main, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(main.focusWidget(), "Sat, Oct 17, 26");
    press(main, Qt::Key_Return);
    QApplication::processEvents();
    ASSERT_TRUE(in<QFrame>(main, "frmWarning").isVisible());
    const auto& refused = in<QLabel>(main, "lblDateProblem");
    ASSERT_TRUE(refused.isVisible());
    EXPECT_GE(refused.height(), refused.heightForWidth(refused.width())) << "cut short";
    expectReachable(main, "the date stage");
    EXPECT_EQ(main.size(), smallest);

    auto& choice = in<QComboBox>(main, "cboBookletService");
    choice.setCurrentIndex(choice.findText("Evening Divine Liturgy of St. Basil the Great"));
    for (int settle = 0; settle < 3; ++settle) {
      main.resize(1, 1);  // as small as it goes
      QApplication::processEvents();
    }
    EXPECT_LE(main.width(), 1000);
    EXPECT_LE(main.height(), 600);
    const auto& note = in<QLabel>(main, "lblBookletServiceNote");
    ASSERT_TRUE(note.isVisible());
    EXPECT_GE(note.height(), note.heightForWidth(note.width())) << "cut short";
    expectReachable(main, "the date stage with the booklet's note");
  }
  useFont(kTestFont);
}

// A whole date typed or pasted is taken; Enter then goes on to the default
// output. One that cannot be read is said beside the picker, which keeps the
// last good date, and Enter goes no further. A click selects the section it
// lands on, and the arrow keys step it; no year 0000 is shown.
TEST_F(Windows, TheDatePickerTakesADateAsPeopleTypeIt) {
  MainWindow& main = dateStage("optOrthros", QDate{2026, 12, 6});
  auto& picker = in<QDateEdit>(main, "DTPicker1");
  QLineEdit& text = *picker.findChild<QLineEdit*>();
  const auto& refused = in<QLabel>(main, "lblDateProblem");
  const auto typeWhole = [&](const char* typed) {
    press(main, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(main.focusWidget(), typed);
  };
  activate(main);
  ASSERT_EQ(main.focusWidget(), &picker);

  typeWhole("Thu, Jan 07, 2027");
  press(main, Qt::Key_Return);
  EXPECT_EQ(app->request().served, toDate(QDate{2027, 1, 7}));
  EXPECT_EQ(opened, std::vector<Path>{folder.path() / "dismissal-2027-01-07-orthros.docx"});
  activate(main);

  typeWhole("1/7/27");
  press(main, Qt::Key_Return);
  EXPECT_TRUE(refused.isVisible());
  EXPECT_EQ(refused.text(), "'1/7/27': write the year with all its digits, such as 2027.");
  EXPECT_EQ(picker.accessibleDescription(), refused.text());
  EXPECT_EQ(text.text(), "Thu, Jan 07, 2027");
  EXPECT_EQ(opened.size(), 1u) << "a refused date goes no further";

  typeWhole("1/7/2028");  // the C locale's short date is read as the US one's
  press(main, Qt::Key_Return);
  EXPECT_EQ(picker.date(), QDate(2028, 1, 7));
  activate(main);

  EXPECT_FALSE(refused.isVisible());

  QGuiApplication::clipboard()->setText("Sunday, January 9, 2028");
  press(main, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(picker.date(), QDate(2028, 1, 9));

  typeWhole("2027-01-07");
  press(main, Qt::Key_Tab);
  EXPECT_EQ(picker.date(), QDate(2027, 1, 7));
  picker.setFocus();

  const auto clickAt = [&](int position) {
    text.setCursorPosition(position);
    const QPoint at = text.inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    text.setCursorPosition(0);
    QTest::mouseClick(&text, Qt::LeftButton, {}, at);
  };
  clickAt(10);  // between the day's two digits
  EXPECT_EQ(text.selectedText(), "07");
  QTest::keyClicks(main.focusWidget(), "19");
  EXPECT_EQ(picker.date(), QDate(2027, 1, 19));
  clickAt(9);
  press(main, Qt::Key_Up);
  EXPECT_EQ(picker.date(), QDate(2027, 1, 20));
  clickAt(15);
  EXPECT_EQ(text.selectedText(), "2027");
  press(main, Qt::Key_0);
  EXPECT_FALSE(text.text().contains("0000")) << text.text().toStdString();
  EXPECT_EQ(app->request().served, toDate(QDate{2027, 1, 20}));
}

// The keyboard alone: each window starts on the checked option, Tab enters
// each group on its checked option, Enter goes on; the box Continue asks for
// says why and takes the focus, a line break pasted in it becomes a blank,
// and Enter in it goes on.
TEST_F(Windows, TheKeyboardWalksBothWindows) {
  start();
  TempleWindow& temple = app->templeWindow();
  activate(temple);
  EXPECT_EQ(temple.focusWidget(), &button(temple, "optNONE"));
  press(temple, Qt::Key_Tab);
  EXPECT_EQ(temple.focusWidget(), &button(temple, "optBspNo"));
  press(temple, Qt::Key_Tab);
  EXPECT_EQ(temple.focusWidget(), &button(temple, "optNewCalendar"));
  press(temple, Qt::Key_Return);  // the box opens
  press(temple, Qt::Key_Return);  // and is still empty
  const auto& why = in<QLabel>(temple, "lblInPatMissing");
  EXPECT_TRUE(why.isVisible());
  for (const char* line : {"lblInPatMissing", "lblInPat", "lblInPat3", "lblInPat2"}) {
    const auto& label = in<QLabel>(temple, line);
    EXPECT_GE(label.height(), label.heightForWidth(label.width())) << line << " is cut short";
  }
  EXPECT_EQ(why.text(),
            "The patron's name is missing: type it in the box as it should stand in the "
            "dismissal, or choose one of the patrons listed.");
  auto& box = in<QPlainTextEdit>(temple, "txtInPat");
  EXPECT_EQ(temple.focusWidget(), &box);
  QGuiApplication::clipboard()->setText("of St. Herman\r\nof\tAlaska\n");
  press(temple, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box.toPlainText(), "of St. Herman of Alaska ");
  EXPECT_FALSE(why.isVisible());
  press(temple, Qt::Key_Return);
  EXPECT_EQ(app->settings().patronText, "of St. Herman of Alaska");

  MainWindow& main = app->mainWindow();
  ASSERT_TRUE(main.isVisible());
  activate(main);
  EXPECT_EQ(main.focusWidget(), &button(main, "optVespers"));
  press(main, Qt::Key_Down);
  EXPECT_TRUE(button(main, "optDlyVespers").isChecked());
  press(main, Qt::Key_Return);
  EXPECT_EQ(main.focusWidget(), &in<QDateEdit>(main, "DTPicker1"));
  press(main, Qt::Key_Return);
  EXPECT_EQ(opened, std::vector<Path>{folder.path() / "dismissal-2022-10-08-daily-vespers.docx"});
}

// A booklet is checked in the window: the entry selected is previewed, with
// its warning; Enter on it makes it the service and date, and writes
// nothing; a date of the stage's own is previewed again.
TEST_F(Windows, AServiceRequestIsPreviewedAndOpened) {
  ASSERT_TRUE(writeFileAtomically(services.bookletFile,
                                  "2026-03-01 presanctified\n2027-04-29 basil evening\n"));
  MainWindow& main = dateStage("optOrthros", QDate{2026, 12, 6});
  auto& list = in<QListWidget>(main, "lstBooklet");
  const auto& preview = in<QTextBrowser>(main, "txtPreview");
  const auto& notice = in<QFrame>(main, "frmWarning");
  EXPECT_FALSE(notice.isVisible());
  list.setCurrentRow(0);
  EXPECT_TRUE(preview.toPlainText().startsWith(
      "Sunday, March 1, 2026\n-- Liturgy of the Presanctified Gifts --\n"))
      << preview.toPlainText().toStdString();
  EXPECT_EQ(preview.accessibleName(), "Preview of the booklet's entry " + list.item(0)->text());
  EXPECT_TRUE(notice.isVisible());
  EXPECT_EQ(in<QLabel>(main, "lblWarning").accessibleName(), "Warning: " + kSundayOfLent);

  list.setCurrentRow(1);
  QTest::keyClick(&list, Qt::Key_Return);
  EXPECT_EQ(app->request(), (ServiceRequest{toDate(QDate{2027, 4, 29}), Service::basil, true}));
  EXPECT_EQ(in<QDateEdit>(main, "DTPicker1").date(), QDate(2027, 4, 29));
  EXPECT_TRUE(button(main, "optStBasil").isChecked());
  EXPECT_EQ(button(main, "optStBasil").text(), "St. Basil the Great - EDL");
  EXPECT_TRUE(opened.empty()) << "Enter on an entry writes nothing";
  EXPECT_TRUE(questions.isEmpty());

  list.setCurrentRow(0);
  in<QDateEdit>(main, "DTPicker1").setDate(QDate{2027, 4, 30});
  EXPECT_EQ(list.currentRow(), -1);
  EXPECT_EQ(preview.accessibleName(), "Preview of the dismissal");
  EXPECT_TRUE(preview.toPlainText().startsWith("Friday, April 30, 2027"));
}

// The temple composed for is in view, for the eye and for a screen reader,
// over "Go Back". The date stage, a dismissal shown, is pictured for the
// README in the tests' font, at 1000 by 600.
TEST_F(Windows, TheTempleIsInView) {
  start();
  click(app->templeWindow(), "optNicholas");
  click(app->templeWindow(), "optOldCalendar");
  click(app->templeWindow(), "optBspYes");
  click(app->templeWindow(), "cmdContinue");
  MainWindow& main = app->mainWindow();
  const auto& line = in<QLabel>(main, "lblTempleLine");
  const QString temple = "Temple: St. Nicholas of Myra · old calendar · bishop present";
  EXPECT_EQ(line.text(), temple);
  EXPECT_EQ(line.accessibleName(), temple);
  const QRect goBack{button(main, "cmdOtherForm").mapTo(&main, QPoint{}),
                     button(main, "cmdOtherForm").size()};
  const QRect shown{line.mapTo(&main, QPoint{}), line.size()};
  EXPECT_TRUE(line.isVisible());
  EXPECT_LE(goBack.top() - shown.bottom(), 12) << "beside Go Back";

  ASSERT_TRUE(writeFileAtomically(services.bookletFile,
                                  "2026-12-18 great-vespers\n2026-12-19 orthros\n"
                                  "2026-12-19 chrysostom\n"));
  app->mainWindow().loadBooklet();
  click(main, "cmdSelectService");
  in<QDateEdit>(main, "DTPicker1").setDate(QDate{2026, 12, 18});
  main.resize(1000, 600);
  QApplication::processEvents();
  const QString picture = QString::fromUtf8(CORVANE_TEST_OUTPUT) + "/main-window.png";
  EXPECT_TRUE(main.grab().save(picture)) << picture.toStdString();
}

// One About box from either window, usable while either is disabled; the data
// folder from either window's menu.
TEST_F(Windows, TheMenusOfBothWindows) {
  start();
  trigger(app->templeWindow(), "mnu2HelpAbout");
  AboutBox* about = app->aboutBox();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isVisible());
  EXPECT_EQ(in<QLabel>(*about, "lblVersion").text(), "Version 1.2.2");
  EXPECT_TRUE(in<QLabel>(*about, "lblDisclaimer")
                  .text()
                  .endsWith("Please report any error in a text to corvane@corvane.invalid."));
  trigger(app->templeWindow(), "mnu2FileOpenDataFolder");
  click(app->templeWindow(), "cmdContinue");
  trigger(app->mainWindow(), "mnuHelpAbout");
  EXPECT_EQ(app->aboutBox(), about);
  EXPECT_TRUE(button(*about, "cmdOK").isEnabled());
  trigger(app->mainWindow(), "mnuFileOpenDataFolder");
  EXPECT_EQ(foldersShown, (std::vector<Path>{folder.path(), folder.path()}));
  click(*about, "cmdSysInfo");
  EXPECT_EQ(messages, QStringList{"Corvane|System Information Is Unavailable At This Time"});
}

// "Our Own Commemorations…": a bad line said at start and shown in the table
// to be mended; Add, a change refused, Remove and Undo, each saved at once;
// the commemoration then named in the preview and "Why?".
TEST_F(Windows, OurOwnCommemorationsAreEditedAndNamed) {
  const std::string byHand = "# ours\n10-09 of St. Herman\n13-01 of no one\n";
  ASSERT_TRUE(writeFileAtomically(services.commemorationsFile, byHand));
  start();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(
      messages[0].endsWith(":3: '13-01' is not a day of the year. The line is kept in the "
                           "file as it stands; the other commemorations apply."))
      << messages[0].toStdString();
  TempleWindow& temple = app->templeWindow();
  click(temple, "cmdCommemorations");
  auto& dialog = in<CommemorationsDialog>(temple, "frmCommemorations");
  ASSERT_TRUE(dialog.isVisible());
  auto& table = in<QTableWidget>(dialog, "tblCommemorations");
  ASSERT_EQ(table.rowCount(), 2);
  EXPECT_EQ(table.item(0, 0)->text(), "10-09");
  EXPECT_EQ(table.item(0, 2)->text(), "Sunday, October 9, 2022");  // today is 8 October 2022
  EXPECT_EQ(table.item(1, 2)->text(), "cannot be read: '13-01' is not a day of the year");
  EXPECT_TRUE(in<QLabel>(dialog, "lblCommemorationsNotice").isVisible());

  in<QLineEdit>(dialog, "txtCommemorationDay").setText("P+63");
  in<QLineEdit>(dialog, "txtCommemorationPhrase").setText("of all the saints of our land");
  click(dialog, "cmdAddCommemoration");
  ASSERT_EQ(table.rowCount(), 3);
  EXPECT_EQ(fileBytes(services.commemorationsFile),
            byHand + "P+63 of all the saints of our land\n");
  EXPECT_EQ(table.item(2, 2)->text(), "Sunday, June 18, 2023");  // Pascha 2023: 16 April

  table.item(0, 0)->setText("02-30");  // as a cell edited in place
  EXPECT_EQ(in<QLabel>(dialog, "lblCommemorationRefused").text(),
            "'02-30' is not a day of the year");
  EXPECT_EQ(table.item(0, 0)->text(), "10-09");
  table.selectRow(1);
  click(dialog, "cmdRemoveCommemoration");
  EXPECT_EQ(fileBytes(services.commemorationsFile),
            "# ours\n10-09 of St. Herman\nP+63 of all the saints of our land\n");
  EXPECT_FALSE(in<QLabel>(dialog, "lblCommemorationsNotice").isVisible());
  click(dialog, "cmdUndoCommemoration");
  click(dialog, "cmdUndoCommemoration");
  EXPECT_EQ(fileBytes(services.commemorationsFile), byHand);
  EXPECT_FALSE(button(dialog, "cmdUndoCommemoration").isEnabled());
  click(dialog, "cmdCloseCommemorations");
  EXPECT_FALSE(dialog.isVisible());

  click(temple, "optTrinity");
  click(temple, "cmdContinue");
  MainWindow& main = app->mainWindow();
  click(main, "cmdSelectService");  // Great Vespers on 8 October, of Sunday 9 October
  const QString preview = in<QTextBrowser>(main, "txtPreview").toPlainText();
  EXPECT_TRUE(
      preview.contains("Alphaeus, and of St. Herman, whose memories we celebrate this "
                       "day, and of all the saints"))
      << preview.toStdString();
  click(main, "cmdWhy");
  EXPECT_TRUE(
      in<QLabel>(main, "lblWhy")
          .text()
          .contains(
              "Saints of the day: saints of 9 October and local commemoration (commemorations.txt:2)"))
      << in<QLabel>(main, "lblWhy").text().toStdString();
  EXPECT_EQ(messages.size(), 1);
}

// In a dark theme nothing is drawn lighter than the theme's own colours.
TEST_F(Windows, ADarkPaletteIsFollowed) {
  const QPalette before = QApplication::palette();
  QPalette dark{QColor{200, 200, 200}, QColor{45, 45, 45}, QColor{60, 60, 60},
                QColor{20, 20, 20},    QColor{40, 40, 40}, QColor{200, 200, 200},
                QColor{30, 30, 30}};
  dark.setColor(QPalette::HighlightedText, QColor{200, 200, 200});
  QApplication::setPalette(dark);
  MainWindow& main = dateStage();
  click(main, "cmdTxtFile");  // the status bar too
  for (QWidget* window : std::initializer_list<QWidget*>{&main, &app->templeWindow()}) {
    window->show();
    QApplication::processEvents();
    const QImage image = window->grab().toImage();
    int tooBright = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) tooBright += image.pixelColor(x, y).lightness() > 210;
    }
    EXPECT_EQ(tooBright, 0) << window->objectName().toStdString();
  }
  QApplication::setPalette(before);
}

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QLocale::setDefault(QLocale::c());
  QApplication::setFont(corvane::fontOf(corvane::kTestFont));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
