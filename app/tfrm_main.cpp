#include "app/tfrm_main.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <algorithm>

#include "app/art.h"
#include "app/canvas_widget.h"
#include "app/desktop_entry.h"
#include "app/dialogs/external_commands.h"
#include "app/dialogs/qt_texts.h"
#include "app/panels.h"
#include "app/qt_host.h"
#include "app/qt_settings.h"
#include "app/start_arguments.h"
#include "app/window_geometry.h"
#include "editor/workspace.h"
#include "translations/translations.h"

namespace pixmint::app {
namespace {

constexpr int kStatusWidths[4] = {250, 80, 100, 50};

// The scrolling area reports its size to the workspace, which places the
// canvas frame; the frame is then moved where the workspace says.
class ScrollContent : public QWidget {
 public:
  using QWidget::QWidget;
};

}  // namespace

TfrmMain::TfrmMain(const StartOptions& options, QWidget* parent) : QMainWindow(parent), options_(options) {
  PixmintInitResources();
  // The program's own icon, for this window and every dialog (the About box draws it).
  QGuiApplication::setWindowIcon(ProgramIcon());
  setObjectName(QStringLiteral("TfrmMain"));
  settings_ = options_.settingsFile.isEmpty() ? std::make_unique<QtSettings>()
                                              : std::make_unique<QtSettings>(options_.settingsFile);
  // Before the first text is shown.
  language_ = std::make_unique<translations::AppLanguage>(StartLanguage(options_.language, *settings_));
  if (options_.language) settings_->Sync();  // for instances this one starts
  QFont font(QStringLiteral("宋体"));
  font.setPixelSize(12);
  setFont(font);
  if (QScreen* screen = QGuiApplication::primaryScreen(); screen != nullptr && screen->depth() < 16) {
    QMessageBox box(QMessageBox::NoIcon, T(texts::kAppTitle),
                    T(texts::kDepthLine1) + QStringLiteral("\r\n") + T(texts::kDepthLine2));
    box.addButton(T(texts::kOk), QMessageBox::AcceptRole);
    box.exec();
    endRequested_ = true;
  }
  QString folder = QFileInfo(options_.programPath).absolutePath();
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  settings_->WriteString("AppPath", folder.toStdString());
  // Failing to register is not worth a message: the editor works without it.
  if (options_.registerAssociation) (void)RegisterFileAssociation(options_.programPath);
  starter_ = DetachedStarter();
  externals_ = std::make_unique<ExternalCommands>(folder, SystemDesktop());
  host_ = std::make_unique<QtHost>(*this, *settings_);
  workspace_ = std::make_unique<editor::Workspace>(*host_, *settings_);
  host_->Attach(workspace_.get());
  BuildLayout();
  SetMinimumWindowSize();
  LoadRecentFiles(recentFiles_, *settings_);
  ShowRecentFiles(recentFiles_, recentActions_);
  ReadGeometry();
  setWindowTitle(T(texts::kCaption));
  clipboardTimer_ = new QTimer(this);
  clipboardTimer_->setObjectName(QStringLiteral("Timer1"));
  connect(clipboardTimer_, &QTimer::timeout, this, &TfrmMain::ClipboardWatch);
  clipboardTimer_->start(1000);
  qApp->installEventFilter(this);
}

TfrmMain::~TfrmMain() {
  qApp->removeEventFilter(this);
  if (workspace_) workspace_->Shutdown();
  host_->Attach(nullptr);
}

texts::Language TfrmMain::Language() const {
  return language_->Language();
}

void TfrmMain::SetMinimumWindowSize() {
  // Any smaller and the tool buttons overlap, the colour panel's palette is
  // cut off: the whole tool column, a canvas for a 48-pixel image at zoom 4
  // beside it, and the colour panel with some rows of its palette.
  constexpr int kCanvasRoom = 4 * 48 + 20;
  constexpr int kPaletteRoom = 52 + 8 * 10;
  const QSize chrome = minimumSizeHint();
  const QWidget* tools = findChild<QWidget*>(QStringLiteral("Panel2"));
  const QWidget* right = findChild<QWidget*>(QStringLiteral("Panel4"));
  const int column = std::max(tools != nullptr ? tools->minimumSizeHint().height() : 0, kPaletteRoom);
  const auto* toolBar = findChild<QToolBar*>();
  const int bars = menuBar()->sizeHint().height() + statusBar()->sizeHint().height() +
                   (toolBar != nullptr ? toolBar->sizeHint().height() : 0);
  const int width = (tools != nullptr ? tools->width() : 57) + kCanvasRoom + (right != nullptr ? right->width() : 0);
  setMinimumSize(chrome.expandedTo(QSize(width, column + bars)));
}

void TfrmMain::ReadGeometry() {
  QScreen* screen = QGuiApplication::primaryScreen();
  const QSize area = screen != nullptr ? screen->availableGeometry().size() : QSize(1024, 768);
  const WindowBox stored{settings_->RegReadInt("FormLeft"), settings_->RegReadInt("FormTop"),
                         settings_->RegReadInt("FormWidth"), settings_->RegReadInt("FormHeight")};
  const WindowBox box = CorrectWindowBox(stored, area.width(), area.height());
  resize(box.width, box.height);
  move(box.left, box.top);
}

void TfrmMain::WriteShutdownValues() {
  const QRect frame = frameGeometry();
  settings_->RegWriteInt("FormWidth", width());
  settings_->RegWriteInt("FormHeight", height());
  settings_->RegWriteInt("FormLeft", frame.left());
  settings_->RegWriteInt("FormTop", frame.top());
  settings_->Sync();
}

void TfrmMain::StartDocument() {
  if (started_) return;
  started_ = true;
  std::optional<std::string> argument;
  if (options_.fileArgument) argument = options_.fileArgument->toStdString();
  workspace_->SetViewportSize(scrollBox_->viewport()->width(), scrollBox_->viewport()->height());
  if (options_.handedOver) {
    workspace_->Start({editor::StartRequest::Kind::kOpenUntitled, options_.handedOver->toStdString()});
  } else {
    workspace_->Start(editor::ParseStartArgument(argument));
  }
  RefreshPanels();
  ApplyCanvasLayout();
  // Keys go to the menu shortcuts and the tool letters, not to the opacity box.
  // The window asks for the keyboard itself: without a window manager (or
  // with one that leaves new windows unfocused) nothing else would give it,
  // and the shortcuts would not act.
  if (isVisible()) {
    raise();
    activateWindow();
  }
  scrollBox_->setFocus();
}

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The document is set up on the first activation, once the window has
  // its size, so that the canvas is laid out for the real viewport.
  if (!started_) QTimer::singleShot(0, this, &TfrmMain::StartDocument);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  if (!workspace_->CloseQuery()) {
    event->ignore();
    return;
  }
  closing_ = true;
  workspace_->Shutdown();
  WriteShutdownValues();
  event->accept();
}

