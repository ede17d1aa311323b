#pragma once

#include <QGroupBox>
#include <optional>
#include <vector>

#include "widgets/app_services.h"
#include "window_logic/booklet_list.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace corvane {

class TypedDateEdit;

// The booklet beside the preview: its list, a row that adds any of the nine
// services on any date without leaving the date stage, and its commands.
// Removals and clearing can be undone. An entry whose day appoints another
// service for the temple is marked, its tooltip the warning's sentence.
class BookletPanel : public QGroupBox {
  Q_OBJECT

 public:
  BookletPanel(AppServices& services, const TempleSettings& temple, QWidget* parent);

  // At start: the booklet of the last start.
  void load();
  const std::vector<ServiceRequest>& entries() const { return list_.entries(); }

  // The row starts at the service and date the window shows.
  void follow(const ServiceRequest& shown);
  // The marks drawn anew, for a temple that changed.
  void refresh() { showList(-1); }

  bool canUndo() const { return list_.canUndo(); }
  void undo();

  // The entry selected in the list, which the window previews; nothing selected
  // once the window shows a service and date of its own again.
  std::optional<ServiceRequest> selectedEntry() const;
  void clearSelection();

 signals:
  // A line for the status bar.
  void said(const QString& message);
  // The list changed: its entries, or whether the last change can be undone.
  void changed();
  void createRequested();
  // Another entry, or none, is selected.
  void selectionChanged();
  // Double-click or Enter on an entry: it should become the window's service and date.
  void entryOpened(const ServiceRequest& entry);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Enter in the row adds; on an entry it opens it, and goes no further.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void add();
  void removeSelected();
  void clear();
  void showList(int selectedRow);
  void showServiceNote();

  AppServices& services_;
  const TempleSettings& temple_;
  BookletList list_;
  QListWidget* view_ = nullptr;
  QComboBox* service_ = nullptr;
  TypedDateEdit* date_ = nullptr;
  QLabel* serviceNote_ = nullptr;  // the Vesperal Liturgy's, beside the evening St. Basil
  bool showing_ = false;           // the list is drawn anew: its selection is not the user's
  QPushButton* clear_ = nullptr;
  QPushButton* create_ = nullptr;
};

}  // namespace corvane
