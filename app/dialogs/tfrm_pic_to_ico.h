#pragma once

#include <QDialog>
#include <QImage>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "app/dialogs/recent_menu.h"
#include "convert/icon_builder.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace pixmint::app {

// What the converter needs from the program that starts it.
struct PicToIcoRequest {
  QString editorProgram;   // started with the written file by "open in the editor"
  ProgramStarter starter;  // empty: QProcess::startDetached
  // Empty: Qt's SVG module when the program has it, else no SVG pictures.
  const convert::SvgLoader* svg = nullptr;
};

// Makes an icon or cursor from pictures: the masters, the sizes and depths
// to make, the mask threshold, dithering and a cursor's hot spot are chosen
// here; every resulting image shows enlarged side by side before the file is
// written. "Open in the editor" starts a new instance on the written file.
class TfrmPicToIco : public QDialog {
  Q_OBJECT

 public:
  using OpenChooser = std::function<QStringList()>;
  using SaveChooser = std::function<QString(const QString& suggested, bool cursor)>;

  TfrmPicToIco(QWidget* parent, PicToIcoRequest request);
  ~TfrmPicToIco() override;

  void SetOpenChooser(OpenChooser chooser) { openChooser_ = std::move(chooser); }
  void SetSaveChooser(SaveChooser chooser) { saveChooser_ = std::move(chooser); }

  // Adds pictures as masters; false (with the reason shown) when one does
  // not read. The result is made again.
  bool AddMasters(const QStringList& files);
  // The options the controls show.
  [[nodiscard]] convert::ConvertOptions Options() const;
  // The icon made from the masters and options, or nothing with the reason
  // in the status line.
  [[nodiscard]] const document::TKvIcon* Result() const { return result_.get(); }
  [[nodiscard]] const std::vector<QImage>& PreviewImages() const { return previews_; }
  [[nodiscard]] QString StatusText() const;
  [[nodiscard]] const QString& SavedFile() const { return saved_; }

  // Makes the result again from the controls.
  void Refresh();
  // Writes the result where the save chooser says; true when written.
  bool SaveResult();
  // Starts the editor on the written file; false when none was written.
  bool OpenInEditor();

 private:
  QWidget* BuildMasters();
  QWidget* BuildOptions();
  QWidget* BuildPreview();
  QWidget* BuildButtons();
  void RemoveMaster();
  void UpdateEnabled();

  PicToIcoRequest request_;
  std::unique_ptr<convert::SvgLoader> ownSvg_;
  std::vector<convert::Master> masters_;
  std::unique_ptr<document::TKvIcon> result_;
  std::vector<QImage> previews_;
  QString saved_;
  OpenChooser openChooser_;
  SaveChooser saveChooser_;

  QListWidget* lbxMasters_ = nullptr;
  QRadioButton* rdoIcon_ = nullptr;
  QRadioButton* rdoCursor_ = nullptr;
  std::vector<std::pair<int, QCheckBox*>> sizeBoxes_;
  QLineEdit* edtMoreSizes_ = nullptr;
  std::vector<std::pair<int, QCheckBox*>> depthBoxes_;
  QSpinBox* updThreshold_ = nullptr;
  QCheckBox* chkDither_ = nullptr;
  QSpinBox* updHotX_ = nullptr;
  QSpinBox* updHotY_ = nullptr;
  QLabel* lblPreview_ = nullptr;
  QLabel* lblStatus_ = nullptr;
  QPushButton* btnSave_ = nullptr;
  QPushButton* btnOpenInEditor_ = nullptr;
};

}  // namespace pixmint::app
