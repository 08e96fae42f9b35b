#include "editor/edit_buffers.h"

#include <algorithm>
#include <cstring>

#include "document/kv_icon.h"
#include "document/pixel_look.h"
#include "editor/undo.h"
#include "raster/composite.h"

namespace pixmint::editor {
namespace {

using raster::Colour;

constexpr Colour kPureRed = raster::Rgb(255, 0, 0);
constexpr Colour kBlack = raster::Rgb(0, 0, 0);
// What an image of fewer than 32 bits keeps of a partly transparent pixel:
// its mask says transparent or opaque, nothing between.
constexpr std::uint8_t kMaskThreshold = 128;

}  // namespace

raster::Transparency HoldsOf(const document::TKvIcon& doc, int i) {
  const bool is32 = doc.Colors(i) == 32;
  return {is32, !doc.IsIcon() && !is32};
}

EditBuffers::EditBuffers(EditorState& state, EditorHost& host, UndoHistory& undo)
    : state_(state), host_(host), undo_(undo) {}

bool EditBuffers::HasCurrentImage() const {
  return state_.Document && state_.Document->ImageCount() > 0 && state_.CurrentImage >= 0 &&
         static_cast<std::uint32_t>(state_.CurrentImage) < state_.Document->ImageCount();
}

void EditBuffers::LoadImageIntoEditor(int i) {
  if (!state_.Document || i < 0 || static_cast<std::uint32_t>(i) >= state_.Document->ImageCount()) return;
  document::TKvIcon& doc = *state_.Document;
  const document::ImageSurface* colour = doc.XorBitmap(i);
  if (colour == nullptr || doc.AndBitmap(i) == nullptr) return;
  state_.Holds = HoldsOf(doc, i);
  state_.WorkBitmap = raster::Picture(colour->Width(), colour->Height());
  if (colour->BitCount() == 32) state_.AlphaBitmap = raster::Picture(colour->Width(), colour->Height(), kPureRed);
  ReadImage(i, state_.WorkBitmap.Bounds());
  state_.CurPalette = doc.ImagePalette(i);
  if (state_.CurPalette.size() >= 2) {
    state_.ForeColor = raster::ColourPaint(state_.CurPalette[0]);
    state_.BackColor = raster::ColourPaint(state_.CurPalette[1]);
  }
}

// The image's pixels as stored, by the rule that decides what each shows. A
// 32-bit image keeps the colour under alpha 0 (it is saved with the image);
// a cursor whose mask decides keeps the colour under a set mask bit (white
// there inverts the screen); elsewhere a set mask bit is plain transparency.
void EditBuffers::ReadImage(int i, raster::Rect r) {
  const document::TKvIcon& doc = *state_.Document;
  const document::ImageSurface& colour = *doc.XorBitmap(i);
  const document::PixelRule rule(colour, *doc.AndBitmap(i));
  const bool is32 = colour.BitCount() == 32;
  r = {std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, colour.Width()), std::min(r.bottom, colour.Height())};
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const document::PixelLook look = rule.At(x, y);
      if (look.kind == document::PixelKind::kColour) {
        state_.WorkBitmap.SetPixel(x, y, look.colour, look.alpha);
      } else if (is32 || state_.Holds.inverting) {
        state_.WorkBitmap.SetPixel(x, y, colour.GetPixel(x, y), 0);
      } else {
        state_.WorkBitmap.SetPixel(x, y, kBlack, 0);
      }
    }
  }
}

void EditBuffers::BuildAlphaView(int i) {
  const document::ImageSurface* colour = state_.Document ? state_.Document->XorBitmap(i) : nullptr;
  if (colour == nullptr || colour->BitCount() != 32) return;
  const int w = state_.WorkBitmap.Width();
  const int h = state_.WorkBitmap.Height();
  state_.AlphaBitmap = raster::Picture(w, h, kPureRed);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const std::uint8_t a = state_.WorkBitmap.Alpha(x, y);
      if (a != 0) state_.AlphaBitmap.SetPixel(x, y, raster::Rgb(a, a, a));
    }
  }
}

void EditBuffers::CommitWorkImage() {
  if (!HasCurrentImage()) return;
  if (state_.AlphaMode) {
    CommitAlpha(state_.CurrentImage);
  } else {
    CommitRgb(state_.CurrentImage);
  }
  host_.PanelsChanged();
}

