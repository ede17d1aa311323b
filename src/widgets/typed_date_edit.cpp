#include "widgets/typed_date_edit.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace corvane {

TypedDateEdit::TypedDateEdit(QWidget* parent) : QDateEdit(parent) {
  lineEdit()->installEventFilter(this);  // a click selects its section
}

void TypedDateEdit::startTyping() {
  typing_ = true;
}

bool TypedDateEdit::finishTyping() {
  if (!typing_) return true;
  const QString typed = lineEdit()->text();
  typing_ = false;
  const std::optional<QDate> read = read_ ? read_(typed) : std::nullopt;
  refused_ = !read;
  setDate(read.value_or(date()));  // shows the last good date again when refused
  return read.has_value();
}

void TypedDateEdit::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (typing_) {
    if (event->key() == Qt::Key_Escape) {
      typing_ = false;
      setDate(date());
      event->accept();
    } else if (event->key() == Qt::Key_F4 ||
               (event->key() == Qt::Key_Down && event->modifiers() & Qt::AltModifier)) {
      finishTyping();  // and the calendar pop-up opens on the date taken
      QDateEdit::keyPressEvent(event);
    } else if (enter) {
      if (finishTyping()) {
        QDateEdit::keyPressEvent(event);  // and on to the window's default button
      } else {
        event->accept();  // a refused date goes no further
      }
    } else {
      QAbstractSpinBox::keyPressEvent(event);  // plain text, no sections
    }
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    // A paste is a whole date, read at once.
    lineEdit()->selectAll();
    startTyping();
    QAbstractSpinBox::keyPressEvent(event);
    finishTyping();
    event->accept();
    return;
  }
  const QString text = event->text();
  const bool printable = !text.isEmpty() && text.at(0).isPrint() &&
                         !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (printable && !lineEdit()->text().isEmpty() &&
      lineEdit()->selectedText() == lineEdit()->text()) {
    startTyping();
    QAbstractSpinBox::keyPressEvent(event);
    return;
  }
  // No year the picker offers begins with 0, and the sections would show
  // it as the year 0000.
  if (text == "0" && currentSection() == YearSection) {
    const QString year = sectionText(YearSection);
    if (year.isEmpty() || lineEdit()->selectedText() == year) {
      event->accept();
      return;
    }
  }
  refused_ = false;
  QDateEdit::keyPressEvent(event);
  if (enter && refused_) event->accept();
}

void TypedDateEdit::focusOutEvent(QFocusEvent* event) {
  finishTyping();
  QDateEdit::focusOutEvent(event);
}

// The pop-up's button: what was typed is read before the calendar opens.
void TypedDateEdit::mousePressEvent(QMouseEvent* event) {
  finishTyping();
  QDateEdit::mousePressEvent(event);
}

// The menu's Paste pastes a whole date, read at once, as Ctrl+V does.
void TypedDateEdit::contextMenuEvent(QContextMenuEvent* event) {
  finishTyping();
  lineEdit()->selectAll();
  const QString before = lineEdit()->text();
  startTyping();
  QDateEdit::contextMenuEvent(event);
  if (typing_ && lineEdit()->text() != before) {
    finishTyping();
  } else {
    typing_ = false;
  }
}

void TypedDateEdit::stepBy(int steps) {
  if (!finishTyping()) return;
  QDateEdit::stepBy(steps);
}

bool TypedDateEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease && !typing_ &&
      !lineEdit()->hasSelectedText()) {
    setSelectedSection(currentSection());
  }
  return QDateEdit::eventFilter(watched, event);
}

QValidator::State TypedDateEdit::validate(QString& text, int& position) const {
  if (typing_) return QValidator::Acceptable;
  return QDateEdit::validate(text, position);
}

// A section edited so that the sections hold no date ("Sat, Oct 08, 1"): the
// text is read as a whole, and said when it cannot be.
void TypedDateEdit::fixup(QString& text) const {
  if (typing_) return;
  if (const std::optional<QDate> read = readEdited(text)) {
    text = QDateEdit::textFromDateTime(QDateTime{*read, QTime{}});
  }
}

std::optional<QDate> TypedDateEdit::readEdited(const QString& text) const {
  const std::optional<QDate> read = read_ ? read_(text) : std::nullopt;
  refused_ = !read;
  return read;
}

QDateTime TypedDateEdit::dateTimeFromText(const QString& text) const {
  if (typing_) return dateTime();
  return QDateEdit::dateTimeFromText(text);
}

QString TypedDateEdit::textFromDateTime(const QDateTime& dateTime) const {
  if (typing_) return lineEdit()->displayText();
  return QDateEdit::textFromDateTime(dateTime);
}

}  // namespace corvane
