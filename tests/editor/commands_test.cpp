#include "document/bmp_codec.h"
#include "document/file_io.h"
#include "document/ico_reader.h"
#include "document/kv_icon.h"
#include "document/png_codec.h"
#include "editor_fixture.h"
#include "texts/texts.h"
#include "texts/ui_texts.h"

namespace pixmint::editor::test {
namespace {

class CommandsTest : public EditorTest {
 protected:
  void SetUp() override { StartIcon(32, 32, 24); }
};

TEST_F(CommandsTest, PastePlacesCentredOrAsksForAPart) {
  struct Case {
    int w, h;
    bool dialog;
    int left, top;
  };
  for (const Case& c : {Case{40, 40, false, -4, -4}, Case{16, 16, false, 8, 8}, Case{41, 40, true, 0, 0}}) {
    host.captions.clear();
    Clip(raster::Picture(c.w, c.h, kRed));
    if (c.dialog) host.Push(PasteAnswer{0, 0, 41, 40, true});
    ws.Run(CommandId::kPaste);
    EXPECT_EQ(!host.captions.empty(), c.dialog) << c.w;
    EXPECT_EQ(S().FloatLeft, c.left) << c.w;
    EXPECT_EQ(S().FloatTop, c.top) << c.w;
    EXPECT_EQ(tools::Number(S().ToolId), 115);
    if (c.dialog) {
      EXPECT_EQ(host.captions[0], "在剪切板选择图片的一部份");
      EXPECT_EQ(S().FloatBitmap.Width(), 32);
      EXPECT_EQ(S().FloatBitmap.Height(), 31);  // 40 * 32 / 41
    }
    ws.SelectImage(0);  // drops the float
  }
  Clip(raster::Picture(60, 60, kRed));
  host.Push(CancelAnswer{});
  ws.Run(CommandId::kPaste);
  EXPECT_FALSE(S().HasFloat);
}

TEST_F(CommandsTest, CutOfAMovedSelection) {
  Pencil(kRed);
  Click(3, 3);
  ws.Run(CommandId::kSelectAll);
  Drag(3, 3, 4, 3);  // the float now starts at (1, 0)
  ws.Run(CommandId::kCut);
  EXPECT_FALSE(S().HasFloat);
  EXPECT_TRUE(ws.IsEnabled("tbtnPaste"));
  ASSERT_TRUE(host.Clipboard().has_value());
  EXPECT_EQ(host.Clipboard()->Pixel(3, 3), kRed);
  EXPECT_EQ(Work(1, 0), kTransparent);  // under the new place
  EXPECT_EQ(Work(3, 3), kTransparent);
}

TEST_F(CommandsTest, EffectsTransformTheSelection) {
  Clip(pixmint::test::FromAscii({"r..", "..."}));
  ws.Run(CommandId::kPaste);
  ws.RunControl("mnuEffectRotate90");
  EXPECT_TRUE(pixmint::test::SamePicture(pixmint::test::FromAscii({".r", "..", ".."}), S().FloatBitmap));
  ws.RunControl("mnuEffectRotate270");
  for (const char* text : {"abc", "0", "400"}) {
    host.messages.clear();
    host.Push(std::string(text));
    ws.RunControl("mnuEffectRotateArb");
    EXPECT_EQ(S().FloatBitmap.Width(), 3) << text;
    EXPECT_EQ(host.messages.size(), std::string(text) == "abc" ? 1u : 0u) << text;
  }
  ws.SelectImage(0);
  ws.RunControl("mnuEffectRotate180");  // no selection: the whole image is lifted first
  EXPECT_TRUE(S().HasFloat);
  EXPECT_EQ(S().FloatBitmap.Width(), 32);
  // Turned by an angle the selection grows about its centre, not from its corner.
  host.Push(std::string("45"));
  ws.RunControl("mnuEffectRotateArb");
  const int grown = S().FloatBitmap.Width() - 32;
  EXPECT_GT(grown, 8);
  EXPECT_EQ(S().FloatLeft, -grown / 2);
  EXPECT_EQ(S().FloatTop, -(S().FloatBitmap.Height() - 32) / 2);
}

TEST_F(CommandsTest, ImageCommandsChangeTheImageSet) {
  ws.Run(CommandId::kDeleteImage);  // the only image stays
  EXPECT_EQ(Doc().ImageCount(), 1u);
  for (int i = 0; i < 31; ++i) {
    host.Push(ImageFormat{16, 16, 4});
    ws.Run(CommandId::kAddImage);
  }
  EXPECT_EQ(S().ImageEntries, 32);
  EXPECT_EQ(S().CurrentImage, 31);
  ws.Run(CommandId::kAddImage);  // says so before asking for a size
  ws.Run(CommandId::kDuplicateImage);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].text, "一个文件最多只能有 32 个图像.");
  EXPECT_EQ(host.messages[1].text, host.messages[0].text);
  EXPECT_EQ(Doc().ImageCount(), 32u);
  ws.Run(CommandId::kDeleteImage);
  EXPECT_EQ(Doc().ImageCount(), 31u);
  EXPECT_EQ(S().CurrentImage, 0);
  ws.SelectImage(1);
  host.Push(ImageFormat{48, 48, 8});
  ws.Run(CommandId::kChangeFormat);
  EXPECT_EQ(host.captions.back(), "改变图像的格式 (原始:          16x16 4位 )");
  EXPECT_EQ(S().CurrentImage, 1);
  EXPECT_EQ(S().WorkBitmap.Width(), 48);
  ws.Run(CommandId::kDuplicateImage);
  EXPECT_EQ(S().CurrentImage, 31);
  EXPECT_EQ(S().WorkBitmap.Width(), 48);
}

