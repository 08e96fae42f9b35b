#include "app/dialogs/tfrm_config.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <array>

#include "app/dialogs/dialog_buttons.h"
#include "app/dialogs/number_box.h"
#include "app/dialogs/qt_texts.h"
#include "settings/settings.h"

namespace pixmint::app {

namespace {

constexpr std::array<int, 6> kBppOfIndex = {1, 4, 8, 16, 24, 32};
constexpr int kDefaultBppIndex = 2;

QColor ToQColor(raster::Colour c) {
  return {raster::Red(c), raster::Green(c), raster::Blue(c)};
}

template <typename W>
W* Place(QWidget* parent, const char* name, int x, int y, W* widget) {
  widget->setParent(parent);
  widget->setObjectName(QString::fromLatin1(name));
  widget->move(x, y);
  return widget;
}

QLabel* Label(QWidget* parent, const char* name, const char* text, int x, int y) {
  auto* label = Place(parent, name, x, y, new QLabel(T(text)));
  label->adjustSize();
  return label;
}

void ShowColour(QLabel* swatch, raster::Colour c) {
  swatch->setAutoFillBackground(true);
  QPalette palette = swatch->palette();
  palette.setColor(QPalette::Window, ToQColor(c));
  swatch->setPalette(palette);
}

}  // namespace

int BppIndex(int bpp) {
  for (std::size_t i = 0; i < kBppOfIndex.size(); ++i) {
    if (kBppOfIndex[i] == bpp) return static_cast<int>(i);
  }
  return kDefaultBppIndex;
}

int BppOfIndex(int index) {
  if (index < 0 || index >= static_cast<int>(kBppOfIndex.size())) return 8;
  return kBppOfIndex[index];
}

TfrmConfig::TfrmConfig(QWidget* parent, const ConfigValues& values, Settings& settings)
    : QDialog(parent), settings_(settings), trans_(values.trans), invert_(values.invert) {
  setObjectName(QStringLiteral("TfrmConfig"));
  setWindowTitle(T(texts::kConfigCaption));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  // A row for the language under the four values, the buttons below it.
  setFixedSize(409, 247);
  BuildColourRows();
  BuildDefaultsRows(values);
  BuildLanguageRow(values.language);
  BuildButtons();
  chooser_ = [this](raster::Colour initial) -> std::optional<raster::Colour> {
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), this);
    if (!chosen.isValid()) return std::nullopt;
    return raster::Rgb(chosen.red(), chosen.green(), chosen.blue());
  };
  message_ = [](QWidget* owner, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, T(texts::kAppTitle), text, QMessageBox::NoButton, owner);
    box.addButton(T(texts::kOk), QMessageBox::AcceptRole);
    box.exec();
  };
}

void TfrmConfig::BuildColourRows() {
  auto* bevel1 = Place(this, "Bevel1", 8, 8, new QFrame);
  bevel1->setFrameShape(QFrame::Box);
  bevel1->setFrameShadow(QFrame::Sunken);
  bevel1->resize(393, 73);
  Label(this, "Label1", texts::kConfigTrans, 16, 20);
  labTransClr_ = Label(this, "labTransClr", texts::kConfigSwatch, 85, 20);
  ShowColour(labTransClr_, trans_);
  auto* btnTrans = Place(this, "btnCfgTrans", 176, 16, new QPushButton(T(texts::kConfigCustom)));
  connect(btnTrans, &QPushButton::clicked, this, [this] { ChooseColour(trans_, labTransClr_); });

  Label(this, "Label3", texts::kConfigInvert, 16, 52);
  labInvertClr_ = Label(this, "labInvertClr", texts::kConfigSwatch, 84, 52);
  ShowColour(labInvertClr_, invert_);
  auto* btnInvert = Place(this, "btnCfgInvert", 176, 48, new QPushButton(T(texts::kConfigCustom)));
  connect(btnInvert, &QPushButton::clicked, this, [this] { ChooseColour(invert_, labInvertClr_); });
}