// A 32-bit image takes every pixel as it is (the mask follows the alpha). An
// image of fewer bits stores what its mask and depth can hold, and the
// working picture is read back from it, so the canvas shows what is saved.
void EditBuffers::CommitRgb(int i) {
  document::TKvIcon& doc = *state_.Document;
  document::ImageSurface& colour = *doc.XorBitmap(i);
  document::MaskSurface& mask = *doc.AndBitmap(i);
  const raster::Picture& work = state_.WorkBitmap;
  const int w = std::min(colour.Width(), work.Width());
  const int h = std::min(colour.Height(), work.Height());
  if (colour.BitCount() == 32) {
    // Both are blue, green, red, alpha: a row is one copy, and its mask bits
    // follow the alpha.
    for (int y = 0; y < h; ++y) {
      std::memcpy(colour.RowBits(y), work.Row(y), static_cast<std::size_t>(w) * raster::kPixelBytes);
      std::uint8_t* bits = mask.RowBits(y);
      const std::uint8_t* p = work.Row(y);
      for (int x = 0; x < w; x += 8) {
        std::uint8_t byte = 0;
        for (int k = 0; k < 8 && x + k < w; ++k) {
          if (p[(x + k) * raster::kPixelBytes + 3] == 0) byte |= static_cast<std::uint8_t>(0x80 >> k);
        }
        bits[x / 8] = byte;
      }
    }
    return;
  }
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const std::uint8_t* p = work.At(x, y);
      const bool opaque = p[3] >= kMaskThreshold;
      // Under a set mask bit the colour is what the screen is XORed with:
      // black unless the pixel came with one (the inverting white of a cursor).
      const Colour c = opaque || p[3] == 0 ? raster::Rgb(p[2], p[1], p[0]) : kBlack;
      colour.SetPixel(x, y, c);
      mask.Set(x, y, !opaque);
    }
  }
  ReadImage(i, {0, 0, w, h});
}

void EditBuffers::CommitAlpha(int i) {
  document::ImageSurface* colour = state_.Document->XorBitmap(i);
  document::MaskSurface* mask = state_.Document->AndBitmap(i);
  if (colour == nullptr || mask == nullptr || colour->BitCount() != 32) return;
  const int w = std::min({colour->Width(), state_.AlphaBitmap.Width(), state_.WorkBitmap.Width()});
  const int h = std::min({colour->Height(), state_.AlphaBitmap.Height(), state_.WorkBitmap.Height()});
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      // Red marks a transparent pixel: an undo may bring one back.
      const Colour a = state_.AlphaBitmap.Pixel(x, y);
      const std::uint8_t alpha = a == kPureRed ? 0 : raster::Blue(a);
      colour->SetRaw(x, y, (colour->GetRaw(x, y) & 0xFFFFFFu) | (std::uint32_t{alpha} << 24));
      mask->Set(x, y, alpha == 0);
      state_.WorkBitmap.At(x, y)[3] = alpha;
    }
  }
}

void EditBuffers::FloatPicked(raster::Point origin) {
  state_.FloatLeft = origin.x;
  state_.FloatTop = origin.y;
  state_.HasFloat = true;
  state_.FloatPicked = true;
  state_.FloatFromPicture = true;
  state_.PickedBitmap = state_.FloatBitmap;
  state_.PickedAt = origin;
}

void EditBuffers::FloatPlaced(raster::Picture picture) {
  state_.FloatBitmap = std::move(picture);
  state_.FloatLeft = (state_.WorkBitmap.Width() - state_.FloatBitmap.Width()) / 2;
  state_.FloatTop = (state_.WorkBitmap.Height() - state_.FloatBitmap.Height()) / 2;
  state_.HasFloat = true;
  state_.FloatPicked = false;
  state_.FloatFromPicture = false;
}

void EditBuffers::LiftPicked() {
  if (!state_.HasFloat || !state_.FloatPicked) return;
  state_.FloatPicked = false;
  const raster::Picture& picked = state_.PickedBitmap;
  for (int y = 0; y < picked.Height(); ++y) {
    for (int x = 0; x < picked.Width(); ++x) {
      // The picked picture's own transparent pixels were never taken.
      if (raster::IsClear(picked.At(x, y), state_.Holds)) continue;
      state_.WorkBitmap.SetPixel(state_.PickedAt.x + x, state_.PickedAt.y + y, kBlack, 0);
    }
  }
  state_.PickedBitmap = raster::Picture();
  CommitWorkImage();
}

void EditBuffers::MergeFloat() {
  if (!state_.HasFloat) return;
  UndoStep step(undo_);
  if (!step.Ok()) return;
  state_.HasFloat = false;
  state_.FloatPicked = false;
  raster::Picture layer(state_.WorkBitmap.Width(), state_.WorkBitmap.Height());
  layer.CopyFrom(state_.FloatBitmap, state_.FloatBitmap.Bounds(), {state_.FloatLeft, state_.FloatTop});
  raster::PasteLayer(layer, state_.WorkBitmap, layer.Bounds(), state_.Opacity, state_.Holds);
  host_.SetCanvasCursor(CursorShape::kArrow);
  if (onCanvasChanged) onCanvasChanged();
  CommitWorkImage();
}

raster::Picture EditBuffers::Fitted(raster::Picture picture) const {
  if (state_.Holds.partial) return picture;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      std::uint8_t* p = picture.At(x, y);
      if (p[3] >= kMaskThreshold) {
        p[3] = raster::kOpaque;
      } else {
        p[0] = p[1] = p[2] = p[3] = 0;
      }
    }
  }
  return picture;
}

}  // namespace pixmint::editor
