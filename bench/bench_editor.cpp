// Speed of the editor's per-stroke work: a whole pencil stroke through the
// workspace (press, moves, release with its snapshot and commit), the commit
// alone, and one undo step; the release and the undo of a stroke on a large
// 32-bit image; a click on another image of a large icon, where the document
// history keeps what changed; and the memory a document of many images costs.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "document/kv_icon.h"
#include "editor/workspace.h"
#include "script/scripted_host.h"
#include "settings/memory_settings.h"

namespace {

using pixmint::MemorySettings;
using pixmint::editor::CommandId;
using pixmint::editor::MouseButton;
using pixmint::editor::Workspace;
using pixmint::script::ScriptedHost;
namespace tools = pixmint::tools;

// A file of `count` 32-bit images of side x side, half of each painted.
std::filesystem::path IconFile(int side, int count) {
  pixmint::document::TKvIcon icon;
  for (int i = 0; i < count; ++i) {
    if (!icon.AddImage(side, side, 32)) break;
    auto& colour = *icon.XorBitmap(i);
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side / 2; ++x) colour.SetRaw(x, y, 0xFF000000u | static_cast<std::uint32_t>(x * 7 + y));
    }
  }
  const auto path = std::filesystem::temp_directory_path() /
                    ("pixmint-bench-" + std::to_string(::getpid()) + "-" + std::to_string(side) + ".ico");
  (void)icon.SaveToFile(path.string());
  return path;
}

// Resident memory of this process in bytes.
double Resident() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE));
}

struct Editor {
  explicit Editor(int side, int zoom, const std::filesystem::path& file = {}) : ws(host, settings) {
    ws.SetImageDefaults({side, side, 24});
    if (file.empty()) {
      ws.Start({});
    } else {
      ws.Start({pixmint::editor::StartRequest::Kind::kOpenFile, file.string()});
    }
    ws.SetZoom(zoom);
    ws.ChooseTool(tools::ToolId::kPencil);
    ws.ChooseOption(0);
  }
  void Stroke(int side) {
    Draw(side);
    Release(side);
  }
  void Draw(int side) {
    const int z = ws.State().Zoom;
    ws.CanvasMouseDown(MouseButton::kLeft, tools::ShiftState::kNone, z / 2, z / 2);
    for (int i = 1; i < side; i += 4) ws.CanvasMouseMove(tools::ShiftState::kLeftButton, i * z, i * z);
  }
  void Release(int side) {
    const int z = ws.State().Zoom;
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

// From the release of a stroke on a large 32-bit image to the committed image
// and its undo record: what the user waits for after letting go.
void BM_LargeStrokeRelease(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  const auto file = IconFile(side, 1);
  Editor editor(side, 1, file);
  for (auto _ : state) {
    state.PauseTiming();
    editor.Draw(side);
    state.ResumeTiming();
    editor.Release(side);
  }
  std::filesystem::remove(file);
}
BENCHMARK(BM_LargeStrokeRelease)->Arg(1024)->Unit(benchmark::kMillisecond);

void BM_LargeStrokeUndo(benchmark::State& state) {
  const int side = static_cast<int>(state.range(0));
  const auto file = IconFile(side, 1);
  Editor editor(side, 1, file);
  for (auto _ : state) {
    state.PauseTiming();
    editor.Stroke(side);
    state.ResumeTiming();
    editor.ws.Run(CommandId::kUndo);
  }
  std::filesystem::remove(file);
}
BENCHMARK(BM_LargeStrokeUndo)->Arg(1024)->Unit(benchmark::kMillisecond);

// Memory above an empty editor once a document of 32 images of 256 x 256 at
// 32 bits is open and every image has been shown and drawn on; raw_MB is the
// document's pixels alone.
void BM_DocumentMemory(benchmark::State& state) {
  const auto file = IconFile(256, 32);
  for (auto _ : state) {
    Editor empty(48, 1);
    const double before = Resident();
    {
      Editor editor(256, 1, file);
      for (int i = 0; i < static_cast<int>(editor.ws.Document()->ImageCount()); ++i) {
        editor.ws.SelectImage(i);
        editor.Stroke(256);
      }
      state.counters["above_MB"] = (Resident() - before) / 1e6;
    }
  }
  state.counters["raw_MB"] = 32.0 * 256 * 256 * 4 / 1e6;
  std::filesystem::remove(file);
}
BENCHMARK(BM_DocumentMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

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
