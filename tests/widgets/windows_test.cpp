// The two windows, driven by their controls' object names, without a display.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "composer/composed.h"
#include "output/text_file.h"
#include "output/windows_1252.h"
#include "platform/atomic_file.h"
#include "state/english_date.h"
#include "support/temporary_folder.h"
#include "widgets/app_fixture.h"

namespace corvane {
namespace {

using namespace std::chrono;

// A phrase loses the blanks at its ends and its control characters before it
// is stored; one that held nothing else is said, and the window stays.
TEST_F(Windows, APhraseIsStoredCleaned) {
  start();
  click(app->templeWindow(), "cmdContinue");
  typePatron(QString::fromUtf8("  of St.\u00A0Raphael\u2028of\x01 Brooklyn\t \x7F"));
  click(app->templeWindow(), "cmdContinue");
  EXPECT_EQ(app->settings().patronText, "of St.\u00A0Raphael\nof Brooklyn");
  EXPECT_EQ(fileBytes(services.patronFile), "of St.\xA0Raphael\r\nof Brooklyn\r\n");
  EXPECT_TRUE(messages.isEmpty());

  start();
  typePatron(" \t\x01 ");
  click(app->templeWindow(), "cmdContinue");
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].startsWith("The patron phrase held only blanks or control characters."));
  EXPECT_TRUE(app->templeWindow().isVisible());
  EXPECT_FALSE(app->mainWindow().isVisible());
}

// The temple's calendar and patron option are remembered between starts.
TEST_F(Windows, TheTemplesChoicesAreRememberedBetweenStarts) {
  start();
  EXPECT_TRUE(button(app->templeWindow(), "optNewCalendar").isChecked()) << "a first start";
  EXPECT_EQ(button(app->templeWindow(), "optNewCalendar").text(), "&New (Revised Julian) calendar");
  EXPECT_EQ(button(app->templeWindow(), "optOldCalendar").text(), "O&ld (Julian) calendar");
  EXPECT_EQ(in<QLabel>(app->templeWindow(), "lblCalendar").text(), "The temple keeps the:");
  click(app->templeWindow(), "optOldCalendar");
  click(app->templeWindow(), "optNicholas");
  click(app->templeWindow(), "cmdContinue");
  EXPECT_EQ(app->settings().calendar, TempleCalendar::oldCalendar);
  EXPECT_EQ(fileBytes(services.settingsFile), "[temple]\ncalendar=old\npatron=nicholas\n");

  start();
  EXPECT_TRUE(button(app->templeWindow(), "optOldCalendar").isChecked());
  EXPECT_TRUE(button(app->templeWindow(), "optNicholas").isChecked());
  EXPECT_TRUE(messages.isEmpty());
  // The Nativity on civil 7 January, in the preview of the main window.
  click(app->templeWindow(), "cmdContinue");
  click(app->mainWindow(), "cmdSelectService");
  in<QDateEdit>(app->mainWindow(), "DTPicker1").setDate(QDate{2027, 1, 6});
  EXPECT_TRUE(in<QTextBrowser>(app->mainWindow(), "txtPreview")
                  .toPlainText()
                  .startsWith("Wednesday, January 6, 2027 - Nativity of Our Lord"));
  click(app->mainWindow(), "cmdWhy");
  EXPECT_TRUE(in<QLabel>(app->mainWindow(), "lblWhy")
                  .text()
                  .contains("Church date: 25 December 2026 (Julian calendar)"));
}

// A damaged settings file is said once, the defaults are used, and the file
// is kept as it is until the user continues.
TEST_F(Windows, ADamagedSettingsFileIsSaidOnceAndKeptUntilContinue) {
  for (const char* damaged : {"[temple]\ncalendar=julian\n", "[temple]\npatron=peter\n"}) {
    messages.clear();
    ASSERT_TRUE(writeFileAtomically(services.settingsFile, damaged));
    start();
    ASSERT_EQ(messages.size(), 1) << damaged;
    EXPECT_TRUE(messages[0].startsWith("Cannot read the temple's settings in " +
                                       QString::fromStdString(services.settingsFile.string())))
        << messages[0].toStdString();
    EXPECT_TRUE(button(app->templeWindow(), "optNewCalendar").isChecked());
    EXPECT_TRUE(button(app->templeWindow(), "optNONE").isChecked());
    EXPECT_EQ(fileBytes(services.settingsFile), damaged);
    click(app->templeWindow(), "optTrinity");
    click(app->templeWindow(), "cmdContinue");
    EXPECT_EQ(fileBytes(services.settingsFile), "[temple]\ncalendar=new\npatron=trinity\n");
  }
  // A folder where the file should be cannot be read either.
  std::filesystem::remove(services.settingsFile);
  std::filesystem::create_directories(services.settingsFile);
  messages.clear();
  start();
  EXPECT_EQ(messages.size(), 1);
}

