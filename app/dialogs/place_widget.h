#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

namespace pixmint::app {

// Puts a new child control at its fixed place with its control name, so that
// tests and the window find it by that name.
template <typename W>
W* Place(QWidget* parent, const char* name, QRect geometry, W* widget) {
  widget->setParent(parent);
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(geometry);
  return widget;
}

}  // namespace pixmint::app
