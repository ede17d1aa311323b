#pragma once

#include <QPlainTextEdit>

namespace corvane {

// The box for a typed patron phrase: the phrase wraps, but is one line. Enter
// goes on to the window (its default button) instead of breaking the line,
// and a line break or tab pasted or dropped in becomes a blank.
class PhraseBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit PhraseBox(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace corvane
