#include "widgets/commemorations_dialog.h"

#include <QAccessible>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace corvane {

namespace {

constexpr const char* kHowToWrite =
    "Each commemoration joins the saints of its day in every dismissal, unless they give way to "
    "a great feast. Its day is a date of the temple's calendar, MM-DD (12-13), or N days from "
    "Pascha, P+N or P-N (P+63); its phrase is typed exactly as it should appear in the "
    "dismissal, beginning with \"of\". Each change is saved at once.";

enum Column { kDay, kPhrase, kNext };

QString fromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPushButton* button(QWidget* parent, const char* objectName, const char* caption) {
  auto* created = new QPushButton(QString::fromUtf8(caption), parent);
  created->setObjectName(objectName);
  created->setAutoDefault(false);
  return created;
}

QLabel* wrappedLabel(QWidget* parent, const char* objectName) {
  auto* label = new QLabel(parent);
  label->setObjectName(objectName);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  return label;
}

}  // namespace

CommemorationsDialog::CommemorationsDialog(CommemorationsEditor& editor, AppServices& services,
                                           std::function<TempleCalendar()> calendar,
                                           QWidget* parent)
    : QDialog(parent), editor_(editor), services_(services), calendar_(std::move(calendar)) {
  setObjectName("frmCommemorations");
  setWindowTitle("Our Own Commemorations");
  setWindowModality(Qt::WindowModal);
  buildControls();
  resize(820, 460);
}

void CommemorationsDialog::buildControls() {
  auto* layout = new QVBoxLayout(this);
  notice_ = wrappedLabel(this, "lblCommemorationsNotice");
  notice_->setAccessibleName("Problems with the list");
  QFont bold = notice_->font();
  bold.setBold(true);
  notice_->setFont(bold);
  notice_->hide();
  layout->addWidget(notice_);
  QLabel* how = wrappedLabel(this, "lblCommemorationsHow");
  how->setText(QString::fromUtf8(kHowToWrite));
  layout->addWidget(how);

  table_ = new QTableWidget(0, 3, this);
  table_->setObjectName("tblCommemorations");
  table_->setAccessibleName("The parish's own commemorations");
  table_->setHorizontalHeaderLabels({"Day", "Commemoration", "Next day"});
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionResizeMode(kDay, QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(kPhrase, QHeaderView::Stretch);
  table_->horizontalHeader()->setSectionResizeMode(kNext, QHeaderView::ResizeToContents);
  table_->setWordWrap(false);
  layout->addWidget(table_, 1);

  auto* adding = new QGridLayout;
  auto* dayLabel = new QLabel("&Day:", this);
  day_ = new QLineEdit(this);
  day_->setObjectName("txtCommemorationDay");
  day_->setPlaceholderText("12-13 or P+63");
  day_->setMaximumWidth(120);
  dayLabel->setBuddy(day_);
  auto* phraseLabel = new QLabel("&Phrase:", this);
  phrase_ = new QLineEdit(this);
  phrase_->setObjectName("txtCommemorationPhrase");
  phrase_->setPlaceholderText("of our venerable father Herman, wonderworker of Alaska");
  phraseLabel->setBuddy(phrase_);
  add_ = button(this, "cmdAddCommemoration", "&Add");
  adding->addWidget(dayLabel, 0, 0);
  adding->addWidget(day_, 0, 1);
  adding->addWidget(phraseLabel, 0, 2);
  adding->addWidget(phrase_, 0, 3);
  adding->addWidget(add_, 0, 4);
  adding->setColumnStretch(3, 1);
  layout->addLayout(adding);

  refused_ = wrappedLabel(this, "lblCommemorationRefused");
  refused_->hide();
  layout->addWidget(refused_);

  auto* bottom = new QHBoxLayout;
  remove_ = button(this, "cmdRemoveCommemoration", "&Remove");
  undo_ = button(this, "cmdUndoCommemoration", "&Undo");
  QPushButton* close = button(this, "cmdCloseCommemorations", "Close");
  bottom->addWidget(remove_);
  bottom->addWidget(undo_);
  bottom->addStretch();
  bottom->addWidget(close);
  layout->addLayout(bottom);

  connect(add_, &QPushButton::clicked, this, &CommemorationsDialog::add);
  connect(day_, &QLineEdit::returnPressed, this, &CommemorationsDialog::add);
  connect(phrase_, &QLineEdit::returnPressed, this, &CommemorationsDialog::add);
  connect(remove_, &QPushButton::clicked, this, &CommemorationsDialog::removeSelected);
  connect(undo_, &QPushButton::clicked, this, &CommemorationsDialog::undo);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (!syncing_) changeRow(item->row());
  });
  connect(table_, &QTableWidget::itemSelectionChanged, this, [this] {
    remove_->setEnabled(editor_.mayChange() && !table_->selectedItems().isEmpty());
  });
}

