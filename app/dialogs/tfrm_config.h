#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "raster/colour.h"
#include "texts/language.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace pixmint {
class Settings;
}

namespace pixmint::app {

// What the settings dialog starts from: the running program's values.
struct ConfigValues {
  raster::Colour trans = raster::Rgb(234, 234, 234);
  raster::Colour invert = raster::Rgb(218, 109, 109);
  int newImageSize = 48;
  int newImageBpp = 8;
  texts::Language language = texts::kDefaultLanguage;
};

// The settings dialog. It writes the four values and the language to the
// settings only; the running program keeps what it read at start-up.
class TfrmConfig : public QDialog {
  Q_OBJECT

 public:
  enum Result { Cancelled = QDialog::Rejected, Saved = QDialog::Accepted, Defaulted };

  // The colour chooser gets the colour it last returned and answers the
  // chosen colour or nothing; the message box shows one text.
  using ColourChooser = std::function<std::optional<raster::Colour>(raster::Colour initial)>;
  using MessageBox = std::function<void(QWidget* parent, const QString& text)>;

  TfrmConfig(QWidget* parent, const ConfigValues& values, Settings& settings);

  void SetColourChooser(ColourChooser chooser) { chooser_ = std::move(chooser); }
  void SetMessageBox(MessageBox box) { message_ = std::move(box); }

  [[nodiscard]] raster::Colour TransColour() const { return trans_; }
  [[nodiscard]] raster::Colour InvertColour() const { return invert_; }

 private:
  void BuildColourRows();
  void BuildDefaultsRows(const ConfigValues& values);
  void BuildLanguageRow(texts::Language language);
  void BuildButtons();
  void ChooseColour(raster::Colour& colour, QLabel* swatch);
  void btnSaveClick();
  void btnDefaultClick();

  Settings& settings_;
  raster::Colour trans_;
  raster::Colour invert_;
  raster::Colour lastChosen_ = 0;
  QLabel* labTransClr_ = nullptr;
  QLabel* labInvertClr_ = nullptr;
  QSpinBox* updSize_ = nullptr;
  QComboBox* cmbBpp_ = nullptr;
  QComboBox* cmbLanguage_ = nullptr;
  ColourChooser chooser_;
  MessageBox message_;
};

// The depth list's index for a depth; 2 (8 bits) for a depth it does not list.
[[nodiscard]] int BppIndex(int bpp);
[[nodiscard]] int BppOfIndex(int index);

// Runs the dialog modally with the platform's colour chooser and message box.
TfrmConfig::Result RunConfigDialog(QWidget* parent, const ConfigValues& values, Settings& settings);

}  // namespace pixmint::app
