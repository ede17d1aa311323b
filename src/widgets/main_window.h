#pragma once

#include <QMainWindow>
#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "widgets/app_services.h"
#include "widgets/cross_thread_report.h"
#include "window_logic/main_window_logic.h"

class QAction;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSplitter;
class QTextBrowser;

namespace corvane {

class BookletPanel;
class TypedDateEdit;

// The main window: the service, then the date, then the outputs, with the
// preview and the booklet beside them. It only shows what MainWindowLogic
// decides.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(ServiceRequest& request, TempleSettings& settings, AppServices& services);

  MainWindowLogic& logic() { return logic_; }
  // Shows the controls as the logic left them.
  void sync();
  // At start: the booklet of the last start.
  void loadBooklet();
  // The keyboard starts where the stage's choice is: the service checked, or the date.
  void focusStage();

 signals:
  void goBackRequested();
  void aboutRequested();
  // The desktop's file manager should show this folder.
  void folderRequested(const std::filesystem::path& folder);

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Enter presses the focused button, else what the stage goes on with.
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void buildControls();
  QWidget* buildPreviewPane(QWidget* parent);
  void buildMenus();
  void onOptionClicked(int id);
  void onDateChanged(QDate date);
  std::optional<QDate> takeTypedDate(const QString& typed);
  void showDateProblem();
  void openServiceRequest(const ServiceRequest& entry);
  // The dismissal the preview shows, and printing prints: the booklet's
  // entry selected, else the service and date of the date stage.
  ServiceRequest previewed() const;
  void createTextFile();
  void createDocument();
  void createBooklet();
  void printPages(bool booklet);
  void exportPdf(bool booklet);
  void updatePreview();
  void showWarning(const std::optional<std::string>& sentence);
  void updateCommands();
  void copyPreview();
  // The status bar names a file written; "Show in Folder" then shows its folder.
  void sayWritten(const std::filesystem::path& file);
  void say(const QString& message);
  void notOpened(const std::filesystem::path& file, const QString& message);

  ServiceRequest& request_;
  TempleSettings& settings_;
  AppServices& services_;
  MainWindowLogic logic_;
  bool syncing_ = false;            // programmatic changes are not the user's
  CrossThreadReport openFailures_;  // a written file that did not open, told later
  ServiceRequest followed_{};       // the request the booklet's row last started at
  bool shownDateStage_ = false;
  std::filesystem::path lastWritten_;

  QButtonGroup* options_ = nullptr;
  std::array<QRadioButton*, kServiceOptionCount> optionButtons_{};
  QGroupBox* serviceFrame_ = nullptr;
  QPushButton* continueButton_ = nullptr;
  QGroupBox* dateFrame_ = nullptr;
  TypedDateEdit* picker_ = nullptr;
  QLabel* dateProblem_ = nullptr;  // why a date typed was not taken
  QLabel* vespersNote_ = nullptr;
  QLabel* orthrosNote_ = nullptr;
  QPushButton* selectDifferentService_ = nullptr;
  QPushButton* wordButton_ = nullptr;
  QPushButton* textButton_ = nullptr;
  QSplitter* sideSplit_ = nullptr;  // the preview above the booklet
  QFrame* notice_ = nullptr;        // a warning above the preview
  QLabel* noticeText_ = nullptr;
  QTextBrowser* preview_ = nullptr;
  QPushButton* copyButton_ = nullptr;
  QPushButton* whyButton_ = nullptr;
  QLabel* whyList_ = nullptr;
  QScrollArea* whyArea_ = nullptr;
  BookletPanel* booklet_ = nullptr;
  QPushButton* showInFolder_ = nullptr;
  QPushButton* undoButton_ = nullptr;
  QLabel* temple_ = nullptr;  // the temple composed for, beside "Go Back"
  QAction* print_ = nullptr;
  QAction* exportPdf_ = nullptr;
  QAction* printBooklet_ = nullptr;
  QAction* exportBookletPdf_ = nullptr;
  QString previewPlain_;
  QString previewHtml_;
};

}  // namespace corvane
