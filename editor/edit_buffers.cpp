#include "editor/edit_buffers.h"

#include "document/kv_icon.h"
#include "document/pixel_look.h"
#include "editor/undo.h"

namespace pixmint::editor {
namespace {

using raster::Colour;

constexpr Colour kPureRed = raster::Rgb(255, 0, 0);
constexpr Colour kBlack = raster::Rgb(0, 0, 0);
constexpr Colour kWhite = raster::Rgb(255, 255, 255);

std::uint8_t Blend(std::uint8_t a, std::uint8_t b, int p) {
  return static_cast<std::uint8_t>((a * p + b * (100 - p)) / 100);
}

}  // namespace

void PasteOver(const raster::Picture& layer, raster::Picture& target, int opacity, Colour transparent) {
  const bool blend = opacity >= 1 && opacity <= 99;
  const int w = std::min(layer.Width(), target.Width());
  const int h = std::min(layer.Height(), target.Height());
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* src = layer.Row(y);
    std::uint8_t* dst = target.Row(y);
    for (int x = 0; x < w; ++x, src += 3, dst += 3) {
      if (raster::SameRgb(raster::Rgb(src[2], src[1], src[0]), transparent)) continue;
      for (int k = 0; k < 3; ++k) dst[k] = blend ? Blend(src[k], dst[k], opacity) : src[k];
    }
  }
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
  const document::MaskSurface* mask = doc.AndBitmap(i);
  if (colour == nullptr || mask == nullptr) return;
  const int w = colour->Width();
  const int h = colour->Height();
  const raster::MarkerColours& markers = raster::Markers();
  state_.WorkBitmap = raster::Picture(w, h, markers.trans);
  if (colour->BitCount() == 32) state_.AlphaBitmap = raster::Picture(w, h, kPureRed);
  // A screen-inverting pixel arrives as the inverting marker in a cursor
  // image that can hold one (its mask decides: 1 to 24 bits); everything else
  // that only changes the screen is plain transparency. Mapping them to the
  // two markers lets an unchanged image commit back to the same mask and
  // colours, and a 32-bit image never shows a pixel it could not save.
  const bool inverts = !doc.IsIcon() && colour->BitCount() != 32;
  const document::PixelRule rule(*colour, *mask);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const document::PixelLook look = rule.At(x, y);
      if (look.kind == document::PixelKind::kColour) {
        state_.WorkBitmap.SetPixel(x, y, look.colour);
      } else if (inverts && look.kind == document::PixelKind::kInverting) {
        state_.WorkBitmap.SetPixel(x, y, markers.invert);
      }
    }
  }
  state_.CurPalette = doc.ImagePalette(i);
  if (state_.CurPalette.size() >= 2) {
    state_.ForeColor = state_.CurPalette[0] & 0xFFFFFF;
    state_.BackColor = state_.CurPalette[1] & 0xFFFFFF;
  }
}

void EditBuffers::BuildAlphaView(int i) {
  const document::ImageSurface* colour = state_.Document ? state_.Document->XorBitmap(i) : nullptr;
  if (colour == nullptr || colour->BitCount() != 32) return;
  const int w = colour->Width();
  const int h = colour->Height();
  state_.AlphaBitmap = raster::Picture(w, h, kPureRed);
  const Colour trans = raster::Markers().trans;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (raster::SameRgb(state_.WorkBitmap.Pixel(x, y), trans)) continue;
      std::uint8_t a = colour->Alpha(x, y);
      if (a == 0) a = 255;
      state_.AlphaBitmap.SetPixel(x, y, raster::Rgb(a, a, a));
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

void EditBuffers::CommitRgb(int i) {
  document::TKvIcon& doc = *state_.Document;
  document::ImageSurface& colour = *doc.XorBitmap(i);
  document::MaskSurface& mask = *doc.AndBitmap(i);
  const bool is32 = colour.BitCount() == 32;
  if (is32) BuildAlphaView(i);
  std::fill(colour.Bits().begin(), colour.Bits().end(), std::uint8_t{0});
  mask.Fill(true);
  const raster::MarkerColours& markers = raster::Markers();
  const bool inverts = !doc.IsIcon() && !is32;
  const int w = std::min(colour.Width(), state_.WorkBitmap.Width());
  const int h = std::min(colour.Height(), state_.WorkBitmap.Height());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Colour c = state_.WorkBitmap.Pixel(x, y);
      if (raster::SameRgb(c, markers.trans)) continue;
      if (inverts && raster::SameRgb(c, markers.invert)) {
        colour.SetPixel(x, y, kWhite);
        continue;  // mask stays 1: white under a set mask bit inverts
      }
      colour.SetPixel(x, y, c);
      mask.Set(x, y, false);
    }
  }
  if (!is32) return;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Colour a = state_.AlphaBitmap.Pixel(x, y);
      if (a == kPureRed) continue;
      colour.SetRaw(x, y, (colour.GetRaw(x, y) & 0xFFFFFFu) | (std::uint32_t{raster::Red(a)} << 24));
    }
  }
}

void EditBuffers::CommitAlpha(int i) {
  document::ImageSurface* colour = state_.Document->XorBitmap(i);
  if (colour == nullptr || colour->BitCount() != 32) return;
  const int w = std::min(colour->Width(), state_.AlphaBitmap.Width());
  const int h = std::min(colour->Height(), state_.AlphaBitmap.Height());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Colour a = state_.AlphaBitmap.Pixel(x, y);
      if (a == kPureRed) continue;
      colour->SetRaw(x, y, (colour->GetRaw(x, y) & 0xFFFFFFu) | (std::uint32_t{raster::Blue(a)} << 24));
    }
  }
}

void EditBuffers::FloatPicked(raster::Point origin) {
  state_.FloatLeft = origin.x;
  state_.FloatTop = origin.y;
  state_.HasFloat = true;
  state_.FloatPicked = true;
  state_.PickedBitmap = state_.FloatBitmap;
  state_.PickedAt = origin;
}

void EditBuffers::LiftPicked() {
  if (!state_.HasFloat || !state_.FloatPicked) return;
  state_.FloatPicked = false;
  const Colour trans = raster::Markers().trans;
  const raster::Picture& picked = state_.PickedBitmap;
  for (int y = 0; y < picked.Height(); ++y) {
    for (int x = 0; x < picked.Width(); ++x) {
      // The picked picture's own transparent pixels were never taken.
      if (raster::SameRgb(picked.Pixel(x, y), trans)) continue;
      const int wx = state_.PickedAt.x + x;
      const int wy = state_.PickedAt.y + y;
      if (state_.WorkBitmap.Contains(wx, wy)) state_.WorkBitmap.SetPixel(wx, wy, trans);
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
  const Colour trans = raster::Markers().trans;
  raster::Picture layer(state_.WorkBitmap.Width(), state_.WorkBitmap.Height(), trans);
  layer.CopyFrom(state_.FloatBitmap, state_.FloatBitmap.Bounds(), {state_.FloatLeft, state_.FloatTop});
  PasteOver(layer, state_.WorkBitmap, state_.Opacity, trans);
  host_.SetCanvasCursor(CursorShape::kArrow);
  if (onCanvasChanged) onCanvasChanged();
  CommitWorkImage();
}

}  // namespace pixmint::editor
