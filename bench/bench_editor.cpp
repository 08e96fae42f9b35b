// Speed of the editor's per-stroke work: a whole pencil stroke through the
// workspace (press, moves, release with its snapshot and commit), the commit
// alone, and one undo step; and a click on another image of a large icon,
// where the document history keeps what changed.
#include <benchmark/benchmark.h>

#include "editor/workspace.h"
#include "script/memory_settings.h"
#include "script/scripted_host.h"

namespace {

using pixmint::editor::CommandId;
using pixmint::editor::MemorySettings;
using pixmint::editor::MouseButton;
using pixmint::editor::ScriptedHost;
using pixmint::editor::Workspace;
namespace tools = pixmint::tools;

struct Editor {
  explicit Editor(int side, int zoom) : ws(host, settings) {
    ws.SetImageDefaults({side, side, 24});
    ws.Start({});
    ws.SetZoom(zoom);
    ws.ChooseTool(tools::ToolId::kPencil);
    ws.ChooseOption(0);
  }
  void Stroke(int side) {
    const int z = ws.State().Zoom;
    ws.CanvasMouseDown(MouseButton::kLeft, tools::ShiftState::kNone, z / 2, z / 2);
    for (int i = 1; i < side; i += 4) ws.CanvasMouseMove(tools::ShiftState::kLeftButton, i * z, i * z);
    ws.CanvasMouseUp(MouseButton::kLeft, tools::ShiftState::kNone, (side - 1) * z, (side - 1) * z);
  }
  ScriptedHost host;
  MemorySettings settings;
  Workspace ws;
};

void BM_Stroke(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  Editor editor(side, static_cast<int>(state.range(1)));
  for (auto _ : state) editor.Stroke(side);
}
BENCHMARK(BM_Stroke)->Args({32, 8})->Args({48, 8})->Args({128, 4})->Args({256, 2})->Unit(benchmark::kMillisecond);

void BM_SelectAllMerge(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  Editor editor(side, 1);
  for (auto _ : state) {
    editor.ws.Run(CommandId::kSelectAll);
    editor.ws.Run(CommandId::kMerge);
  }
}
BENCHMARK(BM_SelectAllMerge)->Arg(32)->Arg(256)->Unit(benchmark::kMillisecond);

void BM_UndoRedo(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  Editor editor(side, 1);
  editor.Stroke(side);
  for (auto _ : state) {
    editor.ws.Run(CommandId::kUndo);
    editor.ws.Run(CommandId::kRedo);
  }
}
BENCHMARK(BM_UndoRedo)->Arg(32)->Arg(256)->Unit(benchmark::kMillisecond);

// Showing another image of an icon of 32 images of 256 x 256 (32 bits):
// the document history's starting point for the image shown, once every
// picture of the document was encoded again.
void BM_SelectImage(benchmark::State& state) {
  MemorySettings settings;
  ScriptedHost host;
  Workspace ws(host, settings);
  ws.SetImageDefaults({256, 256, 32});
  ws.Start({});
  for (int i = 1; i < 32; ++i) ws.Run(CommandId::kDuplicateImage);
  // Each its own picture, stored as PNG as large images are.
  pixmint::document::TKvIcon& icon = *ws.Document();
  for (std::uint32_t i = 0; i < icon.ImageCount(); ++i) {
    for (int y = 0; y < 256; ++y) {
      for (int x = 0; x < 256; ++x) {
        icon.XorBitmap(i)->SetRaw(x, y, 0xFF000000u | ((i * 0x10101u) ^ static_cast<std::uint32_t>(x * y)));
      }
    }
    icon.SetPngCompressed(i, true);
  }
  ws.DocumentChangedOutside();
  int image = 0;
  for (auto _ : state) ws.SelectImage(image = (image + 1) % 32);
}
BENCHMARK(BM_SelectImage)->Unit(benchmark::kMillisecond);

}  // namespace
