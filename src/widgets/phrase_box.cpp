#include "widgets/phrase_box.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>

namespace corvane {

PhraseBox::PhraseBox(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
}

void PhraseBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->ignore();  // with any modifier: no line break, and the window goes on
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void PhraseBox::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) return;
  static const QRegularExpression kLineBreaks{QStringLiteral("\r\n|[\r\n\t\u0085\u2028\u2029]")};
  QString text = source->text();
  text.replace(kLineBreaks, QStringLiteral(" "));
  insertPlainText(text);
}

}  // namespace corvane
