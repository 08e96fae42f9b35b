#include "app/dialogs/icon_preview.h"

#include <QPainter>
#include <algorithm>

#include "app/dialogs/cursor_image.h"
#include "app/dialogs/qt_texts.h"
#include "document/kv_icon.h"

namespace pixmint::app {
namespace {

constexpr int kPreviewSide = 96;
constexpr int kGap = 12;
constexpr int kCaptionHeight = 20;
constexpr int kChecker = 8;

void PaintChecker(QPainter& painter, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); y += kChecker) {
    for (int x = area.left(); x <= area.right(); x += kChecker) {
      const bool dark = ((x - area.left()) / kChecker + (y - area.top()) / kChecker) % 2 != 0;
      painter.fillRect(QRect(x, y, kChecker, kChecker).intersected(area), dark ? QColor(204, 204, 204) : Qt::white);
    }
  }
}

}  // namespace

int PreviewZoom(int side) {
  return side <= 0 ? 1 : std::max(1, kPreviewSide / side);
}

QImage PreviewImage(const document::TKvIcon& icon, int i, int zoom) {
  const auto image = CursorImageOf(icon, i);
  if (!image) return {};
  const QSize size = image->image.size() * zoom;
  QImage out(size, QImage::Format_ARGB32);
  QPainter painter(&out);
  PaintChecker(painter, out.rect());
  // Nearest pixel, so that every pixel shows as a square.
  painter.drawImage(out.rect(), image->image);
  return out;
}

QString ImageCaption(const document::TKvIcon& icon, int i) {
  const auto* colour = icon.XorBitmap(static_cast<std::uint32_t>(i));
  if (colour == nullptr) return {};
  return T(texts::kPreviewCaption)
      .arg(colour->Width())
      .arg(colour->Height())
      .arg(icon.Colors(static_cast<std::uint32_t>(i)));
}

QImage PreviewStrip(const document::TKvIcon& icon, std::vector<QImage>* images) {
  std::vector<QImage> enlarged;
  int width = kGap, height = 0;
  for (std::uint32_t i = 0; i < icon.ImageCount(); ++i) {
    const auto* colour = icon.XorBitmap(i);
    if (colour == nullptr) continue;
    enlarged.push_back(
        PreviewImage(icon, static_cast<int>(i), PreviewZoom(std::max(colour->Width(), colour->Height()))));
    width += std::max(enlarged.back().width(), kPreviewSide) + kGap;
    height = std::max(height, enlarged.back().height());
  }
  QImage strip(std::max(width, 1), height + kCaptionHeight + 2 * kGap, QImage::Format_ARGB32);
  strip.fill(Qt::white);
  QPainter painter(&strip);
  int x = kGap;
  for (std::size_t k = 0; k < enlarged.size(); ++k) {
    const int slot = std::max(enlarged[k].width(), kPreviewSide);
    painter.drawImage(x + (slot - enlarged[k].width()) / 2, kGap, enlarged[k]);
    painter.drawText(QRect(x, kGap + height + 2, slot, kCaptionHeight), Qt::AlignCenter,
                     ImageCaption(icon, static_cast<int>(k)));
    x += slot + kGap;
  }
  if (images != nullptr) *images = std::move(enlarged);
  return strip;
}

int LargestImage(const document::TKvIcon& icon) {
  int best = -1;
  for (std::uint32_t i = 0; i < icon.ImageCount(); ++i) {
    const auto* c = icon.XorBitmap(i);
    if (c == nullptr) continue;
    const auto* b = best < 0 ? nullptr : icon.XorBitmap(static_cast<std::uint32_t>(best));
    if (b == nullptr || c->Width() * c->Height() > b->Width() * b->Height() ||
        (c->Width() * c->Height() == b->Width() * b->Height() && icon.Colors(i) > icon.Colors(best))) {
      best = static_cast<int>(i);
    }
  }
  return best;
}

}  // namespace pixmint::app