// The question comes with its lines as the window shows them, and a click on
// the Liturgy already selected asks nothing anew.
TEST_F(Windows, TheEveningLiturgyIsAskedOnce) {
  reachMainWindow();
  MainWindow& main = app->mainWindow();
  click(main, "optDivineLiturgy");
  answers = {true, false};
  click(main, "optStBasil");
  click(main, "optStBasil");
  EXPECT_EQ(button(main, "optStBasil").text(), "St. Basil the Great - EDL");
  ASSERT_EQ(questions.size(), 1);
  EXPECT_EQ(questions[0],
            "EDL|Is this an Evening Divine Liturgy?\n\nNOTE: Select 'No' if this is the Vesperal "
            "Liturgy appointed for\n\n     Holy Thursday,\n     Holy Saturday,\n     Paramon of "
            "Nativity, or\n     Paramon of Theophany");
  click(main, "cmdSelectService");
  EXPECT_EQ(app->request().service, Service::basil);
  EXPECT_TRUE(app->request().evening);
  EXPECT_TRUE(in<QLabel>(main, "lblSelectDate").isVisible());
}

TEST_F(Windows, GoBackAndContinueShowTheServiceStage) {
  reachMainWindow();
  click(app->mainWindow(), "optOrthros");
  click(app->mainWindow(), "cmdSelectService");
  click(app->mainWindow(), "cmdOtherForm");
  EXPECT_FALSE(app->mainWindow().isVisible());
  EXPECT_TRUE(app->templeWindow().isVisible());
  click(app->templeWindow(), "cmdContinue");
  MainWindow& main = app->mainWindow();
  EXPECT_TRUE(main.isVisible());
  EXPECT_TRUE(button(main, "optVespers").isChecked());
  EXPECT_FALSE(in<QLabel>(main, "lblSelectDate").isVisible());
  EXPECT_FALSE(in<QLabel>(main, "lblSelectDate2").isVisible());
  EXPECT_FALSE(button(main, "cmdTxtFile").isEnabled());
  EXPECT_FALSE(button(main, "cmdCreateDismissal").isEnabled());
}

TEST_F(Windows, TypedTextIsNotReplacedWhenTheWindowIsActivatedAgain) {
  ASSERT_TRUE(writeFileAtomically(services.patronFile, "of St. Herman\r\n"));
  start();
  typePatron("of St. Innocent");
  QEvent activate{QEvent::WindowActivate};
  QApplication::sendEvent(&app->templeWindow(), &activate);
  EXPECT_EQ(in<QPlainTextEdit>(app->templeWindow(), "txtInPat").toPlainText(), "of St. Innocent");
}

TEST_F(Windows, TheTextOutputWritesAndOpensTheFile) {
  reachMainWindow();
  MainWindow& main = app->mainWindow();
  click(main, "cmdSelectService");
  in<QDateEdit>(main, "DTPicker1").setDate(QDate{2025, 4, 12});
  click(main, "cmdTxtFile");
  const std::filesystem::path file = folder.path() / "dismissal.txt";
  const auto expected = testing::compose(Service::greatVespers, 2025y / April / 12);
  EXPECT_EQ(fileBytes(file), textFileBytes(expected.dismissal, englishLongDate));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], file);
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Windows, EachDocumentIsANewFile) {
  reachMainWindow();
  MainWindow& main = app->mainWindow();
  click(main, "cmdSelectService");
  click(main, "cmdCreateDismissal");
  click(main, "cmdCreateDismissal");
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0].filename(), "dismissal-2022-10-08-great-vespers.docx");
  EXPECT_EQ(opened[1].filename(), "dismissal-2022-10-08-great-vespers-2.docx");
  EXPECT_TRUE(main.isMinimized());
}

