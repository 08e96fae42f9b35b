#pragma once

#include <QDialog>
#include <QFont>
#include <functional>
#include <optional>

#include "raster/colour.h"
#include "raster/picture.h"

class QLineEdit;

namespace pixmint::app {

// The text tool's font: face, size and style, and the colour of the text.
struct TextFont {
  QFont font;
  raster::Colour colour = 0;
};

// The face the font chooser starts from, 12 pixels high; when it is not
// installed, the first CJK face that is, so that Chinese text still shows.
[[nodiscard]] QFont DesignTextFont();

// The text as a picture of its measured size: each pixel the text's colour
// where a glyph covers it, ColorTrans elsewhere. Drawn without smoothing so
// that no half-covered edge pixel turns opaque when the text is merged.
[[nodiscard]] raster::Picture RenderText(const QString& text, const TextFont& font);

// The text tool's dialog: one line of text, a font, a centred preview.
class TfrmText : public QDialog {
  Q_OBJECT

 public:
  // Answers the chosen font, or nothing when the user cancelled.
  using FontChooser = std::function<std::optional<QFont>(QWidget* parent, const QFont& initial)>;

  // `colour` is the colour of the main window's text font.
  TfrmText(QWidget* parent, raster::Colour colour);

  void SetFontChooser(FontChooser chooser) { chooser_ = std::move(chooser); }
  [[nodiscard]] QString Text() const;
  [[nodiscard]] TextFont ChosenFont() const { return {font_, colour_}; }
  // Where the preview draws the text, in the preview box's pixels.
  [[nodiscard]] QRect PreviewTextRect() const;

  void PaintPreview(QWidget& box);

 private:
  void btnFontClick();

  QFont font_;
  raster::Colour colour_;
  QLineEdit* edit1_ = nullptr;
  QWidget* paintBox1_ = nullptr;
  FontChooser chooser_;
};

// The text tool's call: on OK writes textFont (face, size, style; the colour
// stays) and textString and answers true; on Cancel writes nothing.
bool RunTextDialog(QWidget* parent, TextFont& textFont, QString& textString);

}  // namespace pixmint::app
