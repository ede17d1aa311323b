#pragma once

#include <QDialog>
#include <functional>

#include "widgets/app_services.h"
#include "window_logic/commemorations_editor.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace corvane {

// "Our Own Commemorations…" of the temple window: a table of the parish's
// own commemorations, the day and the phrase of each editable in place and
// the next day each falls on beside them, with a row that adds one, and
// Remove and Undo. It only shows what CommemorationsEditor decides; every
// change is saved at once.
class CommemorationsDialog : public QDialog {
  Q_OBJECT

 public:
  // `calendar` is the one the temple window shows, which the next days follow.
  CommemorationsDialog(CommemorationsEditor& editor, AppServices& services,
                       std::function<TempleCalendar()> calendar, QWidget* parent);

  // Reads the file again and shows it.
  void reopen();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildControls();
  void showRows(int selected);
  void refuse(const std::string& why);
  void add();
  void changeRow(int row);
  void removeSelected();
  void undo();

  CommemorationsEditor& editor_;
  AppServices& services_;
  std::function<TempleCalendar()> calendar_;
  bool syncing_ = false;

  QLabel* notice_ = nullptr;   // the lines that cannot be read, or why the file cannot be
  QLabel* refused_ = nullptr;  // why the last change was refused
  QTableWidget* table_ = nullptr;
  QLineEdit* day_ = nullptr;
  QLineEdit* phrase_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* remove_ = nullptr;
  QPushButton* undo_ = nullptr;
};

}  // namespace corvane
