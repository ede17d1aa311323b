#pragma once

#include <QList>

class QAbstractButton;

namespace corvane {

// Tab enters the group of options on its checked option, as on every desktop,
// never on an unchecked one where Space would silently change the choice; the
// arrow keys move within the group as before.
void tabIntoCheckedOption(const QList<QAbstractButton*>& group);

}  // namespace corvane