// A word processor that fails to open, told from another thread: the
// minimised window comes back and says so.
TEST_F(Windows, AFailureToOpenIsReportedOnTheWindowsThread) {
  services.outputs.openDocument = [](const std::filesystem::path& file, OpenFailure onFailure) {
    std::thread{[file, onFailure] { onFailure("Could not open " + file.string()); }}.join();
  };
  reachMainWindow();
  MainWindow& main = app->mainWindow();
  click(main, "cmdSelectService");
  click(main, "cmdCreateDismissal");
  QApplication::processEvents();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("dismissal-2022-10-08-great-vespers.docx"));
  EXPECT_FALSE(main.isMinimized());
}

// An opener that fails only after the program has closed its windows: the
// late report reaches nothing and runs nothing.
TEST_F(Windows, AFailingOpenerThatEndsAfterTheWindowClosedIsIgnored) {
  std::mutex mutex;
  std::condition_variable released;
  bool release = false;
  std::thread opener;
  services.outputs.openDocument = [&](const std::filesystem::path& file, OpenFailure onFailure) {
    opener = std::thread{[&, file, onFailure] {
      std::unique_lock lock{mutex};
      released.wait(lock, [&] { return release; });
      onFailure("Could not open " + file.string());
    }};
  };
  reachMainWindow();
  click(app->mainWindow(), "cmdSelectService");
  click(app->mainWindow(), "cmdCreateDismissal");
  app.reset();  // the program ends its windows
  {
    const std::lock_guard lock{mutex};
    release = true;
  }
  released.notify_all();
  opener.join();
  QApplication::processEvents();
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Windows, AnUnwritableFolderIsReportedAndNothingIsLost) {
  services.outputs.dataFolder = folder.path() / "missing";
  services.patronFile = folder.path() / "missing" / "inpat.txt";
  start();
  click(app->templeWindow(), "cmdContinue");
  typePatron("of St. Herman");
  click(app->templeWindow(), "cmdContinue");
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("inpat.txt")) << messages[0].toStdString();
  EXPECT_TRUE(app->mainWindow().isVisible()) << "the user goes on";
  EXPECT_EQ(app->settings().patronText, "of St. Herman");

  click(app->mainWindow(), "cmdSelectService");
  click(app->mainWindow(), "cmdTxtFile");
  ASSERT_EQ(messages.size(), 2);
  EXPECT_TRUE(messages[1].contains("dismissal.txt"));
  EXPECT_TRUE(opened.empty());
  EXPECT_TRUE(button(app->mainWindow(), "cmdTxtFile").isEnabled()) << "the user may try again";
}

TEST_F(Windows, AMissingDataFolderIsSaidAtStart) {
  services.startupProblem = "Cannot create the folder /home/u/.local/share/corvane";
  start();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0], services.startupProblem);
  EXPECT_TRUE(app->templeWindow().isVisible());
}

TEST_F(Windows, TheDatePickerCoversTheSupportedDates) {
  start();
  auto& picker = in<QDateEdit>(app->mainWindow(), "DTPicker1");
  EXPECT_EQ(picker.displayFormat(), "ddd, MMM dd, yyyy");
  EXPECT_EQ(picker.minimumDate(), QDate(1583, 1, 1));
  EXPECT_EQ(picker.maximumDate(), QDate(9999, 12, 30));
  EXPECT_TRUE(picker.calendarPopup());
}

// The preview shows what the outputs will hold, for the date and service chosen.
TEST_F(Windows, ThePreviewIsTheTextOfTheOutputs) {
  struct Row {
    const char* option;
    QDate date;
    const char* typedPatron;
  };
  const Row rows[] = {
      {"optOrthros", QDate{2025, 4, 20}, nullptr},  // Pascha
      {"optVespers", QDate{2024, 6, 23}, nullptr},  // Kneeling Vespers
      {"optDailyOrthros", QDate{2025, 9, 17}, "of St. Herman\nof Alaska"},
  };
  for (const Row& row : rows) {
    start();
    if (row.typedPatron) {
      click(app->templeWindow(), "cmdContinue");
      typePatron(QString::fromUtf8(row.typedPatron));
    } else {
      click(app->templeWindow(), "optTrinity");
    }
    click(app->templeWindow(), "cmdContinue");
    MainWindow& main = app->mainWindow();
    auto& preview = in<QTextBrowser>(main, "txtPreview");
    EXPECT_FALSE(preview.isVisible()) << "hidden in the service stage";
    click(main, row.option);
    click(main, "cmdSelectService");
    EXPECT_TRUE(preview.isVisible());
    in<QDateEdit>(main, "DTPicker1").setDate(row.date);
    click(main, "cmdTxtFile");
    std::string text = decodeTextFile(fileBytes(folder.path() / "dismissal.txt"));
    std::erase(text, '\r');
    EXPECT_EQ(preview.toPlainText().toStdString(), text) << row.option;
  }
}

