#pragma once

#include <QDialog>

#include "editor/editor_host.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace pixmint {
class Settings;
}

namespace pixmint::app {

// The new-image dialog: size and colour depth of a new or converted image.
// It opens on the stored defaults and can store the current choice as the
// new default.
class TfrmNew : public QDialog {
  Q_OBJECT

 public:
  TfrmNew(Settings& settings, QWidget* parent);

  // The choice, valid after OK.
  [[nodiscard]] editor::ImageFormat Format() const { return format_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void BuildSizeGroup();
  void BuildColourGroup();
  void LoadDefaults();
  void CustomToggled(bool checked);
  void WidthEdited();
  void HeightEdited();
  void Accept();
  void StoreDefaults();
  [[nodiscard]] int CheckedDepth() const;

  Settings& settings_;
  editor::ImageFormat format_{32, 32, 8};
  QRadioButton* sizes_[4] = {};
  QRadioButton* custom_ = nullptr;
  QGroupBox* customGroup_ = nullptr;
  QLabel* widthLabel_ = nullptr;
  QLabel* heightLabel_ = nullptr;
  QSpinBox* width_ = nullptr;
  QSpinBox* height_ = nullptr;
  QCheckBox* quadrate_ = nullptr;
  QRadioButton* depths_[6] = {};
};

}  // namespace pixmint::app
