#pragma once

#include <QMainWindow>
#include <array>

#include "widgets/app_services.h"
#include "widgets/cross_thread_report.h"
#include "window_logic/booklet_list.h"
#include "window_logic/main_window_logic.h"

class QAbstractButton;
class QButtonGroup;
class QDateEdit;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTextBrowser;

namespace corvane {

// The main window: the service, then the date, then the two outputs. It only
// shows what MainWindowLogic decides.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(ServiceRequest& request, TempleSettings& settings, AppServices& services);

  MainWindowLogic& logic() { return logic_; }
  // Shows the controls as the logic left them.
  void sync();
  // At start: the booklet of the last start.
  void loadBooklet();

 signals:
  void goBackRequested();
  void aboutRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void onOptionClicked(int id);
  void onDateChanged(QDate date);
  void createTextFile();
  void createDocument();
  void updatePreview();
  void copyPreview();
  void addToBooklet();
  void showBooklet();
  void createBooklet();

  ServiceRequest& request_;
  TempleSettings& settings_;
  AppServices& services_;
  MainWindowLogic logic_;
  bool syncing_ = false;            // programmatic changes are not the user's
  CrossThreadReport openFailures_;  // a written file that did not open, told later
  BookletList booklet_;

  QButtonGroup* options_ = nullptr;
  std::array<QRadioButton*, kServiceOptionCount> optionButtons_{};
  QGroupBox* serviceFrame_ = nullptr;
  QPushButton* continueButton_ = nullptr;
  QGroupBox* dateFrame_ = nullptr;
  QDateEdit* picker_ = nullptr;
  QLabel* vespersNote_ = nullptr;
  QLabel* orthrosNote_ = nullptr;
  QPushButton* selectDifferentService_ = nullptr;
  QPushButton* wordButton_ = nullptr;
  QPushButton* textButton_ = nullptr;
  QTextBrowser* preview_ = nullptr;
  QPushButton* copyButton_ = nullptr;
  QPushButton* whyButton_ = nullptr;
  QLabel* whyList_ = nullptr;
  QScrollArea* whyArea_ = nullptr;
  QGroupBox* bookletFrame_ = nullptr;
  QListWidget* bookletView_ = nullptr;
  QPushButton* addButton_ = nullptr;
  QPushButton* clearButton_ = nullptr;
  QPushButton* createBookletButton_ = nullptr;
  QString previewPlain_;
  QString previewHtml_;
};

}  // namespace corvane
