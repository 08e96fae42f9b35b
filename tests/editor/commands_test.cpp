#include "document/file_io.h"
#include "document/ico_reader.h"
#include "document/kv_icon.h"
#include "editor_fixture.h"

namespace pixmint::editor::test {
namespace {

class CommandsTest : public EditorTest {
 protected:
  void SetUp() override { StartIcon(32, 32, 24); }
};

// A picture up to 8 pixels larger than the image is pasted centred; a larger
// one asks which part to take (here all of it, fitted); Cancel pastes nothing.
TEST_F(CommandsTest, PasteOfAMuchLargerPictureAsksForAPart) {
  Clip(raster::Picture(40, 40, kRed));
  ws.Run(CommandId::kPaste);
  EXPECT_EQ(std::pair(S().FloatLeft, S().FloatTop), std::pair(-4, -4));
  EXPECT_TRUE(host.captions.empty());
  Clip(raster::Picture(41, 40, kRed));
  host.Push(PasteAnswer{0, 0, 41, 40, true});
  ws.Run(CommandId::kPaste);
  ASSERT_EQ(host.captions.size(), 1u);
  EXPECT_EQ(host.captions[0], "在剪切板选择图片的一部份");
  EXPECT_EQ(std::pair(S().FloatBitmap.Width(), S().FloatBitmap.Height()), std::pair(32, 31));  // 40 * 32 / 41
  ws.SelectImage(0);                                                                           // drops the float
  host.Push(CancelAnswer{});
  ws.Run(CommandId::kPaste);
  EXPECT_FALSE(S().HasFloat);
}

TEST_F(CommandsTest, FailedSaveSaysSoAndChangesNothing) {
  Pencil(kRed);
  Click(1, 1);
  for (bool saveAs : {false, true}) {
    host.messages.clear();
    host.Push((dir / "missing" / "x.ico").string());
    saveAs ? ws.Run(CommandId::kSaveAs) : ws.Run(CommandId::kSave);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "保存文件失败: 没有这个文件或文件夹. 用“另存为”可以把它保存到别的地方.")
        << "the message names the reason and the way out";
    EXPECT_EQ(host.messages[0].caption, "错误");
    EXPECT_EQ(DocumentName(S()), "无标题(图标)");
    EXPECT_TRUE(ws.IsEnabled("tbtnSave"));
    EXPECT_EQ(ws.StatusText(3), "");
  }
}

TEST_F(CommandsTest, DamagedStoredSettingsFallBackToUsableDefaults) {
  struct Case {
    std::string trans, invert, size, bpp;
    raster::Colour wantTrans, wantInvert;
    int wantSize, wantBpp;
  };
  const raster::Colour grey = raster::Rgb(234, 234, 234), pink = raster::Rgb(218, 109, 109);
  for (const Case& c :
       {Case{"grey", "@List(1)", "-3", "7", grey, pink, 48, 8},
        Case{"16777215", "99999999", "0", "33", grey, pink, 48, 8},
        Case{"255", "255", "20", "4", grey, raster::Rgb(255, 0, 0), 20, 4},
        Case{"7171546", "", "96", "32", grey, pink, 96, 32}, Case{"0", "0", "16", "8", grey, pink, 16, 8},
        Case{"0", "15395562", "16", "8", grey, pink, 16, 8},
        Case{"65280", "0", "16", "8", raster::Rgb(0, 255, 0), pink, 16, 8}}) {
    ScriptedHost h;
    MemorySettings st;
    st.WriteString("ColorTrans", c.trans);
    st.WriteString("ColorInvert", c.invert);
    st.WriteString("DefaultIconSize", c.size);
    st.WriteString("DefaultIconBpp", c.bpp);
    Workspace w(h, st);
    EXPECT_EQ(raster::Markers().trans, c.wantTrans) << c.trans;
    EXPECT_EQ(raster::Markers().invert, c.wantInvert) << c.invert;
    w.Start(ParseStartArgument(""));
    ASSERT_EQ(w.Document()->ImageCount(), 1u) << c.size << " " << c.bpp;
    EXPECT_EQ(w.Document()->XorBitmap(0)->Width(), c.wantSize);
    EXPECT_EQ(w.Document()->Colors(0), static_cast<unsigned>(c.wantBpp));
  }
  raster::SetMarkers({});
}

TEST_F(CommandsTest, NewOpenAndCloseQuestion) {
  ws.Run(CommandId::kNewIcon);
  ws.Run(CommandId::kNewCursor);
  host.Push((dir / "z.ico").string());
  ws.Run(CommandId::kOpen);
  ASSERT_EQ(host.Started().size(), 3u);
  EXPECT_TRUE(host.Started()[0].empty());
  EXPECT_EQ(host.Started()[1], std::vector<std::string>{"无标题(指针)"});
  EXPECT_EQ(host.Started()[2], std::vector<std::string>{(dir / "z.ico").string()});
  EXPECT_TRUE(ws.CloseQuery());  // nothing changed
  Pencil(kRed);
  Click(0, 0);
  host.Push(MessageAnswer::kCancel);
  EXPECT_FALSE(ws.CloseQuery());
  EXPECT_EQ(host.messages.back().text, "保存 无标题(图标) ?");
  host.Push(MessageAnswer::kYes);
  host.Push(CancelAnswer{});  // the save dialog: the work is not saved, so no close
  EXPECT_FALSE(ws.CloseQuery());
  host.Push(MessageAnswer::kYes);
  host.Push((dir / "kept.ico").string());
  EXPECT_TRUE(ws.CloseQuery());
  EXPECT_TRUE(std::filesystem::exists(dir / "kept.ico"));
  Click(1, 1);
  host.Push(MessageAnswer::kNo);
  EXPECT_TRUE(ws.CloseQuery());
}

// Open takes a group out of a Windows program: the chosen group goes to a new
// instance as an untitled document of its kind, and the hand-over file is
// removed once read; a real file named by hand is never removed.
TEST_F(CommandsTest, OpenChoosesAGroupOfAProgramThatOpensUntitled) {
  const std::filesystem::path program = std::filesystem::path(PIXMINT_PE_SAMPLES) / "res64.dll";
  if (!std::filesystem::exists(program)) GTEST_SKIP() << "no MinGW samples";
  auto cursor = document::ReadWholeFile(std::filesystem::path(PIXMINT_PE_SAMPLES) / "arrow.cur");
  ASSERT_TRUE(cursor);
  host.Push(program.string());
  host.Push(ProgramGroup{*cursor, true});
  ASSERT_TRUE(ws.Run(CommandId::kOpen));
  ASSERT_EQ(host.chosenPrograms.size(), 1u);
  ASSERT_EQ(host.Started().size(), 1u);
  const std::vector<std::string> args = host.Started()[0];
  ASSERT_EQ(args.size(), 2u);
  EXPECT_EQ(args[0], kUntitledArgument);
  ASSERT_TRUE(std::filesystem::exists(args[1]));

  ScriptedHost h;
  MemorySettings st;
  Workspace other(h, st);
  other.Start(ParseStartArgument(args[0]).kind == StartRequest::Kind::kNewIcon
                  ? StartRequest{StartRequest::Kind::kOpenUntitled, args[1]}
                  : StartRequest{});
  EXPECT_TRUE(other.State().DocumentOpen);
  EXPECT_FALSE(other.Document()->IsIcon());
  EXPECT_EQ(DocumentName(other.State()), "无标题(指针)");
  EXPECT_FALSE(std::filesystem::exists(args[1]));
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(args[1]).parent_path()));

  const std::string mine = (dir / "group.cur").string();
  ASSERT_TRUE(document::WriteFileAtomically(mine, *cursor));
  RemoveHandOver(mine);
  EXPECT_TRUE(std::filesystem::exists(mine));
}

// Showing images, drawing on one and saving: every other image is written
// exactly as it was read (here a PNG made by another encoder), however often
// it was shown and committed.
TEST_F(EditorTest, SaveKeepsEveryImageNotDrawnOnAsItWasRead) {
  const pixmint::test::TempDir dir;
  const auto path = dir / "two.ico";
  const auto original = *document::ReadWholeFile(std::string(PIXMINT_TEST_DATA_DIR) + "/png-entry.ico");
  ASSERT_TRUE(document::WriteFileAtomically(path, original));
  ws.Start(ParseStartArgument(path.string()));
  ws.SelectImage(1);
  ws.SelectImage(0);
  Pencil(kRed);
  Click(3, 3);
  ws.SelectImage(1);
  ws.Run(CommandId::kSave);
  const auto saved = *document::ReadWholeFile(path);
  EXPECT_FALSE(std::ranges::equal(*document::IconEntryBlock(saved, 0), *document::IconEntryBlock(original, 0)));
  EXPECT_TRUE(std::ranges::equal(*document::IconEntryBlock(saved, 1), *document::IconEntryBlock(original, 1)));
}

}  // namespace
}  // namespace pixmint::editor::test
