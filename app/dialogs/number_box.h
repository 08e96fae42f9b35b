#pragma once

#include <QSpinBox>

namespace pixmint::app {

// A number box that takes what is typed and holds it in its range: typing
// 200 where 128 is the most gives 128 (a plain spin box refuses the last
// digit and keeps 20). Only digits are typed; the editing keys work as usual.
class NumberBox : public QSpinBox {
 public:
  explicit NumberBox(QWidget* parent = nullptr) : QSpinBox(parent) {}

 protected:
  QValidator::State validate(QString& input, int& pos) const override;
  void fixup(QString& input) const override;
};

}  // namespace pixmint::app
