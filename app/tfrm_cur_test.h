#pragma once

#include <QDialog>

class QSpinBox;
class QWidget;

namespace pixmint::editor {
class Workspace;
}

namespace pixmint::app {

// The hot-spot dialog of a cursor image: two number boxes that set the hot
// spot at once, and a test area that shows the image as a mouse cursor.
class TfrmCurTest : public QDialog {
  Q_OBJECT

 public:
  TfrmCurTest(editor::Workspace& workspace, QWidget* parent);

 private:
  void HotSpotChanged();
  void TryCursor();

  editor::Workspace& workspace_;
  int image_ = 0;
  QSpinBox* x_ = nullptr;
  QSpinBox* y_ = nullptr;
  QWidget* area_ = nullptr;
};

void RunHotSpotDialog(QWidget& parent, editor::Workspace& workspace);

}  // namespace pixmint::app
