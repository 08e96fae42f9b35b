#pragma once

#include <QDialog>
#include <QImage>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "app/dialogs/recent_menu.h"
#include "formats/program_file.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace pixmint::document {
class TKvIcon;
}

namespace pixmint::app {

// Opens a group's bytes (an .ico or .cur file) in the editor.
using GroupOpener = std::function<bool(const std::vector<std::uint8_t>& file, bool cursor, const QString& name)>;

// What the extractor needs from the program that starts it.
struct ExtractRequest {
  QString editorProgram;   // for the default opener
  ProgramStarter starter;  // empty: QProcess::startDetached
  // The document "replace" puts into the program (its saved bytes); null
  // disables replacing.
  const document::TKvIcon* document = nullptr;
  // Empty: the group is written to a new temporary file that a new instance
  // of the editor opens.
  GroupOpener opener;
  QString programFile;  // opened at once when given
  // Called once a replacement is under way, before the document is read:
  // the editor puts down what floats there (opening the dialog does not).
  std::function<void()> settle;
};

// Icons and cursors in and out of Windows programs: lists every icon and
// cursor group of a program file with its largest image, saves a group as an
// .ico or .cur file, opens it in the editor, and writes a new program file
// whose group (every language of it) holds the current document.
class TfrmExtract : public QDialog {
  Q_OBJECT

 public:
  using OpenChooser = std::function<QString()>;
  using SaveChooser = std::function<QString(const QString& suggested, const QString& filter)>;

  TfrmExtract(QWidget* parent, ExtractRequest request);
  ~TfrmExtract() override;

  void SetOpenChooser(OpenChooser chooser) { openChooser_ = std::move(chooser); }
  void SetSaveChooser(SaveChooser chooser) { saveChooser_ = std::move(chooser); }

  // Reads a program file and lists its groups; false with the reason shown.
  bool OpenProgram(const QString& file);
  [[nodiscard]] const std::optional<formats::ProgramFile>& Program() const { return program_; }
  // The chosen group's file bytes, or nothing.
  [[nodiscard]] std::optional<std::vector<std::uint8_t>> SelectedGroupFile() const;
  [[nodiscard]] QString StatusText() const;

  bool SaveGroup();
  bool OpenGroup();
  bool ReplaceGroup();

 private:
  void FillGroups();
  [[nodiscard]] const formats::IconGroup* Selected() const;
  [[nodiscard]] QString SuggestedName(const formats::IconGroup& group) const;
  void UpdateEnabled();

  ExtractRequest request_;
  QString file_;
  std::optional<formats::ProgramFile> program_;
  OpenChooser openChooser_;
  SaveChooser saveChooser_;
  QLineEdit* edtProgram_ = nullptr;
  QListWidget* lvwGroups_ = nullptr;
  QLabel* lblStatus_ = nullptr;
  QPushButton* btnSaveGroup_ = nullptr;
  QPushButton* btnOpenGroup_ = nullptr;
  QPushButton* btnReplaceGroup_ = nullptr;
};

// The default opener: the group goes into a new file in the temporary folder
// (unique name, only the user may read it), and a new instance opens it.
[[nodiscard]] GroupOpener TemporaryFileOpener(QString editorProgram, ProgramStarter starter);

}  // namespace pixmint::app
