#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

#include "doctor/doctor.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTreeWidget;

namespace pixmint::document {
class TKvIcon;
}

namespace pixmint::app {

// What the check dialog works on, through the main window.
struct CheckRequest {
  // The document as it would be saved, examined; and the document whose
  // images the picks name (an animated cursor's first frame).
  std::function<std::optional<doctor::Examination>()> examine;
  std::function<std::shared_ptr<const document::TKvIcon>()> pickedDocument;
  // The document the fix would change; null when it cannot be fixed here.
  std::function<const document::TKvIcon*()> fixable;
  // Shows image i in the editor.
  std::function<void(int)> selectImage;
  // Runs the fix as one undoable step; false when it changed nothing.
  std::function<bool()> fix;
};

// "检查": what is wrong with the document (choosing a finding selects its
// image), the image each program shows drawn at the size it is shown, and
// the fix that changes no existing image.
class TfrmCheck : public QDialog {
  Q_OBJECT

 public:
  TfrmCheck(QWidget* parent, CheckRequest request);

  void Refresh();

 private:
  void FillFindings(const doctor::Examination& exam);
  void FillPicks(const doctor::Examination& exam);
  void btnFixClick();

  CheckRequest request_;
  QTreeWidget* findings_ = nullptr;
  QTableWidget* picks_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* fixButton_ = nullptr;
};

}  // namespace pixmint::app