TEST_F(CommandsTest, SaveAsWritesFourFormatsAndPng) {
  Pencil(kRed);
  Click(1, 1);
  struct Case {
    const char* name;
    std::string_view magic;
  };
  for (const Case& c : {Case{"a.ICO", std::string_view("\0\0\1\0", 4)}, Case{"a.cur", std::string_view("\0\0\2\0", 4)},
                        Case{"a.bmp", "BM"}, Case{"a.jpg", "\xFF\xD8"}, Case{"a.png", "\x89PNG"}}) {
    host.Push((dir / c.name).string());
    ws.Run(CommandId::kSaveAs);
    auto bytes = document::ReadWholeFile(dir / c.name);
    ASSERT_TRUE(bytes) << c.name;
    EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(bytes->data()), c.magic.size()), c.magic) << c.name;
  }
  EXPECT_TRUE(Doc().IsIcon());
  EXPECT_EQ(DocumentName(S()), "无标题(图标)");
  EXPECT_TRUE(ws.IsEnabled("tbtnSave"));
  auto png = document::DecodePng(*document::ReadWholeFile(dir / "a.png"), document::ChannelOrder::kRgba);
  ASSERT_TRUE(png);
  EXPECT_EQ(png->pixels[3], 0);                   // transparent pixel (0, 0)
  EXPECT_EQ(png->pixels[(32 + 1) * 4 + 3], 255);  // the red one
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

// Save As offers the document's own kind first; Open, Save As and the
// Xcursor export start in the document's folder; the export says what it is.
TEST_F(CommandsTest, FileDialogsStartAtTheDocumentAndOfferItsKind) {
  std::filesystem::create_directory(dir / "sub");
  for (auto [name, first] : {std::pair{"a.ico", "图标文件(*.ico)|*.ico|"}, {"b.cur", "指针文件(*.cur)|*.cur|"}}) {
    document::TKvIcon icon;
    icon.SetIcon(std::string_view(name).ends_with(".ico"));
    ASSERT_TRUE(icon.AddImage(8, 8, 32));
    const std::string path = (dir / "sub" / name).string();
    ASSERT_TRUE(icon.SaveToFile(path));
    ScriptedHost h;
    MemorySettings st;
    Workspace w(h, st);
    w.Start({StartRequest::Kind::kOpenFile, path});
    for (CommandId id : {CommandId::kOpen, CommandId::kSaveAs, CommandId::kExportXcursor}) {
      h.Push(CancelAnswer{});
      w.Run(id);
    }
    const bool cursor = std::string_view(name).ends_with(".cur");
    ASSERT_EQ(h.fileDialogs.size(), cursor ? 3u : 2u) << name;  // only cursors export to Xcursor
    for (const FileDialog& d : h.fileDialogs) EXPECT_EQ(d.folder, (dir / "sub").string() + "/") << name;
    EXPECT_EQ(h.fileDialogs[1].filter.rfind(first, 0), 0u) << h.fileDialogs[1].filter;
    EXPECT_EQ(h.fileDialogs[1].filter.size(), texts::Tr(texts::kFilterSaveAs).size()) << "nothing lost";
    if (cursor) {
      EXPECT_EQ(h.fileDialogs[2].caption, "导出为 Xcursor 文件");
    }
  }
}

TEST_F(CommandsTest, SavingAnUntitledIconFixesTheName) {
  for (auto [typed, saved] : {std::pair{"p.cur", "p.cur.ico"}, {"q", "q.ico"}, {"R.ICO", "R.ICO"}}) {
    ScriptedHost h;
    MemorySettings st;
    Workspace w(h, st);
    w.Start({});
    w.Run(CommandId::kSelectAll);  // a floating selection is a change to save
    h.Push((dir / typed).string());
    w.Run(CommandId::kSave);
    EXPECT_EQ(w.State().FileName, (dir / saved).string());
    EXPECT_TRUE(std::filesystem::exists(dir / saved));
    EXPECT_EQ(w.StatusText(3), "保存文件成功.");
    EXPECT_EQ(h.Caption(), "Kavoltrix Pixmint 3.0 - " + (dir / saved).string());
    EXPECT_EQ(h.fileDialogs.back().filter, "图标文件(*.ico)|*.ico");
    w.Run(CommandId::kSelectAll);
    EXPECT_EQ(w.StatusText(3), "") << "the news goes with the next change";
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

TEST_F(CommandsTest, StartUpChoosesTheDocumentKindByTheArgument) {
  ASSERT_TRUE(Doc().SaveToFile((dir / "one.ico").string()));
  struct Case {
    std::string arg;
    bool icon;
    std::string name;
  };
  for (const Case& c : {Case{(dir / "one.ico").string(), true, (dir / "one.ico").string()},
                        Case{"picture.bmp", false, "无标题(指针)"}, Case{"无标题(图标)", true, "无标题(图标)"}}) {
    ScriptedHost h;
    MemorySettings st;
    Workspace w(h, st);
    w.Start(ParseStartArgument(c.arg));
    EXPECT_EQ(w.Document()->IsIcon(), c.icon) << c.arg;
    EXPECT_EQ(DocumentName(w.State()), c.name);
    EXPECT_EQ(w.IsEnabled("mnuToolHotSpot"), !c.icon);
    EXPECT_TRUE(w.Layout().visible);
  }
  ScriptedHost h;
  MemorySettings st;
  Workspace w(h, st);
  w.Start(ParseStartArgument((dir / "absent.ICO").string()));
  ASSERT_FALSE(h.messages.empty());
  EXPECT_EQ(h.messages.back().text, "从文件载入图标失败.");
  EXPECT_FALSE(w.Layout().visible);
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

}  // namespace
}  // namespace pixmint::editor::test

namespace pixmint::editor::test {
namespace {

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
