#include "app/svg/qt_svg_loader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

namespace pixmint::svg {
namespace {

// A declared size beyond this is taken as a bare aspect ratio.
constexpr int kMaxDeclaredSide = 4096;

class QtSvgPicture : public convert::SvgPicture {
 public:
  explicit QtSvgPicture(const QByteArray& bytes) : renderer_(bytes) {
    QSize size = renderer_.defaultSize();
    if (size.width() < 1 || size.height() < 1) size = renderer_.viewBoxF().size().toSize();
    width_ = std::clamp(size.width(), 1, kMaxDeclaredSide);
    height_ = std::clamp(size.height(), 1, kMaxDeclaredSide);
  }
  [[nodiscard]] bool Valid() const { return renderer_.isValid(); }
  [[nodiscard]] int Width() const override { return width_; }
  [[nodiscard]] int Height() const override { return height_; }

  [[nodiscard]] std::optional<convert::Rgba> Render(int width, int height) const override {
    if (width < 1 || height < 1) return std::nullopt;
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return std::nullopt;
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      renderer_.render(&painter, QRectF(0, 0, width, height));
    }
    const QImage straight = image.convertToFormat(QImage::Format_RGBA8888);
    convert::Rgba out{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 4)};
    for (int y = 0; y < height; ++y) {
      std::copy_n(straight.constScanLine(y), static_cast<std::size_t>(width) * 4,
                  out.pixels.data() + static_cast<std::size_t>(y) * width * 4);
    }
    return out;
  }

 private:
  // render() is not const in Qt; drawing does not change the picture.
  mutable QSvgRenderer renderer_;
  int width_ = 1;
  int height_ = 1;
};

}  // namespace

void QtSvgLoader::EnsureApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  // Qt keeps argc and argv for the life of the application.
  static int argc = 3;
  static char name[] = "pixmint-cli";
  static char option[] = "-platform";
  static char platform[] = "offscreen";
  static char* argv[] = {name, option, platform, nullptr};
  // Notes of the platform plug-in (no runtime folder and the like) are not
  // for the user of a command-line program.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  // Qt cannot make a second application after the first has gone, so this
  // one stays until the process ends.
  static const std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
}

texts::Result<std::unique_ptr<convert::SvgPicture>> QtSvgLoader::Load(std::span<const std::uint8_t> bytes) const {
  EnsureApplication();
  const QByteArray data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  auto picture = std::make_unique<QtSvgPicture>(data);
  if (!picture->Valid()) return texts::Failure{texts::Fail::kUnreadableSvg};
  return std::unique_ptr<convert::SvgPicture>(std::move(picture));
}

}  // namespace pixmint::svg
