#include "widgets/booklet_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "interchange/booklet_notes.h"
#include "widgets/typed_date_edit.h"
#include "window_logic/main_window_logic.h"
#include "window_logic/status_texts.h"
#include "window_logic/typed_date.h"

namespace corvane {

namespace {

QPushButton* button(QWidget* parent, const char* objectName, const char* caption,
                    const char* tooltip) {
  auto* created = new QPushButton(QString::fromUtf8(caption), parent);
  created->setObjectName(objectName);
  created->setToolTip(QString::fromUtf8(tooltip));
  return created;
}

QString label(const ServiceRequest& entry) {
  return QString::fromStdString(bookletLabel(entry));
}

}  // namespace

BookletPanel::BookletPanel(AppServices& services, const TempleSettings& temple, QWidget* parent)
    : QGroupBox("Booklet", parent),
      services_(services),
      temple_(temple),
      list_(services.bookletFile, [this](const std::string& message) {
        services_.tell(this, QString::fromStdString(message));
      }) {
  setObjectName("frmBooklet");
  view_ = new QListWidget(this);
  view_->setObjectName("lstBooklet");
  view_->setToolTip(
      "The services of the booklet, in the order they are served. Delete removes the selected "
      "one.");
  view_->setMinimumHeight(48);
  view_->installEventFilter(this);  // the Delete key removes the selected entry

  service_ = new QComboBox(this);
  service_->setObjectName("cboBookletService");
  service_->setToolTip("The service to add to the booklet.");
  service_->setAccessibleName("Service to add");
  for (const ServiceVariant& variant : kNineServiceVariants) {
    service_->addItem(QString::fromUtf8(serviceTitle(variant.service, variant.evening)));
  }
  // The longest title must not widen the window: the list shows it whole.
  service_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  service_->setMinimumContentsLength(14);
  date_ = new TypedDateEdit(this);
  date_->setObjectName("dtpBookletDate");
  date_->setToolTip("The date on which that service is served.");
  date_->setAccessibleName("Date of the service to add");
  date_->setDisplayFormat("ddd, MMM dd, yyyy");
  date_->setCalendarPopup(true);
  date_->setDateRange(toQDate(kFirstSupportedDate), toQDate(kLastSupportedDate));
  date_->setReader([this](const QString& typed) -> std::optional<QDate> {
    const Result<Date> read = readTypedDate(typed.toStdString(), shortDatePattern(date_->locale()));
    if (!read) {
      emit said(QString::fromStdString(read.error()));
      return std::nullopt;
    }
    return toQDate(*read);
  });

  serviceNote_ = new QLabel(QString::fromUtf8(kVesperalBookletNote.data(),
                                              static_cast<qsizetype>(kVesperalBookletNote.size())),
                            this);
  serviceNote_->setObjectName("lblBookletServiceNote");
  serviceNote_->setTextFormat(Qt::PlainText);
  serviceNote_->setWordWrap(true);
  serviceNote_->installEventFilter(this);  // as high as its lines at its width

  QPushButton* add = button(this, "cmdAddToBooklet", "&Add to Booklet",
                            "Adds the service and date of the row above to the booklet.");
  clear_ = button(this, "cmdClearBooklet", "C&lear Booklet",
                  "Empties the booklet; Undo (Ctrl+Z) brings it back.");
  create_ = button(this, "cmdCreateBooklet", "Create Boo&klet",
                   "Opens the booklet as a new document: each dismissal on a page of its own, "
                   "for the temple as it is now set.");

  auto* grid = new QGridLayout(this);
  grid->addWidget(view_, 0, 0, 1, 3);
  grid->addWidget(service_, 1, 0, 1, 2);
  grid->addWidget(date_, 1, 2);
  grid->addWidget(serviceNote_, 2, 0, 1, 3);
  grid->addWidget(add, 3, 0);
  grid->addWidget(clear_, 3, 1);
  grid->addWidget(create_, 3, 2);
  grid->setRowStretch(0, 1);
  showServiceNote();

  connect(service_, &QComboBox::currentIndexChanged, this, &BookletPanel::showServiceNote);
  connect(view_, &QListWidget::currentRowChanged, this, [this] {
    if (!showing_) emit selectionChanged();
  });
  connect(view_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    const int row = view_->row(item);
    if (row >= 0 && static_cast<std::size_t>(row) < list_.entries().size()) {
      emit entryOpened(list_.entries()[static_cast<std::size_t>(row)]);
    }
  });
  connect(add, &QPushButton::clicked, this, &BookletPanel::add);
  connect(clear_, &QPushButton::clicked, this, &BookletPanel::clear);
  connect(create_, &QPushButton::clicked, this, &BookletPanel::createRequested);
}

void BookletPanel::load() {
  list_.load();
  showList(-1);
}

