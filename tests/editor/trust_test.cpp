// Nothing the user does is lost: every change can be saved and makes the close
// question ask, a floating selection is merged rather than dropped, and undo
// and redo only ever land on states the user has seen.
#include <algorithm>
#include <array>
#include <functional>
#include <random>

#include "document/kv_icon.h"
#include "document/pixel_look.h"
#include "editor/edit_buffers.h"
#include "editor_fixture.h"
#include "raster/composite.h"
#include "tools/tool_table.h"

namespace pixmint::editor::test {
namespace {

using tools::ToolId;

// What the user sees of the current image: the picture with what floats over it.
struct Seen {
  raster::Picture shown;
  friend bool operator==(const Seen&, const Seen&) = default;
};

class TrustTest : public EditorTest {
 protected:
  [[nodiscard]] Seen Now() const {
    const EditorState& s = S();
    if (!s.HasFloat) return {s.WorkBitmap};
    raster::Picture shown = s.WorkBitmap;
    raster::Picture layer(shown.Width(), shown.Height());
    layer.CopyFrom(s.FloatBitmap, s.FloatBitmap.Bounds(), {s.FloatLeft, s.FloatTop});
    raster::PasteLayer(layer, shown, shown.Bounds(), 100, s.Holds);
    return {shown};
  }
  void Tool(ToolId id, int option = 0) {
    ws.ChooseTool(id);
    ws.ChooseOption(option);
  }
  // The close question is asked (and cancelled): the window stays open.
  [[nodiscard]] bool CloseAsks() {
    const std::size_t before = host.messages.size();
    host.Push(MessageAnswer::kCancel);
    const bool mayClose = ws.CloseQuery();
    return !mayClose && host.messages.size() == before + 1;
  }
};

// Each change leaves Save enabled and makes the close question ask, and a
// Save then writes what the screen showed.
TEST_F(TrustTest, EveryChangeCanBeSavedAndTheCloseQuestionAsks) {
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"stroke", [this] { Pencil(kRed), Click(2, 2); }},
      {"add image",
       [this] {
         host.Push(ImageFormat{8, 8, 4}), ws.Run(CommandId::kAddImage);
       }},
      {"duplicate", [this] { ws.Run(CommandId::kDuplicateImage); }},
      {"convert",
       [this] {
         host.Push(ImageFormat{8, 8, 24}), ws.Run(CommandId::kChangeFormat);
       }},
      {"swap",
       [this] {
         ws.Run(CommandId::kDuplicateImage);
         ws.Run(CommandId::kSave);  // saved: only the exchange is new
         ws.ImageListMouseDown(1);
         ws.ImageListMouseUp(0);
       }},
      {"hot spot", [this] { ws.SetHotSpot(3, 4); }},
      {"hot-spot dialog", [this] { host.shellChanges = true, ws.Run(CommandId::kHotSpot); }},
      {"paste", [this] { Clip(raster::Picture(2, 2, kRed)), ws.Run(CommandId::kPaste); }},
      {"text", [this] { host.Push(TextAnswer{"A"}), ws.ChooseTool(ToolId::kText); }},
      {"curve between clicks", [this] { Pencil(kRed), ws.ChooseTool(ToolId::kCurve), Click(1, 1); }},
  };
  int n = 0;
  for (const auto& [name, change] : changes) {
    SCOPED_TRACE(name);
    Restart();
    StartIcon(16, 16, 8, /*cursor=*/true);
    host.Push((dir / ("saved" + std::to_string(n) + ".cur")).string());
    ws.Run(CommandId::kSelectAll);
    ASSERT_TRUE(ws.Run(CommandId::kSave));  // a named, saved, unchanged document
    ASSERT_FALSE(ws.IsEnabled("tbtnSave"));
    ASSERT_TRUE(ws.CloseQuery());
    change();
    EXPECT_TRUE(ws.IsEnabled("tbtnSave"));
    EXPECT_TRUE(CloseAsks());
    const Seen shown = Now();
    EXPECT_TRUE(ws.Run(CommandId::kSave));
    EXPECT_FALSE(S().HasFloat) << "what floated is in the file";
    EXPECT_TRUE(Now() == shown);
    document::TKvIcon saved;
    ASSERT_TRUE(saved.LoadFromFile(S().FileName));
    EXPECT_EQ(saved.ImageCount(), Doc().ImageCount());
    EXPECT_TRUE(ws.CloseQuery());
    ++n;
  }
}

