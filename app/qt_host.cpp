#include "app/qt_host.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

#include "app/dialogs/qt_texts.h"
#include "app/dialogs/tfrm_animation.h"
#include "app/dialogs/tfrm_extract.h"
#include "app/dialogs/tfrm_paste.h"
#include "app/dialogs/tfrm_sizes.h"
#include "app/picture_image.h"
#include "app/qt_settings.h"
#include "app/tfrm_main.h"
#include "app/tfrm_new.h"
#include "editor/workspace.h"

namespace pixmint::app {
namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::Icon IconOf(editor::MessageIcon icon) {
  switch (icon) {
    case editor::MessageIcon::kError:
      return QMessageBox::Critical;
    case editor::MessageIcon::kQuestion:
      return QMessageBox::Question;
    case editor::MessageIcon::kInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

QtHost::QtHost(TfrmMain& window, QtSettings& settings) : window_(window), settings_(settings) {
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (workspace_ != nullptr) workspace_->TimerTick();
  });
}

editor::MessageAnswer QtHost::ShowMessage(const editor::MessageBox& box) {
  QMessageBox message(IconOf(box.icon), Q(box.caption), Q(box.text), QMessageBox::NoButton, &window_);
  if (box.buttons == editor::MessageButtons::kOk) {
    message.addButton(T(texts::kOk), QMessageBox::AcceptRole);
    message.exec();
    return editor::MessageAnswer::kOk;
  }
  QPushButton* yes = message.addButton(T(texts::kYes), QMessageBox::YesRole);
  QPushButton* no = message.addButton(T(texts::kNo), QMessageBox::NoRole);
  QPushButton* cancel = message.addButton(T(texts::kCancel), QMessageBox::RejectRole);
  message.setEscapeButton(cancel);
  message.setDefaultButton(yes);
  message.exec();
  if (message.clickedButton() == yes) return editor::MessageAnswer::kYes;
  if (message.clickedButton() == no) return editor::MessageAnswer::kNo;
  return editor::MessageAnswer::kCancel;
}

QString QtHost::QtFilter(std::string_view filter) {
  const QStringList parts = Q(filter).split(QLatin1Char('|'));
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts.at(i + 1);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    // Qt reads the patterns from the last parentheses of the description.
    entries << parts.at(i) + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return entries.join(QStringLiteral(";;"));
}

std::optional<std::string> QtHost::AskFileName(const editor::FileDialog& dialog) {
  // Without a remembered folder the dialog starts where a Linux user keeps
  // pictures (or at home), not in the program's or the shell's folder.
  QString folder = Q(dialog.folder);
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    folder = QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
  }
  QFileDialog chooser(&window_, Q(dialog.caption), folder, QtFilter(dialog.filter));
  chooser.setObjectName(QStringLiteral("FileDialog"));
  chooser.setOption(QFileDialog::DontUseNativeDialog);
  // The descriptions already name their patterns; Qt's copy stays hidden.
  chooser.setOption(QFileDialog::HideNameFilterDetails);
  if (dialog.kind == editor::FileDialogKind::kSave) {
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setFileMode(QFileDialog::AnyFile);
  } else {
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::ExistingFile);
  }
  if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return std::nullopt;
  QString path = chooser.selectedFiles().constFirst();
  // A name typed without an extension takes the chosen type's, so that "a"
  // saved as a cursor becomes "a.cur" rather than a picture of no type.
  const QString filter = chooser.selectedNameFilter();
  const qsizetype star = filter.lastIndexOf(QStringLiteral("*."));
  if (dialog.kind == editor::FileDialogKind::kSave && QFileInfo(path).suffix().isEmpty() && star >= 0) {
    path += QLatin1Char('.') + filter.mid(star + 2).section(QLatin1Char(')'), 0, 0).section(QLatin1Char(' '), 0, 0);
  }
  return path.toStdString();
}

std::optional<editor::ImageFormat> QtHost::AskImageFormat(std::string_view caption) {
  TfrmNew dialog(settings_, &window_);
  dialog.setWindowTitle(Q(caption));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Format();
}

std::optional<raster::Picture> QtHost::AskPastePart(const raster::Picture& clipboard, std::string_view, int imageWidth,
                                                    int imageHeight) {
  return RunPasteDialog(&window_, clipboard, imageWidth, imageHeight);
}

std::optional<raster::Picture> QtHost::AskTextPicture(raster::Colour colour) {
  // The font and the text are remembered for the next use of the text tool.
  textFont_.colour = colour;
  if (!RunTextDialog(&window_, textFont_, textString_) || textString_.isEmpty()) return std::nullopt;
  return RenderText(textString_, textFont_);
}

