#include "tools/fill_dropper.h"

#include "raster/composite.h"
#include "raster/flood_fill.h"

namespace pixmint::tools {

void TKvFill::Configure(const ToolSettings& settings) {
  TakePaint(settings);
}

void TKvFill::OnMouseDown(ShiftState, int, int) {
  BeginDrawState();
  pressed_ = true;
}

void TKvFill::OnMouseMove(ShiftState, int, int) {}

// The fill acts at the release point; a colour is blended twice at
// opacities 1..99 (once as it is laid, once more by the usual merge).
void TKvFill::OnMouseUp(ShiftState, int x, int y) {
  if (!pressed_) return;
  pressed_ = false;
  const raster::Picture area = raster::FloodCover(BaseBitmap, x, y, Holds);
  LayerBitmap.Clear();
  for (int row = 0; row < Height; ++row) {
    for (int column = 0; column < Width; ++column) {
      if (area.At(column, row)[3] != 0) LayerBitmap.SetPixel(column, row, Color);
    }
  }
  MergePainted(ImageRect());
  if (PaintsColour()) raster::MergeOver(LayerBitmap, area, BaseBitmap, ImageRect(), Opacity);
  ShowLayer(ImageRect());
  CommitLayer(ImageRect());
}

}  // namespace pixmint::tools
