#pragma once

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <filesystem>
#include <optional>

#include "app/dialogs/cursor_image.h"

class QSpinBox;

namespace pixmint::document {
class TKvIcon;
}

namespace pixmint::app {

// What the hot-spot dialog works on.
struct CurTestRequest {
  document::TKvIcon* document = nullptr;  // a cursor document
  int image = -1;                         // the image list's selection; -1 when none
  int workWidth = 0;                      // size of the image in the editor
  int workHeight = 0;
  std::filesystem::path tempFolder;  // the instance's private temporary folder
};

// Sets the hot spot of a cursor image and tries the whole cursor out in a
// scratch area. The hot spot is written at once, without undo.
class TfrmCurTest : public QDialog {
  Q_OBJECT

 public:
  TfrmCurTest(QWidget* parent, const CurTestRequest& request);
  ~TfrmCurTest() override;

  // The test cursor file: unique for each open dialog, in the private folder.
  [[nodiscard]] const std::filesystem::path& TestFile() const { return testFile_; }
  // The cursor the test area shows after a try, as read back from the file.
  [[nodiscard]] const std::optional<CursorImage>& TriedCursor() const { return tried_; }
  [[nodiscard]] QWidget* TestArea() const { return paintBox1_; }

  void Scribble(QPoint p, bool down, bool up);
  void PaintTestArea(QWidget& box);

 protected:
  void done(int result) override;

 private:
  void updXChange();
  void Button2Click();
  void RemoveTestFile();

  CurTestRequest request_;
  std::filesystem::path testFile_;
  std::optional<CursorImage> tried_;
  QSpinBox* updX_ = nullptr;
  QSpinBox* updY_ = nullptr;
  QWidget* paintBox1_ = nullptr;
  QImage scribble_;
  bool drawing_ = false;
  QPoint last_;
};

// The hot-spot command: nothing for a document without images.
// True when the hot spot changed: a change the document must be saved with.
[[nodiscard]] bool RunCurTestDialog(QWidget* parent, const CurTestRequest& request);

}  // namespace pixmint::app