std::optional<raster::Colour> QtHost::AskColour(raster::Colour initial) {
  const QColor chosen = QColorDialog::getColor(ToQColor(initial), &window_);
  if (!chosen.isValid()) return std::nullopt;
  return FromQColor(chosen);
}

std::optional<std::string> QtHost::AskLine(std::string_view caption, std::string_view prompt,
                                           std::string_view initial) {
  bool ok = false;
  const QString answer = QInputDialog::getText(&window_, Q(caption), Q(prompt), QLineEdit::Normal, Q(initial), &ok);
  if (!ok) return std::nullopt;
  return answer.toStdString();
}

void QtHost::SetStatusText(int panel, std::string_view text) {
  window_.SetStatusPanel(panel, Q(text));
}

void QtHost::SetCaption(std::string_view caption) {
  window_.setWindowTitle(Q(caption));
}

void QtHost::CanvasChanged(raster::Rect dirty) {
  window_.CanvasChanged(QRect(dirty.left, dirty.top, dirty.Width(), dirty.Height()));
}

void QtHost::PanelsChanged() {
  window_.RefreshPanels();
}

void QtHost::SetEnabled(std::string_view control, bool enabled) {
  window_.ControlEnabled(Q(control), enabled);
}

void QtHost::SetChecked(std::string_view control, bool checked) {
  window_.ControlChecked(Q(control), checked);
}

void QtHost::SetCanvasCursor(editor::CursorShape shape) {
  window_.SetCanvasCursor(shape);
}

std::optional<raster::Picture> QtHost::ClipboardPicture() {
  const QImage image = QGuiApplication::clipboard()->image();
  if (image.isNull() || static_cast<qint64>(image.width()) * image.height() > kMaxClipboardPixels) {
    return std::nullopt;
  }
  return ImageToPicture(image);
}

void QtHost::PutClipboardPicture(const raster::Picture& picture) {
  QGuiApplication::clipboard()->setImage(PictureToImage(picture));
}

void QtHost::StartProgram(const std::vector<std::string>& arguments) {
  QStringList list;
  for (const std::string& argument : arguments) list << Q(argument);
  // The file given to the new instance is one the user just opened.
  // (New cursor passes the untitled name, which is no file.)
  if (!list.isEmpty() && QFileInfo(list.constFirst()).isAbsolute() && QFileInfo(list.constFirst()).isFile()) {
    window_.RememberRecent(list.constFirst());
  }
  if (window_.Starter()) (void)window_.Starter()(window_.Options().programPath, list);
}

void QtHost::SetTimer(int intervalMs) {
  if (intervalMs <= 0) {
    timer_.stop();
  } else {
    timer_.start(intervalMs);
  }
}

std::filesystem::path QtHost::PrivateTempFolder() {
  // Mode 0700 under a name nobody can predict, in a sound temporary folder
  // whatever TMPDIR says; removed with everything inside when the window goes,
  // and by the next start when this instance is killed. Made anew when a
  // cleaner of temporary files took it.
  if (!tempDir_) tempDir_ = std::make_unique<document::PrivateFolder>();
  return tempDir_->Renewed();
}

}  // namespace pixmint::app

namespace pixmint::app {

std::optional<editor::ProgramGroup> QtHost::ChooseProgramGroup(const std::string& programFile) {
  // The extractor dialog on the program, with "open in the editor" choosing.
  std::optional<editor::ProgramGroup> chosen;
  ExtractRequest request{window_.Options().programPath, window_.Starter(), nullptr, {}, Q(programFile), {}};
  TfrmExtract* shown = nullptr;
  request.opener = [&chosen, &shown](const std::vector<std::uint8_t>& file, bool cursor, const QString&) {
    chosen = editor::ProgramGroup{file, cursor};
    if (shown != nullptr) shown->accept();
    return true;
  };
  TfrmExtract dialog(&window_, std::move(request));
  shown = &dialog;
  dialog.exec();
  return chosen;
}

std::optional<std::vector<formats::AnimationStep>> QtHost::AskAnimationSteps(
    const std::vector<formats::AnimationStep>& steps, const document::TKvIcon& frames) {
  return RunAnimationDialog(&window_, steps, frames);
}

std::optional<std::vector<int>> QtHost::AskCursorSizes(const std::vector<int>& present) {
  return RunSizesDialog(&window_, present);
}

bool QtHost::RunShellCommand(editor::CommandId id) {
  return window_.RunShellCommand(id);
}

void QtHost::DocumentSaved(const std::string& path, bool firstSave) {
  // A file the user named is remembered; saving it again changes nothing.
  if (firstSave) window_.RememberRecent(Q(path));
}

}  // namespace pixmint::app
