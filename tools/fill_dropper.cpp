#include "tools/fill_dropper.h"

#include "raster/composite.h"
#include "raster/flood_fill.h"

namespace pixmint::tools {

void TKvFill::Configure(const ToolSettings& settings) {
  Color = settings.colour;
  // Transparency is never blended into a colour.
  ForceOpacityForTrans();
}

void TKvFill::OnMouseDown(ShiftState, int, int) {
  BeginDrawState();
  pressed_ = true;
}

void TKvFill::OnMouseMove(ShiftState, int, int) {}

// The fill acts at the release point; the composite is blended twice at
// opacities 1..99 (once for the changed pixels, once by the usual merge).
void TKvFill::OnMouseUp(ShiftState, int x, int y) {
  if (!pressed_) return;
  pressed_ = false;
  LayerBitmap.CopyFrom(BaseBitmap, ImageRect(), {0, 0});
  raster::FloodFill(LayerBitmap, x, y, Color);
  raster::BlendChanged(LayerBitmap, BaseBitmap, Width, Height, Opacity);
  EndDrawState();
  CommitLayer(ImageRect());
}

}  // namespace pixmint::tools