TEST_F(Windows, ThePreviewFollowsTheDateAndCopiesBothFormats) {
  reachMainWindow();
  MainWindow& main = app->mainWindow();
  click(main, "cmdSelectService");
  auto& preview = in<QTextBrowser>(main, "txtPreview");
  EXPECT_TRUE(preview.toPlainText().startsWith("Saturday, October 8, 2022\n-- Great Vespers --"));
  in<QDateEdit>(main, "DTPicker1").setDate(QDate{2024, 12, 24});
  EXPECT_TRUE(preview.toPlainText().startsWith(
      "Tuesday, December 24, 2024 - Nativity of Our Lord\n-- Great Vespers --\n\nMay he who "
      "was born in a cave"));

  click(main, "cmdCopy");
  const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(copied->text(), preview.toPlainText());
  EXPECT_TRUE(copied->hasHtml());
  EXPECT_TRUE(copied->html().contains("font-weight:700")) << "the bold clauses stay bold";

  click(main, "cmdWhy");
  EXPECT_TRUE(in<QLabel>(main, "lblWhy").isVisible());
  EXPECT_TRUE(in<QLabel>(main, "lblWhy").text().contains("Feast: Nativity of Our Lord"));
  click(main, "cmdGoBack");
  EXPECT_FALSE(preview.isVisible());
}

// The question of the Evening Divine Liturgy opens with No as its default
// button: Enter keeps the ordinary Liturgy.
TEST_F(Windows, TheEveningLiturgyQuestionDefaultsToNo) {
  const auto box = askingBox(nullptr, "EDL", "Is this an Evening Divine Liturgy?");
  ASSERT_NE(box->defaultButton(), nullptr);
  EXPECT_EQ(box->defaultButton(), qobject_cast<QPushButton*>(box->button(QMessageBox::No)));
  EXPECT_EQ(box->text(), "Is this an Evening Divine Liturgy?");
  EXPECT_EQ(box->windowTitle(), "EDL");
  EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
}

// The booklet: entries in the order they are served, each once; Delete
// removes the selected one; it survives a restart.
TEST_F(Windows, TheBookletCollectsServicesInTheOrderServed) {
  reachMainWindow();
  MainWindow& main = app->mainWindow();
  const auto addOn = [&](const char* option, QDate date, std::deque<bool> evening = {}) {
    click(main, "cmdGoBack");
    if (std::string_view{option}.starts_with("optSt")) click(main, "optDivineLiturgy");
    answers = std::move(evening);
    click(main, option);
    click(main, "cmdSelectService");
    in<QDateEdit>(main, "DTPicker1").setDate(date);
    click(main, "cmdAddToBooklet");
  };
  addOn("optStJC", QDate{2026, 12, 13});
  addOn("optVespers", QDate{2026, 12, 12});
  addOn("optOrthros", QDate{2026, 12, 13});
  addOn("optStJC", QDate{2026, 12, 13}, {true});  // the evening Liturgy of the same day
  addOn("optOrthros", QDate{2026, 12, 13});       // already there: nothing
  auto& list = in<QListWidget>(main, "lstBooklet");
  QStringList labels;
  for (int row = 0; row < list.count(); ++row) labels << list.item(row)->text();
  EXPECT_EQ(labels, (QStringList{"Sat, Dec 12, 2026 - Great Vespers", "Sun, Dec 13, 2026 - Orthros",
                                 "Sun, Dec 13, 2026 - Divine Liturgy of St. John Chrysostom",
                                 "Sun, Dec 13, 2026 - Evening Divine Liturgy of St. John "
                                 "Chrysostom"}));
  EXPECT_EQ(fileBytes(folder.path() / "booklet.txt"),
            "# Corvane booklet: YYYY-MM-DD SERVICE [evening], one dismissal a line\n"
            "2026-12-12 great-vespers\n2026-12-13 orthros\n2026-12-13 chrysostom\n"
            "2026-12-13 chrysostom evening\n");

  list.setCurrentRow(1);
  QTest::keyClick(&list, Qt::Key_Delete);
  EXPECT_EQ(list.count(), 3);
  EXPECT_EQ(list.item(1)->text(), "Sun, Dec 13, 2026 - Divine Liturgy of St. John Chrysostom");

  // The booklet document: one page each, named by the first and last dates.
  click(main, "cmdCreateBooklet");
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].filename(), "booklet-2026-12-12-to-2026-12-13.docx");
  EXPECT_TRUE(main.isMinimized());
  EXPECT_EQ(list.count(), 3) << "the list stays as it is";

  start();  // a restart keeps the list
  click(app->templeWindow(), "cmdContinue");
  click(app->mainWindow(), "cmdSelectService");
  EXPECT_EQ(in<QListWidget>(app->mainWindow(), "lstBooklet").count(), 3);
  click(app->mainWindow(), "cmdClearBooklet");
  EXPECT_EQ(in<QListWidget>(app->mainWindow(), "lstBooklet").count(), 0);
  EXPECT_FALSE(button(app->mainWindow(), "cmdCreateBooklet").isEnabled());
  EXPECT_TRUE(messages.isEmpty());
}