void CommemorationsDialog::reopen() {
  editor_.reload();
  refused_->hide();
  showRows(-1);
}

void CommemorationsDialog::showRows(int selected) {
  syncing_ = true;
  const std::vector<CommemorationRow> rows =
      editor_.rows(toDate(services_.today()), calendar_(), localeLongDate);
  table_->setRowCount(static_cast<int>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const CommemorationRow& row = rows[i];
    const int at = static_cast<int>(i);
    auto* day = new QTableWidgetItem(fromUtf8(row.day));
    auto* phrase = new QTableWidgetItem(fromUtf8(row.phrase));
    auto* next = new QTableWidgetItem(fromUtf8(row.next));
    next->setFlags(next->flags() & ~Qt::ItemIsEditable);
    if (!editor_.mayChange()) {
      day->setFlags(day->flags() & ~Qt::ItemIsEditable);
      phrase->setFlags(phrase->flags() & ~Qt::ItemIsEditable);
    }
    if (!row.readable) {
      for (QTableWidgetItem* item : {day, phrase, next}) item->setForeground(Qt::darkRed);
      next->setToolTip(fromUtf8(row.next));
    }
    table_->setItem(at, kDay, day);
    table_->setItem(at, kPhrase, phrase);
    table_->setItem(at, kNext, next);
  }
  if (selected >= 0 && !rows.empty()) {
    table_->selectRow(std::min(selected, static_cast<int>(rows.size()) - 1));
  } else {
    table_->clearSelection();
  }
  const bool hasNotice = !editor_.notice().empty();
  notice_->setText(fromUtf8(editor_.notice()));
  notice_->setVisible(hasNotice);
  add_->setEnabled(editor_.mayChange());
  day_->setEnabled(editor_.mayChange());
  phrase_->setEnabled(editor_.mayChange());
  remove_->setEnabled(editor_.mayChange() && !table_->selectedItems().isEmpty());
  undo_->setEnabled(editor_.canUndo());
  syncing_ = false;
}

void CommemorationsDialog::refuse(const std::string& why) {
  refused_->setText(fromUtf8(why));
  if (refused_->isHidden()) {
    refused_->show();
    QAccessibleEvent alert{refused_, QAccessible::Alert};  // said as it appears
    QAccessible::updateAccessibility(&alert);
  }
}

void CommemorationsDialog::add() {
  const Done added = editor_.add(day_->text().toStdString(), phrase_->text().toStdString());
  if (!added) {
    refuse(added.error());
    return;
  }
  refused_->hide();
  day_->clear();
  phrase_->clear();
  showRows(table_->rowCount());
  day_->setFocus();
}

void CommemorationsDialog::changeRow(int row) {
  const QTableWidgetItem* day = table_->item(row, kDay);
  const QTableWidgetItem* phrase = table_->item(row, kPhrase);
  if (day == nullptr || phrase == nullptr) return;
  const Done changed = editor_.change(static_cast<std::size_t>(row), day->text().toStdString(),
                                      phrase->text().toStdString());
  if (changed) {
    refused_->hide();
  } else {
    refuse(changed.error());
  }
  showRows(row);  // a refused change shows the row as it stands
}

void CommemorationsDialog::removeSelected() {
  const int row = table_->currentRow();
  if (row < 0 || table_->selectedItems().isEmpty()) return;
  editor_.remove(static_cast<std::size_t>(row));
  refused_->hide();
  showRows(row);
}

void CommemorationsDialog::undo() {
  editor_.undo();
  refused_->hide();
  showRows(table_->currentRow());
}

// Delete in the table removes the row; Ctrl+Z undoes, as in the booklet.
void CommemorationsDialog::keyPressEvent(QKeyEvent* event) {
  // While a cell is edited, its editor has the focus and the key.
  if (event->key() == Qt::Key_Delete && table_->hasFocus()) {
    removeSelected();
    return;
  }
  if (event->matches(QKeySequence::Undo) && editor_.canUndo()) {
    undo();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace corvane