void TfrmMain::Register(const QString& name, QObject* control) {
  if (control->objectName().isEmpty()) control->setObjectName(name);
  controls_[name].append(control);
  // The workspace may have reported this control's state before it existed.
  if (pendingEnabled_.contains(name)) ControlEnabled(name, pendingEnabled_.value(name));
  if (pendingChecked_.contains(name)) ControlChecked(name, pendingChecked_.value(name));
}

void TfrmMain::ControlEnabled(const QString& name, bool enabled) {
  pendingEnabled_.insert(name, enabled);
  for (const QPointer<QObject>& control : controls_.value(name)) {
    if (auto* action = qobject_cast<QAction*>(control.data())) action->setEnabled(enabled);
    if (auto* widget = qobject_cast<QWidget*>(control.data())) widget->setEnabled(enabled);
  }
}

void TfrmMain::ControlChecked(const QString& name, bool checked) {
  pendingChecked_.insert(name, checked);
  for (const QPointer<QObject>& control : controls_.value(name)) {
    if (auto* action = qobject_cast<QAction*>(control.data())) {
      action->setCheckable(true);
      action->setChecked(checked);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control.data())) button->setChecked(checked);
  }
  if (name.startsWith(QLatin1String("btn"))) RefreshToolPalette();
}

void TfrmMain::SetStatusPanel(int panel, const QString& text) {
  if (panel >= 0 && panel < statusPanels_.size()) statusPanels_[panel]->setText(text);
}

void TfrmMain::CanvasChanged(QRect dirty) {
  // The workspace may report before the widgets exist.
  if (canvas_ == nullptr) return;
  ApplyCanvasLayout();
  canvas_->update(dirty);
}

