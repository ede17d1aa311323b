#pragma once

#include <QDateEdit>
#include <functional>
#include <optional>
#include <utility>

namespace corvane {

// The date picker, which also takes a whole date typed or pasted: as soon as
// its whole text is replaced (Ctrl+A and typing, or a paste), it is a plain
// line of text, read when Enter, Tab, a click elsewhere or an arrow key ends
// the typing. A click selects the section it lands on, so typing replaces
// that section; the sections, the arrow keys and the calendar pop-up work as
// in any date edit. A date that cannot be read, whole or after editing a
// section, leaves the last good date shown; the reader says why.
class TypedDateEdit : public QDateEdit {
  Q_OBJECT

 public:
  // Reads what was typed: the date, or nothing when it was refused.
  using Reader = std::function<std::optional<QDate>(const QString& typed)>;

  explicit TypedDateEdit(QWidget* parent);
  void setReader(Reader reader) { read_ = std::move(reader); }
  // Ends the typing: the text read, the date taken or the last good one shown
  // again. True unless what was typed was refused.
  bool finishTyping();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void stepBy(int steps) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // While typing, the text is the user's: always acceptable, never rewritten
  // by the sections, read only when the typing ends.
  QValidator::State validate(QString& text, int& position) const override;
  void fixup(QString& text) const override;
  QDateTime dateTimeFromText(const QString& text) const override;
  QString textFromDateTime(const QDateTime& dateTime) const override;

 private:
  void startTyping();
  // Ends a section's editing that left no date: read as a whole, or refused.
  std::optional<QDate> readEdited(const QString& text) const;

  Reader read_;
  bool typing_ = false;
  mutable bool refused_ = false;  // the last text read was refused
};

}  // namespace corvane
