#include "widgets/option_focus.h"

#include <QAbstractButton>
#include <algorithm>

namespace corvane {

void tabIntoCheckedOption(const QList<QAbstractButton*>& group) {
  const auto follow = [group] {
    const bool anyChecked = std::ranges::any_of(
        group, [](const QAbstractButton* option) { return option->isChecked(); });
    for (QAbstractButton* option : group) {
      const bool entered = anyChecked ? option->isChecked() : option == group.front();
      option->setFocusPolicy(entered ? Qt::StrongFocus : Qt::ClickFocus);
    }
  };
  for (QAbstractButton* option : group) {
    QObject::connect(option, &QAbstractButton::toggled, option, follow);
  }
  follow();
}

}  // namespace corvane