// A floating selection is merged, never thrown away or drawn under, by
// everything that needs the canvas free; what leaves the canvas alone (the
// hot-spot dialog, the extractor) leaves it floating.
TEST_F(TrustTest, FloatingSelectionIsMergedByWhatComesNext) {
  const struct {
    const char* name;
    std::function<void()> action;
    bool merges;
  } next[] = {
      {"marquee", [this] { ws.ChooseTool(ToolId::kSelectBas); }, true},
      {"lasso", [this] { ws.ChooseTool(ToolId::kSelectAdv); }, true},
      {"pencil stroke", [this] { Tool(ToolId::kPencil), Click(0, 0); }, true},
      {"fill", [this] { Tool(ToolId::kFill), Click(0, 15); }, true},
      {"select all", [this] { ws.Run(CommandId::kSelectAll); }, true},
      {"another image",
       [this] {
         host.Push(ImageFormat{8, 8, 24}), ws.Run(CommandId::kAddImage);
       },
       true},
      {"hot-spot dialog", [this] { host.shellChanges = true, ws.Run(CommandId::kHotSpot); }, false},
      {"extractor", [this] { ws.Run(CommandId::kExtract); }, false},
  };
  for (const auto& [name, action, merges] : next) {
    SCOPED_TRACE(name);
    StartIcon(16, 16, 24, /*cursor=*/true);
    Clip(raster::Picture(2, 2, kRed));
    ASSERT_TRUE(ws.Run(CommandId::kPaste));  // at (7, 7)
    action();
    EXPECT_TRUE(merges || S().HasFloat);
    EXPECT_EQ(Doc().XorBitmap(0)->GetPixel(7, 7) & 0xFFFFFF, merges ? kRed : kBlack);
    EXPECT_EQ(Doc().AndBitmap(0)->Get(8, 8), !merges);
    Restart();
  }
}

// An effect gives the transformed picture alone, on the whole image and on a
// picked selection, and undo right after it takes it back.
TEST_F(TrustTest, EffectsReplaceWhatTheyTransformAndUndoAtOnce) {
  StartIcon(8, 4, 24);
  Pencil(kRed);
  Click(0, 0);
  const Seen before = Now();
  ws.RunControl("mnuEffectFilpHor");
  ws.Run(CommandId::kMerge);
  EXPECT_EQ(Work(7, 0), kRed);
  EXPECT_EQ(Work(0, 0), kTransparent) << "no copy of the original beneath";
  ws.Run(CommandId::kUndo);
  ws.Run(CommandId::kUndo);
  EXPECT_TRUE(Now() == before);

  Tool(ToolId::kSelectBas);
  Drag(0, 0, 2, 2);  // picks (0, 0)..(1, 1)
  ASSERT_TRUE(S().HasFloat);
  ws.RunControl("mnuEffectFilpVer");
  EXPECT_EQ(Work(0, 0), kTransparent) << "the picked pixels left the picture";
  EXPECT_EQ(S().FloatBitmap.Pixel(0, 1), kRed);
  ws.Run(CommandId::kUndo);
  EXPECT_EQ(Work(0, 0), kRed);
  EXPECT_EQ(S().FloatBitmap.Pixel(0, 0), kRed) << "the selection as picked";
}

// What the user sees of the whole document, as a file would show it: every
// image's size, depth, hot spot and pixels (by the drawing rule, so that two
// palettes with the same colours look alike), which image is shown, and the
// current picture with what floats over it.
struct DocumentSeen {
  std::vector<std::uint32_t> values;
  int shown = 0;
  Seen picture;
  friend bool operator==(const DocumentSeen&, const DocumentSeen&) = default;
};

