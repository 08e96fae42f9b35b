#pragma once

#include <QDialog>
#include <QPushButton>

namespace pixmint::app {

// Return presses the dialog's main button, or none: Qt would otherwise make
// the first button in the focus chain the default (in the steps dialog a
// disabled Up, so Return did nothing; elsewhere "Add..." or "Custom...").
// Called once the buttons are in the dialog, so the default is the dialog's.
inline void SetMainButton(QDialog* dialog, QPushButton* main) {
  for (auto* button : dialog->findChildren<QPushButton*>()) button->setAutoDefault(false);
  if (main) main->setDefault(true);
}

}  // namespace pixmint::app
