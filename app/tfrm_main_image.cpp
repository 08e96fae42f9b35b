// The Image menu and the image panel: preview, count, the four buttons, the
// owner-drawn list with its drag exchange and its pop-up menu.
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/art.h"
#include "app/dialogs/qt_texts.h"
#include "app/icon_drawing.h"
#include "app/panels.h"
#include "app/tfrm_main.h"
#include "document/kv_icon.h"
#include "editor/workspace.h"

namespace pixmint::app {
namespace {

// The four buttons under the preview, in order.
constexpr editor::CommandId kImageButtons[] = {editor::CommandId::kAddImage, editor::CommandId::kDeleteImage,
                                               editor::CommandId::kChangeFormat, editor::CommandId::kDuplicateImage};

}  // namespace

// The design's 128 pixels, or more when an entry's texts (the largest size
// and depth) would not fit beside the thumbnail and the scroll bar.
int TfrmMain::ImagePanelWidth() const {
  const QFontMetrics metrics(font());
  const int text = std::max(metrics.horizontalAdvance(QStringLiteral("1024 x 1024")),
                            metrics.horizontalAdvance(T(texts::kImageDepth).arg(32)));
  const int needed =
      4 + 2 + kImageEntryThumbColumn + text + 4 + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 + 4;
  return std::max(128, needed);
}

QWidget* TfrmMain::BuildImagePanel() {
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("Panel5"));
  panel->setFixedWidth(ImagePanelWidth());
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(4, 2, 4, 4);
  column->setSpacing(2);
  auto* label = new QLabel(T(texts::kPreviewLabel), panel);
  label->setObjectName(QStringLiteral("Label2"));
  column->addWidget(label);
  auto* bevel = new QFrame(panel);
  bevel->setObjectName(QStringLiteral("Bevel2"));
  bevel->setFrameShape(QFrame::Box);
  bevel->setFrameShadow(QFrame::Sunken);
  bevel->setFixedSize(116, 60);
  preview_ = new PreviewBox(bevel);
  preview_->setGeometry(2, 2, 112, 56);
  preview_->painter = [this](QPainter& painter, QSize size) {
    const document::TKvIcon* icon = Ws().Document();
    const int i = Ws().State().CurrentImage;
    const int half = size.width() / 2;
    const QColor window = palette().color(QPalette::Window);
    const QColor desktop(0x3A, 0x6E, 0xA5);
    painter.fillRect(0, 0, half, size.height(), window);
    painter.fillRect(half, 0, size.width() - half, size.height(), desktop);
    if (icon == nullptr || i < 0) return;
    const QImage overWindow = IconOverBackground(*icon, i, window, 48, 48);
    const QImage overDesktop = IconOverBackground(*icon, i, desktop, 48, 48);
    if (overWindow.isNull()) return;
    const QPoint at((56 - overWindow.width()) / 2, (56 - overWindow.height()) / 2);
    painter.drawImage(at, overWindow);
    painter.drawImage(at + QPoint(56, 0), overDesktop);
  };
  column->addWidget(bevel);
  imageCount_ = new QLabel(T(texts::kImageCountInitial), panel);
  imageCount_->setObjectName(QStringLiteral("labImageCount"));
  column->addWidget(imageCount_);

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(1);
  for (const editor::CommandId id : kImageButtons) {
    QToolButton* button = CommandButton(id, panel);
    button->setFixedSize(23, 22);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  column->addLayout(buttons);

  imageList_ = new ImageListBox(panel);
  auto source = [this](int row) -> std::optional<ImageEntry> {
    const document::TKvIcon* icon = Ws().Document();
    if (icon == nullptr || row < 0 || static_cast<std::uint32_t>(row) >= icon->ImageCount()) return std::nullopt;
    const document::ImageSurface* colour = icon->XorBitmap(static_cast<std::uint32_t>(row));
    if (colour == nullptr) return std::nullopt;
    ImageEntry entry;
    entry.width = colour->Width();
    entry.height = colour->Height();
    entry.colours = static_cast<int>(icon->Colors(static_cast<std::uint32_t>(row)));
    entry.drawThumbnail = [icon, row](QPainter& painter, QPoint at, QColor under) {
      painter.drawImage(at, IconOverBackground(*icon, row, under, 48, 48));
    };
    return entry;
  };
  imageList_->setItemDelegate(new ImageEntryDelegate(source, imageList_));
  imageList_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(imageList_, &QWidget::customContextMenuRequested, this,
          [this](QPoint at) { imageMenu_->popup(imageList_->viewport()->mapToGlobal(at)); });
  connect(imageList_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshingPalette_ && row >= 0 && row != Ws().State().CurrentImage) Ws().SelectImage(row);
  });
  imageList_->onPress = [this](int entry) { Ws().ImageListMouseDown(entry); };
  imageList_->onRelease = [this](int entry) { Ws().ImageListMouseUp(entry); };
  column->addWidget(imageList_, 1);
  return panel;
}

void TfrmMain::RefreshImagePanel() {
  const editor::EditorState& state = Ws().State();
  refreshingPalette_ = true;
  if (imageList_->count() != state.ImageEntries) {
    imageList_->clear();
    for (int i = 0; i < state.ImageEntries; ++i) imageList_->addItem(QString::number(i));
  }
  if (state.CurrentImage >= 0 && state.CurrentImage < imageList_->count()) {
    imageList_->setCurrentRow(state.CurrentImage);
  }
  // Sizes and depths may have changed without the count changing.
  imageList_->doItemsLayout();
  imageList_->viewport()->update();
  refreshingPalette_ = false;
  if (state.ImageEntries > 0) {
    imageCount_->setText(T(texts::kImageCount).arg(state.ImageEntries));
  }
  preview_->update();
}

}  // namespace pixmint::app