// Random work with every kind of change, undo and redo in between: drawing
// and selecting with every tool, paste, effects, merge and delete, and the
// image commands and hot spots of a document of several images. Each undo
// lands on a state the user had before, each redo on one they had after,
// undo all gives the first and redo all the last.
TEST_F(TrustTest, UndoAndRedoLandOnlyOnStatesTheUserSaw) {
  std::mt19937 rng(20261207);
  const auto now = [this] {
    DocumentSeen seen{{}, S().CurrentImage, Now()};
    document::TKvIcon file;
    EXPECT_TRUE(file.LoadFromMemory(*Doc().SaveToMemory(), "seen"));
    for (std::uint32_t i = 0; i < file.ImageCount(); ++i) {
      const document::ImageSurface& colour = *file.XorBitmap(i);
      const document::PixelRule rule(colour, *file.AndBitmap(i));
      const raster::Point spot = file.GetHotSpot(i);
      seen.values.insert(seen.values.end(),
                         {static_cast<std::uint32_t>(colour.Width()), static_cast<std::uint32_t>(colour.Height()),
                          file.Colors(i), static_cast<std::uint32_t>(spot.x), static_cast<std::uint32_t>(spot.y)});
      // The image shown is seen as the canvas shows it, with what floats over it.
      if (static_cast<int>(i) == seen.shown) continue;
      for (int y = 0; y < colour.Height(); ++y) {
        for (int x = 0; x < colour.Width(); ++x) {
          const document::PixelLook look = rule.At(x, y);
          seen.values.push_back(static_cast<std::uint32_t>(look.kind) << 24 | look.alpha);
          if (look.kind != document::PixelKind::kTransparent) seen.values.push_back(look.colour);
        }
      }
    }
    return seen;
  };
  const ToolId drawing[] = {ToolId::kPencil,  ToolId::kBrush,     ToolId::kLine,      ToolId::kRect,
                            ToolId::kEllipse, ToolId::kEraser,    ToolId::kFill,      ToolId::kSpray,
                            ToolId::kCurve,   ToolId::kSelectBas, ToolId::kSelectAdv, ToolId::kMoveScale};
  for (int round = 0; round < 16; ++round) {
    SCOPED_TRACE(round);
    Restart();
    StartIcon(10, 10, std::array{8, 24, 32}[round % 3], /*cursor=*/round % 4 < 2);
    Clip(raster::Picture(3, 2, kRed));
    std::vector<DocumentSeen> seen{now()};
    std::size_t at = 0;  // where in seen the state now was first reached
    std::string log;
    const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(std::max(n, 1))); };
    int images = 0, side = 0;
    bool exact = false;  // an action whose undo gives back exactly what was before
    const auto format = [&] {
      host.Push(ImageFormat{6 + 4 * pick(2), 6 + 4 * pick(2), std::array{4, 8, 24, 32}[pick(4)]});
    };
    const std::pair<const char*, std::function<void()>> actions[] = {
        {"stroke",
         [&] {
           host.Push(raster::Rgb(static_cast<std::uint8_t>(rng()), 40, 90));
           ws.Run(CommandId::kForeColour);
           const ToolId tool = drawing[rng() % std::size(drawing)];
           ws.ChooseTool(tool);
           log += std::to_string(tools::Number(tool)) + " ";
           Press(pick(side), pick(side));
           Move(pick(side), pick(side));
           Release(pick(side), pick(side));
           host.SetTimer(0);
         }},
        {"paste/all", [&] { ws.Run(rng() % 2 ? CommandId::kPaste : CommandId::kSelectAll); }},
        {"effect", [&] { ws.RunControl(rng() % 2 ? "mnuEffectFilpHor" : "mnuEffectRotate90"); }},
        {"merge/del", [&] { ws.Run(rng() % 2 ? CommandId::kMerge : CommandId::kDelete); }},
        {"add", [&] { format(), ws.Run(CommandId::kAddImage); }},
        {"delete", [&] { ws.Run(CommandId::kDeleteImage); }},
        {"duplicate", [&] { ws.Run(CommandId::kDuplicateImage); }},
        {"format", [&] { format(), ws.Run(CommandId::kChangeFormat); }},
        {"exchange", [&] { ws.ImageListMouseDown(pick(images)), ws.ImageListMouseUp(pick(images)); }},
        {"select/hotspot",
         [&] {
           if (rng() % 2) return ws.SelectImage(pick(images));
           exact = !S().HasFloat;
           ws.SetHotSpot(pick(side), pick(side));
         }},
    };
    for (int step = 0; step < 50; ++step) {
      images = static_cast<int>(Doc().ImageCount());
      side = S().WorkBitmap.Width();
      exact = false;
      // Strokes come five times as often as each other action.
      const int choice = pick(16);
      if (choice < 14) {
        const auto& [name, act] = actions[std::max(choice - 4, 0)];
        log += std::string(name) + " ";
        act();
      } else {
        // Undo goes back to a state seen before, redo forward to one seen
        // after (a step may change nothing the user sees).
        const bool undo = rng() % 3 != 0;
        const bool could = ws.IsEnabled(undo ? "tbtnUndo" : "tbtnRedo");
        log += undo ? "UNDO " : "REDO ";
        ws.Run(undo ? CommandId::kUndo : CommandId::kRedo);
        if (!could) continue;
        const DocumentSeen state = now();
        std::optional<std::size_t> found;
        for (std::size_t j = 0; j < seen.size(); ++j) {
          if (seen[j] == state && (undo ? j <= at : j >= at) && (undo || !found)) found = j;
        }
        EXPECT_TRUE(found) << "step " << step << ": " << log;
        if (found) at = *found;
        continue;
      }
      // An action that changed nothing leaves redo as it was.
      DocumentSeen state = now();
      if (state == seen[at]) continue;
      if (exact) {
        ws.Run(CommandId::kUndo);
        EXPECT_TRUE(now() == seen[at]) << "undone at once, step " << step << ": " << log;
        ws.Run(CommandId::kRedo);
        EXPECT_TRUE(now() == state) << "redone at once, step " << step << ": " << log;
      }
      seen.push_back(std::move(state));
      at = seen.size() - 1;
    }
    if (S().HasFloat) ws.Run(CommandId::kMerge);
    ws.Run(CommandId::kSelectAll);  // settles a pending curve as well
    ws.Run(CommandId::kMerge);
    const DocumentSeen last = now();
    while (ws.IsEnabled("tbtnUndo")) ws.Run(CommandId::kUndo);
    EXPECT_TRUE(now() == seen.front()) << "undo all: " << log;
    while (ws.IsEnabled("tbtnRedo")) ws.Run(CommandId::kRedo);
    EXPECT_TRUE(now() == last) << "redo all: " << log;
  }
}

}  // namespace
}  // namespace pixmint::editor::test
