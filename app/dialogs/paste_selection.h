#pragma once

#include <optional>

#include "raster/colour.h"
#include "raster/grid.h"
#include "raster/picture.h"

namespace pixmint::app {

// The part of the pasted picture to take: left, top, width, height in picture
// pixels. While a handle is dragged the values are taken as they stand; they
// are held within their ranges when the drag ends.
struct PasteRect {
  int left = 0;
  int top = 0;
  int width = 1;
  int height = 1;
  [[nodiscard]] raster::Rect Frame() const { return {left, top, left + width, top + height}; }
  friend bool operator==(const PasteRect&, const PasteRect&) = default;
};

struct Range {
  int minimum = 0;
  int maximum = 0;
  [[nodiscard]] int Limit(int v) const { return v < minimum ? minimum : (v > maximum ? maximum : v); }
};

// The selection of the paste dialog and its handle drags, without any window.
class PasteSelection {
 public:
  // Picture pw x ph pasted into an image iw x ih: the ranges and start values.
  PasteSelection(int pw, int ph, int iw, int ih);

  [[nodiscard]] const PasteRect& Rect() const { return rect_; }
  [[nodiscard]] Range LeftRange() const { return {0, pw_ - 1}; }
  [[nodiscard]] Range TopRange() const { return {0, ph_ - 1}; }
  [[nodiscard]] Range WidthRange() const { return {1, pw_}; }
  [[nodiscard]] Range HeightRange() const { return {1, ph_}; }
  [[nodiscard]] bool Dragging() const { return dragging_; }

  // A value typed or spun in one of the boxes (already within its range).
  void SetRect(const PasteRect& rect) { rect_ = rect; }
  void SelectAll() { rect_ = {0, 0, pw_, ph_}; }
  // Button press: remembers which part of the frame was grabbed.
  void Press(raster::Point p);
  // Pointer move while dragging: applies the grabbed part's rule unless it
  // would bring an edge within 3 pixels of the opposite one. Returns whether
  // the rectangle changed.
  bool Move(raster::Point p);
  // Button release: each value is held within its own range.
  void Release();

 private:
  int pw_;
  int ph_;
  PasteRect rect_;
  bool dragging_ = false;
  raster::FrameHandle handle_ = raster::FrameHandle::kOutside;
  raster::Point last_;
};

// The output size for a selection of sw x sh into an image iw x ih: fitted
// with its proportions kept when stretching, cut to the image otherwise.
struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};
[[nodiscard]] Size PasteOutputSize(int sw, int sh, int iw, int ih, bool stretch);

// The picture the paste places: the selected area fitted or cut to the image.
// Pixels of the area that lie outside the picture are transparent.
[[nodiscard]] raster::Picture PasteOutput(const raster::Picture& picture, const PasteRect& selection, int iw, int ih,
                                          bool stretch);

}  // namespace pixmint::app
