#pragma once

#include <QDialog>
#include <QImage>
#include <optional>

#include "app/dialogs/paste_selection.h"
#include "raster/picture.h"

class QCheckBox;
class QSpinBox;
class QWidget;

namespace pixmint::app {

// Placing a picture larger than the image: the user marks the part to take
// with a frame (dragging its handles or typing its numbers), and OK fits or
// cuts that part to the image.
class TfrmPaste : public QDialog {
  Q_OBJECT

 public:
  // `picture` is the pasted picture, shown 1:1; the image being edited is
  // imageWidth x imageHeight.
  TfrmPaste(QWidget* parent, raster::Picture picture, int imageWidth, int imageHeight);
  ~TfrmPaste() override;

  // After OK: the picture to place; empty otherwise.
  [[nodiscard]] const std::optional<raster::Picture>& Result() const { return result_; }
  [[nodiscard]] const PasteSelection& Selection() const { return selection_; }

  // The picture box's events, in its own (picture) pixels.
  void PaintPicture(QWidget& box, const QRect& area);
  void PicturePress(QPoint p);
  void PictureMove(QWidget& box, QPoint p);
  void PictureRelease();

 private:
  void BuildPictureArea();
  void BuildControls();
  QSpinBox* AddBox(const char* name, Range range);
  void WriteBoxes(bool limited);
  void BoxChanged();
  void RepaintFrame(const PasteRect& rect);
  void btnSelectAllClick();
  void btnOkClick();

  raster::Picture picture_;
  QImage shown_;
  int imageWidth_;
  int imageHeight_;
  PasteSelection selection_;
  QWidget* paintBox_ = nullptr;
  QSpinBox* updLeft_ = nullptr;
  QSpinBox* updTop_ = nullptr;
  QSpinBox* updWidth_ = nullptr;
  QSpinBox* updHeight_ = nullptr;
  QCheckBox* checkBox1_ = nullptr;
  std::optional<raster::Picture> result_;
};

// The paste command's call: shows the dialog over the main window and answers
// the picture to place, or nothing when the user cancelled.
[[nodiscard]] std::optional<raster::Picture> RunPasteDialog(QWidget* mainWindow, raster::Picture picture,
                                                            int imageWidth, int imageHeight);

// A picture as a 32-bit image for painting.
[[nodiscard]] QImage PictureToQImage(const raster::Picture& picture);

}  // namespace pixmint::app
