#pragma once

#include <QDialog>
#include <optional>
#include <vector>

class QCheckBox;

namespace pixmint::app {

// The sizes a cursor is made in: one box per usual size, those the cursor
// has already ticked and fixed, the sizes desktops ask for at 100 % to 300 %
// (24 to 96) ticked to start with.
class TfrmSizes : public QDialog {
  Q_OBJECT

 public:
  TfrmSizes(QWidget* parent, const std::vector<int>& present);
  // The sizes ticked that the cursor does not have yet.
  [[nodiscard]] std::vector<int> Chosen() const;

 private:
  std::vector<std::pair<int, QCheckBox*>> boxes_;
  std::vector<int> present_;
};

[[nodiscard]] std::optional<std::vector<int>> RunSizesDialog(QWidget* parent, const std::vector<int>& present);

}  // namespace pixmint::app