void TfrmConfig::BuildDefaultsRows(const ConfigValues& values) {
  auto* bevel2 = Place(this, "Bevel2", 8, 88, new QFrame);
  bevel2->setFrameShape(QFrame::Box);
  bevel2->setFrameShadow(QFrame::Sunken);
  bevel2->resize(393, 81);
  Label(this, "Label5", texts::kConfigSize, 16, 102);
  updSize_ = Place(this, "updSize", 136, 100, new NumberBox);
  updSize_->setRange(8, 96);
  updSize_->setValue(values.newImageSize);
  Label(this, "Label6", texts::kConfigBpp, 16, 130);
  cmbBpp_ = Place(this, "cmbBpp", 136, 128, new QComboBox);
  for (const char* item : texts::kConfigBppItems) cmbBpp_->addItem(T(item));
  cmbBpp_->setCurrentIndex(BppIndex(values.newImageBpp));
}

void TfrmConfig::BuildLanguageRow(texts::Language language) {
  auto* bevel3 = Place(this, "Bevel3", 8, 176, new QFrame);
  bevel3->setFrameShape(QFrame::Box);
  bevel3->setFrameShadow(QFrame::Sunken);
  bevel3->resize(393, 33);
  Label(this, "Label7", texts::kConfigLanguage, 16, 186);
  cmbLanguage_ = Place(this, "cmbLanguage", 136, 182, new QComboBox);
  // Each language under its own name, so that a reader of either finds it.
  for (const texts::Language item : texts::kLanguages) {
    cmbLanguage_->addItem(QString::fromUtf8(texts::LanguageName(item)), static_cast<int>(item));
    if (item == language) cmbLanguage_->setCurrentIndex(cmbLanguage_->count() - 1);
  }
  cmbLanguage_->adjustSize();
}

void TfrmConfig::BuildButtons() {
  auto* btnDefault = Place(this, "btnDefault", 8, 216, new QPushButton(T(texts::kConfigDefault)));
  auto* btnSave = Place(this, "btnSave", 240, 216, new QPushButton(T(texts::kConfigSave)));
  auto* btnCancel = Place(this, "btnCancel", 326, 216, new QPushButton(T(texts::kConfigCancel)));
  for (auto* button : {btnDefault, btnSave, btnCancel}) button->resize(75, 25);
  connect(btnDefault, &QPushButton::clicked, this, &TfrmConfig::btnDefaultClick);
  connect(btnSave, &QPushButton::clicked, this, &TfrmConfig::btnSaveClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  SetMainButton(this, btnSave);
}

void TfrmConfig::ChooseColour(raster::Colour& colour, QLabel* swatch) {
  // The chooser opens with what it last returned here, not with the swatch.
  const auto chosen = chooser_ ? chooser_(lastChosen_) : std::nullopt;
  if (!chosen) return;
  lastChosen_ = *chosen;
  colour = *chosen;
  ShowColour(swatch, colour);
}

void TfrmConfig::btnSaveClick() {
  updSize_->interpretText();
  settings_.RegWriteInt("ColorTrans", static_cast<int>(trans_ & 0xFFFFFF));
  settings_.RegWriteInt("ColorInvert", static_cast<int>(invert_ & 0xFFFFFF));
  settings_.RegWriteInt("DefaultIconSize", updSize_->value());
  settings_.RegWriteInt("DefaultIconBpp", BppOfIndex(cmbBpp_->currentIndex()));
  const auto language = static_cast<texts::Language>(cmbLanguage_->currentData().toInt());
  settings_.WriteString(texts::kLanguageSetting, texts::LanguageCode(language));
  if (message_) message_(this, T(texts::kConfigSaved));
  done(Saved);
}

// The language stays as chosen: going back to the factory colours should not
// switch a reader of English back to Chinese.
void TfrmConfig::btnDefaultClick() {
  settings_.RegWriteInt("ColorTrans", static_cast<int>(raster::Rgb(234, 234, 234)));
  settings_.RegWriteInt("ColorInvert", static_cast<int>(raster::Rgb(218, 109, 109)));
  settings_.RegWriteInt("DefaultIconSize", 48);
  settings_.RegWriteInt("DefaultIconBpp", 8);
  if (message_) message_(this, T(texts::kConfigDefaulted));
  done(Defaulted);
}

TfrmConfig::Result RunConfigDialog(QWidget* parent, const ConfigValues& values, Settings& settings) {
  TfrmConfig dialog(parent, values, settings);
  return static_cast<TfrmConfig::Result>(dialog.exec());
}

}  // namespace pixmint::app
