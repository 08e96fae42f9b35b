#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "settings/memory_settings.h"

namespace pixmint::app::test {

using pixmint::MemorySettings;

// Runs `answer` on the next modal dialog as soon as it is shown.
inline void AnswerNextDialog(std::function<void(QWidget*)> answer) {
  auto* poll = new QTimer;
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [poll, answer] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    answer(modal);
  });
  poll->start();
}

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, buttons, modifiers);
  QApplication::sendEvent(widget, &event);
}

// A left-button drag along the points, as the user would draw.
inline void Drag(QWidget* widget, std::initializer_list<QPoint> points) {
  const QPoint* first = points.begin();
  SendMouse(widget, QEvent::MouseButtonPress, *first, Qt::LeftButton, Qt::LeftButton);
  for (const QPoint& p : points) SendMouse(widget, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseButtonRelease, *(points.end() - 1), Qt::LeftButton, Qt::NoButton);
}

}  // namespace pixmint::app::test