// A list that cannot be read is said once with its line, kept under another
// name, and the booklet starts empty: nothing the user wrote is lost.
TEST_F(Windows, AnUnreadableBookletIsKeptAndSaid) {
  const std::string written = "2026-12-12 great-vespers\n2026-12-13 vesper\n";
  ASSERT_TRUE(writeFileAtomically(folder.path() / "booklet.txt", written));
  start();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].startsWith(QString::fromStdString(
      (folder.path() / "booklet.txt").string() + ":2: unknown service 'vesper'")))
      << messages[0].toStdString();
  EXPECT_TRUE(messages[0].contains("booklet-unreadable.txt"));
  EXPECT_EQ(fileBytes(folder.path() / "booklet-unreadable.txt"), written);
  click(app->templeWindow(), "cmdContinue");
  click(app->mainWindow(), "cmdSelectService");
  EXPECT_EQ(in<QListWidget>(app->mainWindow(), "lstBooklet").count(), 0);
}

TEST_F(Windows, OneAboutBoxFromEitherWindow) {
  start();
  in<QAction>(app->templeWindow(), "mnu2HelpAbout").trigger();
  AboutBox* about = app->aboutBox();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isVisible());
  EXPECT_FALSE(about->isModal());
  EXPECT_EQ(about->windowTitle(), "About Corvane");
  EXPECT_EQ(in<QLabel>(*about, "lblTitle").text(), "Corvane");
  EXPECT_EQ(in<QLabel>(*about, "lblVersion").text(), "Version 1.2.2");
  EXPECT_FALSE(in<QLabel>(*about, "picIcon").pixmap().isNull());
  // Where to report, under the reserved .invalid until the project owns a domain.
  EXPECT_TRUE(in<QLabel>(*about, "lblDisclaimer")
                  .text()
                  .endsWith("Please report any error in a text to corvane@corvane.invalid."));
  in<QAction>(app->templeWindow(), "mnu2HelpAbout").trigger();
  in<QAction>(app->mainWindow(), "mnuHelpAbout").trigger();
  EXPECT_EQ(app->aboutBox(), about);
  int boxes = 0;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (qobject_cast<AboutBox*>(window) != nullptr) ++boxes;
  }
  EXPECT_EQ(boxes, 1);

  // The box stays usable whichever window is disabled meanwhile.
  click(app->templeWindow(), "cmdContinue");
  EXPECT_TRUE(about->isEnabled());
  EXPECT_TRUE(button(*about, "cmdOK").isEnabled());

  click(*about, "cmdSysInfo");
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0], "Corvane|System Information Is Unavailable At This Time");
  systemInfoStarts = true;
  click(*about, "cmdSysInfo");
  EXPECT_EQ(messages.size(), 1);
}

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QLocale::setDefault(QLocale::c());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
