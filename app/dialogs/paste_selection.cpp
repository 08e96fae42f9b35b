#include "app/dialogs/paste_selection.h"

#include <algorithm>

#include "raster/grid.h"
#include "raster/stretch.h"

namespace pixmint::app {

PasteSelection::PasteSelection(int pw, int ph, int iw, int ih) : pw_(std::max(pw, 1)), ph_(std::max(ph, 1)) {
  rect_ = {0, 0, WidthRange().Limit(iw), HeightRange().Limit(ih)};
}

void PasteSelection::Press(raster::Point p) {
  handle_ = raster::HitTestFrame(rect_.Frame(), p.x, p.y);
  dragging_ = true;
  last_ = p;
}

bool PasteSelection::Move(raster::Point p) {
  if (!dragging_ || handle_ == raster::FrameHandle::kOutside) return false;
  const int dx = p.x - last_.x;
  const int dy = p.y - last_.y;
  PasteRect& r = rect_;
  // Which edges the grabbed part moves: -1 the near edge, +1 the far edge.
  const raster::HandleEdges edges = raster::EdgesOf(handle_);
  const bool moveAll = edges.whole;
  const int xEdge = edges.x;
  const int yEdge = edges.y;
  // Keep a dragged edge at least 3 pixels from the opposite one; a refused
  // step leaves the last point, so the offset adds up until one is accepted.
  if ((xEdge < 0 && p.x + 3 > r.left + r.width) || (xEdge > 0 && p.x - 3 < r.left)) return false;
  if ((yEdge < 0 && p.y + 3 > r.top + r.height) || (yEdge > 0 && p.y - 3 < r.top)) return false;
  if (moveAll) {
    r.left += dx;
    r.top += dy;
  }
  if (xEdge < 0) {
    r.left += dx;
    r.width -= dx;
  } else if (xEdge > 0) {
    r.width += dx;
  }
  if (yEdge < 0) {
    r.top += dy;
    r.height -= dy;
  } else if (yEdge > 0) {
    r.height += dy;
  }
  if (moveAll || xEdge != 0) last_.x = p.x;
  if (moveAll || yEdge != 0) last_.y = p.y;
  return true;
}

void PasteSelection::Release() {
  dragging_ = false;
  rect_.width = WidthRange().Limit(rect_.width);
  rect_.height = HeightRange().Limit(rect_.height);
  rect_.left = LeftRange().Limit(rect_.left);
  rect_.top = TopRange().Limit(rect_.top);
}

Size PasteOutputSize(int sw, int sh, int iw, int ih, bool stretch) {
  if (sw <= 0 || sh <= 0) return {0, 0};
  // Ratios in floating point, truncated toward zero, as the fit is defined.
  const auto fitHeight = [&] { return Size{static_cast<int>(static_cast<double>(ih) / sh * sw), ih}; };
  const auto fitWidth = [&] { return Size{iw, static_cast<int>(static_cast<double>(iw) / sw * sh)}; };
  if (sw <= iw && sh <= ih) return {sw, sh};
  if (!stretch) return {std::min(sw, iw), std::min(sh, ih)};
  if (sw <= iw) return fitHeight();
  if (sh <= ih) return fitWidth();
  return static_cast<double>(iw) / ih >= static_cast<double>(sw) / sh ? fitHeight() : fitWidth();
}

raster::Picture PasteOutput(const raster::Picture& picture, const PasteRect& selection, int iw, int ih, bool stretch) {
  const int sw = selection.width;
  const int sh = selection.height;
  const Size out = PasteOutputSize(sw, sh, iw, ih, stretch);
  raster::Picture result(out.width, out.height);
  if (out.width <= 0 || out.height <= 0) return result;
  const raster::Rect area{selection.left, selection.top, selection.left + sw, selection.top + sh};
  if (!stretch) {
    result.CopyFrom(picture, area, {0, 0});
    return result;
  }
  // The selected area first, with transparent pixels where it leaves the
  // picture, then one source pixel for each output pixel.
  raster::Picture scratch(sw, sh);
  scratch.CopyFrom(picture, area, {0, 0});
  raster::StretchCopy(result, result.Bounds(), scratch, scratch.Bounds());
  return result;
}

}  // namespace pixmint::app
