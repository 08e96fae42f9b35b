// The converter dialog driven through its controls, offscreen.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "app/dialogs/tfrm_pic_to_ico.h"
#include "document/file_io.h"
#include "document/png_codec.h"
#include "support/pixel_grid.h"
#include "support/qt_children.h"

namespace pixmint::app {
namespace {

// A w x w picture: a colour ramp with a transparent top-left corner.
QString WritePicture(const test::TempDir& dir, const std::string& name, int w) {
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(w) * w * 4);
  for (int y = 0; y < w; ++y) {
    for (int x = 0; x < w; ++x) {
      std::uint8_t* p = &pixels[(static_cast<std::size_t>(y) * w + x) * 4];
      p[0] = static_cast<std::uint8_t>(x * 255 / w), p[1] = static_cast<std::uint8_t>(y * 255 / w), p[2] = 99;
      p[3] = x + y < w / 4 ? 0 : 255;
    }
  }
  const auto path = dir / name;
  EXPECT_TRUE(document::WriteFileAtomically(path, *document::EncodePng32(w, w, pixels, document::ChannelOrder::kRgba)));
  return QString::fromStdString(path.string());
}

struct ConverterFixture {
  ConverterFixture() : dialog(nullptr, Request()) {
    dialog.SetSaveChooser([this](const QString& suggested, bool cursor) {
      suggestions << suggested + (cursor ? "|cursor" : "|icon");
      return saveAs;
    });
  }
  PicToIcoRequest Request() {
    return {QStringLiteral("/opt/pixmint/pixmint"), [this](const QString& program, const QStringList& args) {
              started << program + " " + args.join(' ');
              return true;
            }};
  }
  test::TempDir dir;
  QStringList started, suggestions;
  QString saveAs;
  TfrmPicToIco dialog;
};

// Every result shows enlarged; a hand-drawn 16 x 16 shows its own pixels.
TEST(TfrmPicToIco, PreviewsEveryResultEnlargedSideBySide) {
  ConverterFixture f;
  EXPECT_FALSE(test::Find<QPushButton>(f.dialog, "btnSave")->isEnabled());
  const QString big = WritePicture(f.dir, "big.png", 96);
  const QString hand = WritePicture(f.dir, "hand.png", 16);
  ASSERT_TRUE(f.dialog.AddMasters({big, hand}));
  EXPECT_EQ(test::Find<QListWidget>(f.dialog, "lbxMasters")->count(), 2);
  ASSERT_NE(f.dialog.Result(), nullptr) << f.dialog.StatusText().toStdString();
  EXPECT_EQ(f.dialog.Result()->ImageCount(), 8u);
  ASSERT_EQ(f.dialog.PreviewImages().size(), 8u);
  const QImage& first = f.dialog.PreviewImages()[0];
  ASSERT_EQ(first.width(), 16 * 6);
  for (const QPoint p : {QPoint(10, 10), QPoint(3, 12)}) {
    const QRgb got = first.pixel(p.x() * 6 + 2, p.y() * 6 + 2);
    EXPECT_EQ(qRed(got), p.x() * 255 / 16);
    EXPECT_EQ(qGreen(got), p.y() * 255 / 16);
  }
  EXPECT_FALSE(test::Find<QLabel>(f.dialog, "lblPreview")->pixmap().isNull());
  // The 256 image is made from the 96 master by enlarging it, and says so.
  EXPECT_TRUE(f.dialog.StatusText().contains(QStringLiteral("256 x 256"))) << f.dialog.StatusText().toStdString();

  test::Click(f.dialog, "chkSize256");
  test::Click(f.dialog, "chkDepth4");
  EXPECT_EQ(f.dialog.Result()->ImageCount(), 14u);
  EXPECT_EQ(f.dialog.Result()->Colors(13), 4u);
  auto* more = test::Find<QLineEdit>(f.dialog, "edtMoreSizes");
  more->setText(QStringLiteral("96, 300"));
  emit more->editingFinished();
  EXPECT_EQ(f.dialog.Result(), nullptr);
  EXPECT_EQ(f.dialog.StatusText().toStdString(), texts::Message({texts::Fail::kSizeOutOfRange, {"300", "256"}}));
  EXPECT_FALSE(test::Find<QPushButton>(f.dialog, "btnSave")->isEnabled());

  // An unreadable picture is named; removing the masters leaves no result.
  const auto bad = f.dir / "notes.png";
  ASSERT_TRUE(document::WriteFileAtomically(bad, std::vector<std::uint8_t>{'h', 'i'}));
  EXPECT_FALSE(f.dialog.AddMasters({QString::fromStdString(bad.string())}));
  EXPECT_EQ(f.dialog.StatusText().toStdString(), "notes.png: " + texts::Message({texts::Fail::kNotAPicture}));
  for (int i = 0; i < 2; ++i) {
    test::Find<QListWidget>(f.dialog, "lbxMasters")->setCurrentRow(0);
    test::Click(f.dialog, "btnRemoveMaster");
  }
  EXPECT_EQ(test::Find<QListWidget>(f.dialog, "lbxMasters")->count(), 0);
}

TEST(TfrmPicToIco, CursorHotSpotSaveAndOpenInANewInstance) {
  ConverterFixture f;
  ASSERT_TRUE(f.dialog.AddMasters({WritePicture(f.dir, "arrow.png", 64)}));
  test::Click(f.dialog, "rdoCursor");
  auto* x = test::Find<QSpinBox>(f.dialog, "updHotX");
  EXPECT_TRUE(x->isEnabled());
  EXPECT_EQ(x->maximum(), 63);
  x->setValue(32);
  test::Find<QSpinBox>(f.dialog, "updHotY")->setValue(63);
  ASSERT_NE(f.dialog.Result(), nullptr);
  EXPECT_FALSE(f.dialog.Result()->IsIcon());
  EXPECT_EQ(f.dialog.Result()->GetHotSpot(0), (raster::Point{8, 15}));
  EXPECT_EQ(f.dialog.Result()->GetHotSpot(7), (raster::Point{130, 254}));

  EXPECT_FALSE(f.dialog.OpenInEditor()) << "nothing written yet";
  f.saveAs = QString::fromStdString((f.dir / "made").string());
  test::Click(f.dialog, "btnSave");
  EXPECT_EQ(f.suggestions, QStringList{QStringLiteral("arrow.cur|cursor")});
  const QString written = f.saveAs + QStringLiteral(".cur");
  EXPECT_EQ(f.dialog.SavedFile(), written);
  document::TKvIcon back;
  ASSERT_TRUE(back.LoadFromFile(written.toStdString()));
  EXPECT_EQ(back.ImageCount(), 8u);
  EXPECT_EQ(back.GetHotSpot(3), (raster::Point{16, 31}));
  ASSERT_TRUE(test::Find<QPushButton>(f.dialog, "btnOpenInEditor")->isEnabled());
  test::Click(f.dialog, "btnOpenInEditor");
  EXPECT_EQ(f.started, QStringList{QStringLiteral("/opt/pixmint/pixmint ") + written});
  // A change makes a new result that has not been written.
  test::Click(f.dialog, "chkDither");
  EXPECT_FALSE(test::Find<QPushButton>(f.dialog, "btnOpenInEditor")->isEnabled());
}

}  // namespace
}  // namespace pixmint::app
