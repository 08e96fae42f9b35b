#pragma once

#include <memory>
#include <vector>

#include "raster/picture.h"
#include "settings/memory_settings.h"
#include "tools/kv_paint.h"
#include "tools/tool_palette.h"

namespace pixmint::tools::test {

// The pictures a tool works on: the edited picture and the screen buffer.
struct Rig {
  Rig(int w, int h, int zoom, raster::Colour fill = raster::Rgb(255, 255, 255))
      : work(w, h, fill), screen(w * zoom, h * zoom), width(w), height(h), zoom(zoom) {}
  raster::Picture work;
  raster::Picture screen;
  int width;
  int height;
  int zoom;

  template <typename T, typename... Extra>
  std::unique_ptr<T> Make(int opacity, Extra&... extra) {
    return std::make_unique<T>(work, screen, width, height, zoom, opacity, extra...);
  }
  // A tool with its settings already given.
  template <typename T>
  std::unique_ptr<T> Tool(int opacity, const ToolSettings& settings) {
    auto tool = Make<T>(opacity);
    tool->Configure(settings);
    return tool;
  }
};

// Settings of a pen in colour c: width, and for the brush its rings.
inline ToolSettings Pen(raster::Paint paint, int width = 1, int rings = 0) {
  ToolSettings s;
  s.paint = paint;
  s.width = width;
  s.rings = rings;
  return s;
}
inline ToolSettings Pen(raster::Colour c, int width = 1, int rings = 0) {
  return Pen(raster::ColourPaint(c), width, rings);
}
inline ToolSettings Selecting(raster::Picture* target) {
  ToolSettings s;
  s.target = target;
  return s;
}

// Press, moves through the points, release at the last one.
inline void Stroke(TKvPaint& tool, const std::vector<raster::Point>& points, ShiftState shift = ShiftState::kNone) {
  tool.OnMouseDown(shift, points.front().x, points.front().y);
  for (std::size_t i = 1; i < points.size(); ++i) tool.OnMouseMove(shift, points[i].x, points[i].y);
  tool.OnMouseUp(shift, points.back().x, points.back().y);
}

// A workspace stand-in that records what the palette asks of it.
class FakeHost : public ToolHost {
 public:
  FakeHost(int w, int h, int zoom) : work(w, h, raster::Rgb(255, 255, 255)), screen(w * zoom, h * zoom), zoom(zoom) {}
  raster::Picture& WorkPicture() override { return work; }
  raster::Picture& ScreenPicture() override { return screen; }
  raster::Picture& FloatPicture() override { return floatPicture; }
  int Zoom() const override { return zoom; }
  raster::Paint ForeColor() const override { return raster::ColourPaint(fore); }
  raster::Paint BackColor() const override { return raster::ColourPaint(back); }
  raster::Transparency Holds() const override { return {}; }
  bool AlphaMode() const override { return alphaMode; }
  bool HasImage() const override { return hasImage; }
  void SetCanvasCursor(ToolCursor c) override { cursor = c; }
  void ClearToolStatus() override { ++statusClears; }
  void PaletteChanged() override {}
  bool PlaceText() override {
    ++textDialogs;
    return textAnswer;
  }

  raster::Picture work;
  raster::Picture screen;
  raster::Picture floatPicture;
  int zoom;
  raster::Colour fore = raster::Rgb(10, 20, 30);
  raster::Colour back = raster::Rgb(250, 240, 230);
  bool alphaMode = false;
  bool hasImage = true;
  bool textAnswer = false;
  ToolCursor cursor = ToolCursor::kArrow;
  int statusClears = 0;
  int textDialogs = 0;
};

}  // namespace pixmint::tools::test