void BookletPanel::follow(const ServiceRequest& shown) {
  for (std::size_t i = 0; i < std::size(kNineServiceVariants); ++i) {
    const ServiceVariant& variant = kNineServiceVariants[i];
    if (variant.service == shown.service &&
        variant.evening == (shown.evening && mayBeEvening(shown.service))) {
      service_->setCurrentIndex(static_cast<int>(i));
    }
  }
  date_->setDate(toQDate(shown.served));
}

void BookletPanel::add() {
  const ServiceVariant& variant =
      kNineServiceVariants[static_cast<std::size_t>(service_->currentIndex())];
  const ServiceRequest entry = variant.on(toDate(date_->date()));
  if (const std::optional<std::size_t> at = list_.indexOf(entry)) {
    view_->setCurrentRow(static_cast<int>(*at));
    emit said(QString::fromStdString(statusTexts::alreadyInBooklet(bookletLabel(entry))));
    return;
  }
  if (!list_.add(entry)) return;  // full: the list has said so
  showList(static_cast<int>(list_.indexOf(entry).value_or(0)));
  emit said(QString::fromStdString(statusTexts::addedToBooklet(bookletLabel(entry))));
}

void BookletPanel::removeSelected() {
  const int row = view_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= list_.entries().size()) return;
  const QString removed = label(list_.entries()[static_cast<std::size_t>(row)]);
  list_.remove(static_cast<std::size_t>(row));
  showList(std::min(row, static_cast<int>(list_.entries().size()) - 1));
  emit said(QString::fromStdString(statusTexts::removedFromBooklet(removed.toStdString())));
}

void BookletPanel::clear() {
  const std::size_t count = list_.entries().size();
  if (count == 0) return;
  list_.clear();
  showList(-1);
  emit said(QString::fromStdString(statusTexts::bookletCleared(count)));
}

void BookletPanel::undo() {
  if (!list_.canUndo()) return;
  list_.undo();
  showList(-1);
  emit said(QString::fromStdString(statusTexts::bookletRestored(list_.entries().size())));
}

void BookletPanel::showServiceNote() {
  const ServiceVariant& variant =
      kNineServiceVariants[static_cast<std::size_t>(std::max(0, service_->currentIndex()))];
  serviceNote_->setVisible(variant.service == Service::basil && variant.evening);
}

std::optional<ServiceRequest> BookletPanel::selectedEntry() const {
  const int row = view_->currentRow();
  if (row < 0 || !view_->item(row)->isSelected()) return std::nullopt;
  if (static_cast<std::size_t>(row) >= list_.entries().size()) return std::nullopt;
  return list_.entries()[static_cast<std::size_t>(row)];
}

void BookletPanel::clearSelection() {
  if (view_->currentRow() < 0) return;
  showing_ = true;
  view_->setCurrentRow(-1);
  showing_ = false;
  emit selectionChanged();
}

void BookletPanel::showList(int selectedRow) {
  if (selectedRow < 0) selectedRow = view_->currentRow();
  showing_ = true;
  view_->clear();
  const std::vector<std::optional<std::string>> warnings = list_.warnings(temple_);
  const QIcon mark = style()->standardIcon(QStyle::SP_MessageBoxWarning);
  for (std::size_t i = 0; i < warnings.size(); ++i) {
    auto* item = new QListWidgetItem(label(list_.entries()[i]), view_);
    if (!warnings[i]) continue;
    // Marked by an icon and said in words, for the eye and for a screen reader.
    const QString sentence = QString::fromStdString(*warnings[i]);
    item->setIcon(mark);
    item->setToolTip(sentence);
    item->setData(Qt::AccessibleTextRole, item->text() + ". Warning: " + sentence);
  }
  if (selectedRow >= 0) view_->setCurrentRow(std::min(selectedRow, view_->count() - 1));
  showing_ = false;
  clear_->setEnabled(!list_.entries().empty());
  create_->setEnabled(!list_.entries().empty());
  emit changed();
  emit selectionChanged();
}

void BookletPanel::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    QGroupBox::keyPressEvent(event);
    return;
  }
  if (auto* focused = qobject_cast<QPushButton*>(window()->focusWidget())) {
    focused->click();
  } else if (service_->hasFocus() || date_->hasFocus()) {
    add();
  }
  event->accept();
}

bool BookletPanel::eventFilter(QObject* watched, QEvent* event) {
  // The splitter does not ask a wrapped line how high it must be at its width.
  if (watched == serviceNote_ && event->type() == QEvent::Resize) {
    serviceNote_->setMinimumHeight(serviceNote_->heightForWidth(serviceNote_->width()));
    return false;
  }
  if (watched == view_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    removeSelected();
    return true;
  }
  return QGroupBox::eventFilter(watched, event);
}

}  // namespace corvane
