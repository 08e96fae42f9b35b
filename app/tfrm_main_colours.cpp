// The colour panel: the two swatches, the three colour buttons and the
// palette box.
#include <QFrame>
#include <QMouseEvent>
#include <QToolButton>

#include "app/art.h"
#include "app/dialogs/qt_texts.h"
#include "app/panels.h"
#include "app/picture_image.h"
#include "app/tfrm_main.h"
#include "editor/workspace.h"

namespace pixmint::app {

QWidget* TfrmMain::BuildColourPanel() {
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel6"));
  panel->setFixedWidth(64);
  auto* foreFrame = new Swatch(QStringLiteral("panFrgrd"), T(texts::kHintFore), panel);
  foreFrame->setGeometry(6, 4, 24, 24);
  foreFrame->onClick = [this] { Ws().Run(editor::CommandId::kForeColour); };
  foreSwatch_ = new Swatch(QStringLiteral("PaintBox4"), T(texts::kHintFore), foreFrame);
  foreSwatch_->setGeometry(1, 1, 22, 22);
  foreSwatch_->onClick = [this] { Ws().Run(editor::CommandId::kForeColour); };
  backSwatch_ = new Swatch(QStringLiteral("panBkgrd"), T(texts::kHintBack), panel);
  backSwatch_->setGeometry(34, 4, 24, 24);
  backSwatch_->onClick = [this] { Ws().Run(editor::CommandId::kBackColour); };

  const std::pair<editor::CommandId, int> buttons[] = {{editor::CommandId::kDefaultColours, 5},
                                                       {editor::CommandId::kInvertColour, 24},
                                                       {editor::CommandId::kTransColour, 43}};
  for (const auto& [id, left] : buttons) {
    QToolButton* button = CommandButton(id, panel);
    button->setIconSize(QSize(14, 14));
    button->setGeometry(left, 30, 16, 16);
  }
  auto* line = new QFrame(panel);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(2, 49, 60, 2);

  paletteBox_ = new PaletteBox(panel);
  paletteBox_->setGeometry(2, 52, 60, 400);
  paletteBox_->setCursor(CursorFor(editor::CursorShape::kDropper));
  paletteBox_->onMove = [this](QPoint p) { Ws().PaletteBoxMouseMove(p.x(), p.y()); };
  paletteBox_->onRelease = [this](QPoint p, Qt::KeyboardModifiers modifiers) {
    Ws().PaletteBoxMouseUp(p.x(), p.y(),
                           (modifiers & Qt::AltModifier) != 0 ? tools::ShiftState::kAlt : tools::ShiftState::kNone);
  };
  paletteBox_->onResize = [this](QSize size) {
    Ws().SetPaletteBoxSize(size.width(), size.height(), FromQColor(palette().color(QPalette::Window)));
    RefreshColourPanel();
  };
  panel->installEventFilter(this);
  return panel;
}

// Transparency and the inverting pixel are shown by their buttons' pictures.
QPixmap TfrmMain::PaintGlyph(raster::Paint paint) {
  switch (paint.kind) {
    case raster::PaintKind::kTransparent:
      return ArtPixmap(QStringLiteral("clr_trans"));
    case raster::PaintKind::kInverting:
      return ArtPixmap(QStringLiteral("clr_invert"));
    case raster::PaintKind::kColour:
      break;
  }
  return {};
}

void TfrmMain::RefreshColourPanel() {
  if (foreSwatch_ == nullptr) return;
  const editor::EditorState& state = Ws().State();
  foreSwatch_->Show(ToQColor(state.ForeColor.colour), PaintGlyph(state.ForeColor));
  backSwatch_->Show(ToQColor(state.BackColor.colour), PaintGlyph(state.BackColor));
  paletteBox_->Show(PictureToImage(Ws().PaletteBox()));
}

}  // namespace pixmint::app