void TfrmMain::SetCanvasCursor(editor::CursorShape shape) {
  cursorShape_ = shape;
  if (canvas_ != nullptr) canvas_->setCursor(CursorFor(shape));
}

void TfrmMain::RefreshPanels() {
  if (imageList_ == nullptr || statusPanels_.isEmpty()) return;
  RefreshToolPalette();
  RefreshColourPanel();
  RefreshImagePanel();
  for (int i = 0; i < statusPanels_.size(); ++i) statusPanels_[i]->setText(QString::fromStdString(Ws().StatusText(i)));
}

void TfrmMain::ClipboardWatch() {
  // Paste becomes available once the clipboard offers a picture, copied here
  // or in any other program; it is never taken back here (the command itself
  // checks the clipboard).
  if (Ws().State().ClipboardSeen) return;
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data != nullptr && data->hasImage()) Ws().ClipboardOffersPicture();
}

void TfrmMain::BuildLayout() {
  BuildCommands();
  BuildToolBar();
  BuildStatusBar();
  auto* centre = new QWidget(this);
  auto* row = new QHBoxLayout(centre);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addWidget(BuildToolPalette());
  BuildCentre();
  row->addWidget(scrollBox_, 1);
  auto* right = new QWidget(centre);
  right->setObjectName(QStringLiteral("Panel4"));
  right->setFixedWidth(64 + ImagePanelWidth());
  auto* rightRow = new QHBoxLayout(right);
  rightRow->setContentsMargins(0, 0, 0, 0);
  rightRow->setSpacing(0);
  rightRow->addWidget(BuildColourPanel());
  rightRow->addWidget(BuildImagePanel());
  row->addWidget(right);
  setCentralWidget(centre);
  // Return in the opacity box ends the typing: the keyboard goes back to the
  // canvas, where the shortcuts (Ctrl+Z, Ctrl+A, ...) act again; the box
  // would keep them. (Losing the focus also ends the typing; then the box
  // has it no more.)
  QSpinBox* box = opacity_;
  QScrollArea* canvasArea = scrollBox_;
  connect(box, &QAbstractSpinBox::editingFinished, canvasArea, [box, canvasArea] {
    if (box->hasFocus()) canvasArea->setFocus();
  });
}

void TfrmMain::BuildStatusBar() {
  auto* bar = new QStatusBar(this);
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setFixedHeight(19);
  bar->setSizeGripEnabled(true);
  for (int i = 0; i < 4; ++i) {
    auto* panel = new QLabel(bar);
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    // The design's widths, grown when a text needs more ("保存文件成功.").
    panel->setMinimumWidth(kStatusWidths[i]);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    bar->addWidget(panel);
    statusPanels_.append(panel);
  }
  setStatusBar(bar);
}

void TfrmMain::BuildCentre() {
  scrollBox_ = new QScrollArea(this);
  scrollBox_->setObjectName(QStringLiteral("ScrollBox1"));
  scrollBox_->setBackgroundRole(QPalette::Dark);
  scrollBox_->setWidgetResizable(false);
  auto* content = new ScrollContent(scrollBox_);
  content->setBackgroundRole(QPalette::Dark);
  content->setAutoFillBackground(true);
  canvasFrame_ = new QFrame(content);
  canvasFrame_->setObjectName(QStringLiteral("Panel1"));
  canvasFrame_->setFrameShape(QFrame::Panel);
  canvasFrame_->setFrameShadow(QFrame::Raised);
  canvasFrame_->setAutoFillBackground(true);
  canvasFrame_->hide();
  canvasFrame_->setEnabled(false);
  canvas_ = new CanvasWidget(*workspace_, canvasFrame_);
  canvas_->move(5, 5);
  canvas_->setCursor(CursorFor(cursorShape_));
  canvas_->onContextMenu = [this](QPoint global) { ShowCanvasMenu(global); };
  scrollBox_->setWidget(content);
  scrollBox_->viewport()->installEventFilter(this);
}

