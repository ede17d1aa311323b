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
#include "state/english_date.h"
#include "output/text_file.h"
#include "output/windows_1252.h"
#include "platform/atomic_file.h"
#include "support/temporary_folder.h"
#include "widgets/corvane_app.h"

namespace corvane {
namespace {

using namespace std::chrono;

class Windows : public ::testing::Test {
 protected:
  void SetUp() override {
    services.today = [] { return QDate{2022, 10, 8}; };
    services.ask = [this](QWidget*, const QString& title, const QString& text) {
      questions.push_back(title + "|" + text);
      const bool answer = answers.empty() ? false : answers.front();
      if (!answers.empty()) answers.pop_front();
      return answer;
    };
    services.tell = [this](QWidget*, const QString& text) { messages.push_back(text); };
    services.outputs = OutputServices{
        .dataFolder = folder.path(),
        .longDate = englishLongDate,
        .openTextFile = [this](const std::filesystem::path& file,
                               OpenFailure) { opened.push_back(file); },
        .openDocument = [this](const std::filesystem::path& file,
                               OpenFailure) { opened.push_back(file); },
    };
    services.patronFile = folder.path() / "inpat.txt";
    services.settingsFile = folder.path() / "corvane.ini";
    services.bookletFile = folder.path() / "booklet.txt";
    services.startSystemInfo = [this] { return systemInfoStarts; };
    services.inform = [this](QWidget*, const QString& title, const QString& text) {
      messages.push_back(title + "|" + text);
    };
  }

  // Starts the program anew: the records are new, the files stay.
  void start() {
    app = std::make_unique<CorvaneApp>(services);
    app->start();
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

  void typePatron(const QString& text) {
    in<QPlainTextEdit>(app->form2(), "txtInPat").setPlainText(text);
  }
  std::string fileBytes(const std::filesystem::path& file) {
    std::string problem;
    return readWholeFile(file).value_or("<missing>");
  }
  // From the temple window with a listed patron to the main window.
  void reachMainWindow(const char* patron = "optTrinity") {
    start();
    click(app->form2(), patron);
    click(app->form2(), "cmdContinue");
  }

  testing::TemporaryFolder folder;
  AppServices services;
  std::unique_ptr<CorvaneApp> app;
  std::deque<bool> answers;
  QStringList questions;
  QStringList messages;
  std::vector<std::filesystem::path> opened;
  bool systemInfoStarts = false;
};

// A phrase loses the blanks at its ends and its control characters before it
// is stored; one that held nothing else is said, and the window stays.
TEST_F(Windows, APhraseIsStoredCleaned) {
  start();
  click(app->form2(), "cmdContinue");
  typePatron(QString::fromUtf8("  of St.\u00A0Raphael\u2028of\x01 Brooklyn\t \x7F"));
  click(app->form2(), "cmdContinue");
  EXPECT_EQ(app->settings().patronText, "of St.\u00A0Raphael\nof Brooklyn");
  EXPECT_EQ(fileBytes(services.patronFile), "of St.\xA0Raphael\r\nof Brooklyn\r\n");
  EXPECT_TRUE(messages.isEmpty());

  start();
  typePatron(" \t\x01 ");
  click(app->form2(), "cmdContinue");
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].startsWith("The patron phrase held only blanks or control characters."));
  EXPECT_TRUE(app->form2().isVisible());
  EXPECT_FALSE(app->form1().isVisible());
}

// The temple's calendar and patron option are remembered between starts.
TEST_F(Windows, TheTemplesChoicesAreRememberedBetweenStarts) {
  start();
  EXPECT_TRUE(button(app->form2(), "optNewCalendar").isChecked()) << "a first start";
  EXPECT_EQ(button(app->form2(), "optNewCalendar").text(), "&New (Revised Julian) calendar");
  EXPECT_EQ(button(app->form2(), "optOldCalendar").text(), "O&ld (Julian) calendar");
  EXPECT_EQ(in<QLabel>(app->form2(), "lblCalendar").text(), "The temple keeps the:");
  click(app->form2(), "optOldCalendar");
  click(app->form2(), "optNicholas");
  click(app->form2(), "cmdContinue");
  EXPECT_EQ(app->settings().calendar, TempleCalendar::oldCalendar);
  EXPECT_EQ(fileBytes(services.settingsFile), "[temple]\ncalendar=old\npatron=nicholas\n");

  start();
  EXPECT_TRUE(button(app->form2(), "optOldCalendar").isChecked());
  EXPECT_TRUE(button(app->form2(), "optNicholas").isChecked());
  EXPECT_TRUE(messages.isEmpty());
  // The Nativity on civil 7 January, in the preview of the main window.
  click(app->form2(), "cmdContinue");
  click(app->form1(), "cmdSelectService");
  in<QDateEdit>(app->form1(), "DTPicker1").setDate(QDate{2027, 1, 6});
  EXPECT_TRUE(in<QTextBrowser>(app->form1(), "txtPreview")
                  .toPlainText()
                  .startsWith("Wednesday, January 6, 2027 - Nativity of Our Lord"));
  click(app->form1(), "cmdWhy");
  EXPECT_TRUE(in<QLabel>(app->form1(), "lblWhy")
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
    EXPECT_TRUE(button(app->form2(), "optNewCalendar").isChecked());
    EXPECT_TRUE(button(app->form2(), "optNONE").isChecked());
    EXPECT_EQ(fileBytes(services.settingsFile), damaged);
    click(app->form2(), "optTrinity");
    click(app->form2(), "cmdContinue");
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
  Form1& main = app->form1();
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
  click(app->form1(), "optOrthros");
  click(app->form1(), "cmdSelectService");
  click(app->form1(), "cmdOtherForm");
  EXPECT_FALSE(app->form1().isVisible());
  EXPECT_TRUE(app->form2().isVisible());
  click(app->form2(), "cmdContinue");
  Form1& main = app->form1();
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
  QApplication::sendEvent(&app->form2(), &activate);
  EXPECT_EQ(in<QPlainTextEdit>(app->form2(), "txtInPat").toPlainText(), "of St. Innocent");
}

TEST_F(Windows, TheTextOutputWritesAndOpensTheFile) {
  reachMainWindow();
  Form1& main = app->form1();
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
  Form1& main = app->form1();
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
  Form1& main = app->form1();
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
  click(app->form1(), "cmdSelectService");
  click(app->form1(), "cmdCreateDismissal");
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
  click(app->form2(), "cmdContinue");
  typePatron("of St. Herman");
  click(app->form2(), "cmdContinue");
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("inpat.txt")) << messages[0].toStdString();
  EXPECT_TRUE(app->form1().isVisible()) << "the user goes on";
  EXPECT_EQ(app->settings().patronText, "of St. Herman");

  click(app->form1(), "cmdSelectService");
  click(app->form1(), "cmdTxtFile");
  ASSERT_EQ(messages.size(), 2);
  EXPECT_TRUE(messages[1].contains("dismissal.txt"));
  EXPECT_TRUE(opened.empty());
  EXPECT_TRUE(button(app->form1(), "cmdTxtFile").isEnabled()) << "the user may try again";
}

TEST_F(Windows, AMissingDataFolderIsSaidAtStart) {
  services.startupProblem = "Cannot create the folder /home/u/.local/share/corvane";
  start();
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0], services.startupProblem);
  EXPECT_TRUE(app->form2().isVisible());
}

