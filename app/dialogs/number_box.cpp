#include "app/dialogs/number_box.h"

namespace pixmint::app {

QValidator::State NumberBox::validate(QString& input, int& pos) const {
  if (input.isEmpty()) return QValidator::Intermediate;
  for (const QChar c : input) {
    if (!c.isDigit()) return QValidator::Invalid;
  }
  bool ok = false;
  const qlonglong value = input.toLongLong(&ok);
  if (!ok || value > maximum()) {
    input = QString::number(maximum());
    pos = static_cast<int>(input.size());
    return QValidator::Acceptable;
  }
  // Too small may still become right with the next digit.
  return value < minimum() ? QValidator::Intermediate : QValidator::Acceptable;
}

void NumberBox::fixup(QString& input) const {
  bool ok = false;
  const qlonglong value = input.toLongLong(&ok);
  input = QString::number(ok && value >= minimum() ? std::min<qlonglong>(value, maximum()) : minimum());
}

}  // namespace pixmint::app