void TfrmMain::ApplyCanvasLayout() {
  const editor::CanvasLayout layout = Ws().Layout();
  QWidget* content = scrollBox_->widget();
  const QSize viewport = scrollBox_->viewport()->size();
  content->resize(std::max(viewport.width(), layout.panelLeft + layout.panelWidth),
                  std::max(viewport.height(), layout.panelTop + layout.panelHeight));
  canvasFrame_->setGeometry(layout.panelLeft, layout.panelTop, layout.panelWidth, layout.panelHeight);
  canvas_->setGeometry(5, 5, layout.canvasWidth, layout.canvasHeight);
  canvasFrame_->setVisible(layout.visible);
  canvasFrame_->setEnabled(layout.visible);
}

bool TfrmMain::HandleKeypadZoom(const QKeyEvent& key) {
  // The keypad's +, - and * zoom. Qt's shortcut matching does not always see
  // the keypad flag these keys come with under X11, so they are taken here;
  // the X key symbols identify them even when the flag is missing.
  constexpr quint32 kKeypadMultiply = 0xffaa, kKeypadAdd = 0xffab, kKeypadSubtract = 0xffad;
  const bool keypad = (key.modifiers() & Qt::KeypadModifier) != 0;
  const quint32 sym = key.nativeVirtualKey();
  if ((keypad && key.key() == Qt::Key_Plus) || sym == kKeypadAdd) return Ws().Run(editor::CommandId::kZoomIn), true;
  if ((keypad && key.key() == Qt::Key_Minus) || sym == kKeypadSubtract) {
    return Ws().Run(editor::CommandId::kZoomOut), true;
  }
  if ((keypad && key.key() == Qt::Key_Asterisk) || sym == kKeypadMultiply) {
    return Ws().Run(editor::CommandId::kZoomAuto), true;
  }
  return false;
}

void TfrmMain::KeepModalAbove(QWindow* uncovered) {
  // A window manager keeps a dialog above the windows it belongs to; without
  // one, when the main window (or a dialog the open one came from) is raised
  // or mapped late, it covers the dialog that waits for an answer. So the
  // dialog goes back on top whenever one of its owners comes up.
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || !modal->isVisible() || modal->windowHandle() == nullptr) return;
  for (QWindow* owner = modal->windowHandle()->transientParent(); owner != nullptr; owner = owner->transientParent()) {
    if (owner != uncovered) continue;
    QTimer::singleShot(0, modal, [modal] { modal->raise(); });
    return;
  }
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scrollBox_->viewport() && event->type() == QEvent::Resize && started_ && !closing_) {
    Ws().SetViewportSize(scrollBox_->viewport()->width(), scrollBox_->viewport()->height());
    ApplyCanvasLayout();
    return false;
  }
  if (paletteBox_ != nullptr && watched == paletteBox_->parentWidget() && event->type() == QEvent::Resize) {
    // The palette box fills the colour panel below its dividing line.
    paletteBox_->resize(60, std::max(0, paletteBox_->parentWidget()->height() - 54));
    return false;
  }
  if (event->type() == QEvent::Hide && watched->isWidgetType() && !closing_) {
    auto* gone = static_cast<QWidget*>(watched);
    if (gone->isWindow() && gone != this && (qobject_cast<QDialog*>(gone) || qobject_cast<QMenu*>(gone))) {
      // A dialog or menu closed: the keyboard comes back to the dialog it
      // was opened from (a file chooser of the converter), or else to the
      // window. A window manager would do this; without one nothing else does.
      QTimer::singleShot(0, this, [this] {
        if (QApplication::activePopupWidget() != nullptr) return;
        QWidget* next = QApplication::activeModalWidget();
        if (next == nullptr) next = this;
        if (next->isVisible()) next->activateWindow();
      });
    }
  }
  if (event->type() == QEvent::Expose && watched->isWindowType()) KeepModalAbove(static_cast<QWindow*>(watched));
  if (event->type() == QEvent::KeyPress) {
    // The window sees typed letters before the focused control, and only
    // while no other window (a dialog) is active. A key with no widget in
    // focus is delivered to the window's platform window (not a widget) and
    // then to the window itself; only one of the deliveries counts.
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* focus = QApplication::focusWidget();
    const bool first = widget != nullptr && (widget == focus || (focus == nullptr && widget == this));
    if (first && widget->window() == this && QApplication::activeModalWidget() == nullptr) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0) {
        if (HandleKeypadZoom(*key)) return true;
        HandleToolLetter(key->key());
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace pixmint::app
