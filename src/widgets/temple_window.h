#pragma once

#include <QMainWindow>
#include <array>

#include "widgets/app_services.h"
#include "window_logic/commemorations_editor.h"
#include "window_logic/temple_window_logic.h"

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace corvane {

class CommemorationsDialog;
class PhraseBox;

inline constexpr std::size_t kPatronOptionCount = kPatronCaptions.size();

// The temple window, shown first: the patron, the typed phrase, the bishop.
// It only shows what TempleWindowLogic decides.
class TempleWindow : public QMainWindow {
  Q_OBJECT

 public:
  TempleWindow(TempleSettings& settings, AppServices& services);

  TempleWindowLogic& logic() { return logic_; }
  CommemorationsEditor& commemorations() { return commemorations_; }
  // At start: the temple's choices and the parish's own commemorations of the last start.
  void restoreChoices();
  // The window is shown: at start and after the main window's "Go &Back".
  void showAndReload();
  void sync();

 signals:
  void continued();
  void aboutRequested();
  void dataFolderRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Enter presses the focused button, else "&Continue".
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildControls();
  void onContinue();
  void growToShowTheLines();
  void openCommemorations();

  AppServices& services_;
  TempleWindowLogic logic_;
  CommemorationsEditor commemorations_;
  CommemorationsDialog* commemorationsDialog_ = nullptr;  // made when first opened
  bool syncing_ = false;

  QButtonGroup* patrons_ = nullptr;
  std::array<QRadioButton*, kPatronOptionCount> patronButtons_{};
  QRadioButton* bishopYes_ = nullptr;
  QRadioButton* bishopNo_ = nullptr;
  QRadioButton* newCalendar_ = nullptr;
  QRadioButton* oldCalendar_ = nullptr;
  PhraseBox* box_ = nullptr;
  std::array<QLabel*, 3> boxLabels_{};
  QLabel* stayReason_ = nullptr;  // why "&Continue" did not go on
};

}  // namespace corvane