TEST_F(Windows, TheDatePickerCoversTheSupportedDates) {
  start();
  auto& picker = in<QDateEdit>(app->form1(), "DTPicker1");
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
      click(app->form2(), "cmdContinue");
      typePatron(QString::fromUtf8(row.typedPatron));
    } else {
      click(app->form2(), "optTrinity");
    }
    click(app->form2(), "cmdContinue");
    Form1& main = app->form1();
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
  Form1& main = app->form1();
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

// One size for the main window: the service stage, the date stage and "Why?".
TEST_F(Windows, TheMainWindowKeepsOneSize) {
  reachMainWindow();
  Form1& main = app->form1();
  QApplication::processEvents();
  const QSize size = main.size(), hint = main.sizeHint();
  const auto sameSize = [&](const char* when) {
    QApplication::processEvents();
    EXPECT_EQ(main.size(), size) << when;
    EXPECT_EQ(main.sizeHint(), hint) << when;
  };
  click(main, "cmdSelectService");
  sameSize("in the date stage");
  click(main, "cmdWhy");
  sameSize("with Why? open");
  click(main, "cmdGoBack");
  sameSize("back in the service stage");
}

// The booklet: entries in the order they are served, each once; Delete
// removes the selected one; it survives a restart.
TEST_F(Windows, TheBookletCollectsServicesInTheOrderServed) {
  reachMainWindow();
  Form1& main = app->form1();
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
  click(app->form2(), "cmdContinue");
  click(app->form1(), "cmdSelectService");
  EXPECT_EQ(in<QListWidget>(app->form1(), "lstBooklet").count(), 3);
  click(app->form1(), "cmdClearBooklet");
  EXPECT_EQ(in<QListWidget>(app->form1(), "lstBooklet").count(), 0);
  EXPECT_FALSE(button(app->form1(), "cmdCreateBooklet").isEnabled());
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
  click(app->form2(), "cmdContinue");
  click(app->form1(), "cmdSelectService");
  EXPECT_EQ(in<QListWidget>(app->form1(), "lstBooklet").count(), 0);
}

TEST_F(Windows, OneAboutBoxFromEitherWindow) {
  start();
  in<QAction>(app->form2(), "mnu2HelpAbout").trigger();
  frmAbout* about = app->aboutBox();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isVisible());
  EXPECT_FALSE(about->isModal());
  EXPECT_EQ(about->windowTitle(), "About Corvane");
  EXPECT_EQ(in<QLabel>(*about, "lblTitle").text(), "Corvane");
  EXPECT_EQ(in<QLabel>(*about, "lblVersion").text(), "Version 1.2.2");
  EXPECT_FALSE(in<QLabel>(*about, "picIcon").pixmap().isNull());
  in<QAction>(app->form2(), "mnu2HelpAbout").trigger();
  in<QAction>(app->form1(), "mnuHelpAbout").trigger();
  EXPECT_EQ(app->aboutBox(), about);
  int boxes = 0;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (qobject_cast<frmAbout*>(window) != nullptr) ++boxes;
  }
  EXPECT_EQ(boxes, 1);

  // The box stays usable whichever window is disabled meanwhile.
  click(app->form2(), "cmdContinue");
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
