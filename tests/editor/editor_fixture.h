#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "document/kv_icon.h"
#include "editor/workspace.h"
#include "script/scripted_host.h"
#include "settings/memory_settings.h"
#include "support/pixel_grid.h"

namespace pixmint::editor::test {

using raster::Colour;
using namespace pixmint::script;
using raster::Rgb;

inline constexpr Colour kRed = Rgb(255, 0, 0);
inline constexpr Colour kBlack = Rgb(0, 0, 0);
inline constexpr Colour kWhite = Rgb(255, 255, 255);
// What Work() answers for a pixel of no alpha: no colour has this value.
inline constexpr Colour kTransparent = 0xFF000000u;

// A headless workspace with a scripted host and fresh settings.
class EditorTest : public ::testing::Test {
 protected:
  EditorTest() { raster::SetMarkers({}); }

  // A fresh window: the workspace and its host made anew.
  void Restart() {
    ws.~Workspace();
    host.~ScriptedHost();
    new (&host) ScriptedHost();
    new (&ws) Workspace(host, settings);
  }
  // Starts a document of one image (the new-image defaults) and chooses tool.
  void StartIcon(int w, int h, int bpp, bool cursor = false) {
    ws.SetImageDefaults({w, h, bpp});
    ws.Start({cursor ? StartRequest::Kind::kNewCursor : StartRequest::Kind::kNewIcon, {}});
  }
  [[nodiscard]] const EditorState& S() const { return ws.State(); }
  [[nodiscard]] document::TKvIcon& Doc() { return *ws.Document(); }
  // Screen point at the centre of an image pixel.
  [[nodiscard]] int Sc(int v) const { return v * S().Zoom + S().Zoom / 2; }
  void Press(int x, int y, tools::ShiftState shift = tools::ShiftState::kNone) {
    ws.CanvasMouseDown(MouseButton::kLeft, shift, Sc(x), Sc(y));
  }
  void Move(int x, int y, tools::ShiftState shift = tools::ShiftState::kNone) {
    ws.CanvasMouseMove(shift | tools::ShiftState::kLeftButton, Sc(x), Sc(y));
  }
  void Release(int x, int y, tools::ShiftState shift = tools::ShiftState::kNone) {
    ws.CanvasMouseUp(MouseButton::kLeft, shift, Sc(x), Sc(y));
  }
  void Click(int x, int y, tools::ShiftState shift = tools::ShiftState::kNone) {
    Press(x, y, shift);
    Release(x, y, shift);
  }
  void Drag(int x1, int y1, int x2, int y2) {
    Press(x1, y1);
    Move(x2, y2);
    Release(x2, y2);
  }
  // A single-pixel pencil in the given colour (kTransparent: the transparent
  // colour's button).
  void Pencil(Colour c) {
    if (c == kTransparent) {
      ws.Run(CommandId::kTransColour);
    } else {
      host.Push(c);
      ws.Run(CommandId::kForeColour);
    }
    ws.ChooseTool(tools::ToolId::kPencil);
    ws.ChooseOption(0);
  }
  // A picture on the clipboard, seen by the clipboard watch.
  void Clip(std::optional<raster::Picture> picture) {
    host.SetClipboard(std::move(picture));
    ws.ClipboardOffersPicture();
  }
  // The colour of a working pixel, or kTransparent.
  [[nodiscard]] Colour Work(int x, int y) const {
    return S().WorkBitmap.Alpha(x, y) == 0 ? kTransparent : S().WorkBitmap.Pixel(x, y);
  }
  [[nodiscard]] bool Mask(int x, int y) { return Doc().AndBitmap(S().CurrentImage)->Get(x, y); }
  [[nodiscard]] std::uint32_t Raw(int x, int y) { return Doc().XorBitmap(S().CurrentImage)->GetRaw(x, y); }

  ScriptedHost host;
  MemorySettings settings;
  Workspace ws{host, settings};
  pixmint::test::TempDir dir;
};

}  // namespace pixmint::editor::test
