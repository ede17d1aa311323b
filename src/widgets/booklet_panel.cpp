#include "widgets/booklet_panel.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

#include "window_logic/status_texts.h"

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
  date_ = new QDateEdit(this);
  date_->setObjectName("dtpBookletDate");
  date_->setToolTip("The date on which that service is served.");
  date_->setAccessibleName("Date of the service to add");
  date_->setDisplayFormat("ddd, MMM dd, yyyy");
  date_->setCalendarPopup(true);
  date_->setDateRange(toQDate(kFirstSupportedDate), toQDate(kLastSupportedDate));

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
  grid->addWidget(add, 2, 0);
  grid->addWidget(clear_, 2, 1);
  grid->addWidget(create_, 2, 2);
  grid->setRowStretch(0, 1);

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
  const ServiceRequest entry{toDate(date_->date()), variant.service, variant.evening};
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

void BookletPanel::showList(int selectedRow) {
  if (selectedRow < 0) selectedRow = view_->currentRow();
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
  clear_->setEnabled(!list_.entries().empty());
  create_->setEnabled(!list_.entries().empty());
  emit changed();
}

bool BookletPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
    removeSelected();
    return true;
  }
  return QGroupBox::eventFilter(watched, event);
}

}  // namespace corvane
