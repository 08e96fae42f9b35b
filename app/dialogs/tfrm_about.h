#pragma once

#include <QDialog>
#include <functional>

namespace pixmint::app {

// The about box: the program's icon, name, version and web address.
class TfrmAbout : public QDialog {
  Q_OBJECT

 public:
  TfrmAbout(QWidget* parent, std::function<void()> openWeb);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<void()> openWeb_;
};

// The about box, modal over `parent`; its web address runs `openWeb`.
void ShowAbout(QWidget* parent, const std::function<void()>& openWeb);

}  // namespace pixmint::app
