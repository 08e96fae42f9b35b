#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "tools/settings.h"

namespace pixmint::app::test {

// Settings in memory, with the window's rule for integers.
class MemorySettings : public Settings {
 public:
  int RegReadInt(std::string_view name) override {
    const auto found = values_.find(std::string(name));
    if (found == values_.end()) return 100;
    try {
      return std::stoi(found->second);
    } catch (...) {
      return 100;
    }
  }
  void RegWriteInt(std::string_view name, int value) override { values_[std::string(name)] = std::to_string(value); }
  std::string ReadString(std::string_view name) override {
    const auto found = values_.find(std::string(name));
    return found == values_.end() ? std::string() : found->second;
  }
  void WriteString(std::string_view name, std::string_view value) override {
    values_[std::string(name)] = std::string(value);
  }
  bool Exists(std::string_view name) override { return values_.count(std::string(name)) != 0; }
  std::string ReadSubkeyString(std::string_view subkey, std::string_view name) override {
    return ReadString(std::string(subkey) + "/" + std::string(name));
  }
  void WriteSubkeyString(std::string_view subkey, std::string_view name, std::string_view value) override {
    WriteString(std::string(subkey) + "/" + std::string(name), value);
  }

 private:
  std::map<std::string, std::string> values_;
};

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
