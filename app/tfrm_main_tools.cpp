// The tool palette on the left, the tool letters, and the Tools menu.
#include <QAction>
#include <QButtonGroup>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/art.h"
#include "app/dialogs/external_commands.h"
#include "app/dialogs/number_box.h"
#include "app/dialogs/qt_texts.h"
#include "app/dialogs/tfrm_cur_test.h"
#include "app/qt_host.h"
#include "app/tfrm_main.h"
#include "editor/workspace.h"
#include "tools/tool_table.h"

namespace pixmint::app {
namespace {

// Draws option n as picture n of the current tool's set, 5 pixels in.
class OptionDelegate : public QStyledItemDelegate {
 public:
  OptionDelegate(std::function<QString()> pictureSet, QObject* parent)
      : QStyledItemDelegate(parent), pictureSet_(std::move(pictureSet)) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    painter->fillRect(option.rect, option.palette.color(selected ? QPalette::Highlight : QPalette::Base));
    const QString set = pictureSet_();
    if (set.isEmpty()) return;
    const QPixmap picture = ArtPixmap(set + QString::number(index.row()));
    painter->drawPixmap(option.rect.left() + 5, option.rect.top(), picture);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return {option.rect.width(), 16};
  }

 private:
  std::function<QString()> pictureSet_;
};

}  // namespace

QWidget* TfrmMain::BuildToolPalette() {
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("Panel2"));
  panel->setFixedWidth(57);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(2, 2, 2, 2);
  column->setSpacing(2);
  auto* grid = new QGridLayout;
  grid->setSpacing(1);
  toolGroup_ = new QButtonGroup(panel);
  toolGroup_->setExclusive(true);
  int cell = 0;
  for (const tools::ToolInfo& tool : tools::ToolTable()) {
    auto* button = new QToolButton(panel);
    const QString name = QString::fromUtf8(tool.button.data(), static_cast<qsizetype>(tool.button.size()));
    button->setObjectName(name);
    button->setToolTip(T(tool.hint));
    button->setIcon(ArtIcon(QString::fromUtf8(tool.icon.data(), static_cast<qsizetype>(tool.icon.size()))));
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setFixedSize(25, 25);
    toolGroup_->addButton(button, tools::Number(tool.id));
    Register(name, button);
    connect(button, &QToolButton::clicked, this, [this, id = tool.id] { Ws().ChooseTool(id); });
    grid->addWidget(button, cell / 2, cell % 2);
    ++cell;
  }
  column->addLayout(grid);

  toolOptions_ = new QListWidget(panel);
  toolOptions_->setObjectName(QStringLiteral("lbxToolOption"));
  toolOptions_->setToolTip(T(texts::kHintToolOption));
  toolOptions_->setFixedSize(46, 71);
  toolOptions_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  toolOptions_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  toolOptions_->setItemDelegate(new OptionDelegate(
      [this] {
        const tools::ToolInfo* tool = tools::FindTool(Ws().State().ToolId);
        return tool != nullptr
                   ? QString::fromUtf8(tool->optionArt.data(), static_cast<qsizetype>(tool->optionArt.size()))
                   : QString();
      },
      toolOptions_));
  connect(toolOptions_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { Ws().ChooseOption(toolOptions_->row(item)); });
  column->addWidget(toolOptions_, 0, Qt::AlignHCenter);

  auto* label = new QLabel(T(texts::kOpacityLabel), panel);
  label->setObjectName(QStringLiteral("Label1"));
  column->addWidget(label);
  // Digits only, the editing keys as usual, values above 100 shown as 100.
  opacity_ = new NumberBox(panel);
  opacity_->setObjectName(QStringLiteral("updOpacity"));
  opacity_->setToolTip(T(texts::kHintOpacity));
  opacity_->setRange(0, 100);
  opacity_->setSingleStep(10);
  opacity_->setValue(100);
  opacity_->setEnabled(false);
  Register(QStringLiteral("updOpacity"), opacity_);
  connect(opacity_, &QSpinBox::textChanged, this, [this](const QString& text) {
    QString shown = text;
    if (text.size() > 3 || text.toInt() > 100) {
      shown = QStringLiteral("100");
      const QSignalBlocker blocker(opacity_);
      opacity_->findChild<QLineEdit*>()->setText(shown);
    }
    Ws().SetOpacityText(shown.toStdString());
  });
  column->addWidget(opacity_);
  column->addStretch();
  return panel;
}

void TfrmMain::RefreshToolPalette() {
  if (toolGroup_ == nullptr || toolOptions_ == nullptr || opacity_ == nullptr || !workspace_) return;
  const editor::EditorState& state = Ws().State();
  const tools::ToolInfo* tool = tools::FindTool(state.ToolId);
  const int count = tool != nullptr ? tool->optionCount : 0;
  if (shownOptionTool_ != state.ToolId || toolOptions_->count() != count) {
    shownOptionTool_ = state.ToolId;
    toolOptions_->clear();
    for (int i = 0; i < count; ++i) toolOptions_->addItem(QString::number(i + 1));
  }
  const int option = Ws().ToolOption();
  if (option >= 0 && option < toolOptions_->count()) toolOptions_->setCurrentRow(option);
  toolOptions_->viewport()->update();
  const QString opacity = QString::fromStdString(Ws().OpacityText());
  if (!opacity.isEmpty() && opacity_->findChild<QLineEdit*>()->text() != opacity) {
    const QSignalBlocker blocker(opacity_);
    opacity_->findChild<QLineEdit*>()->setText(opacity);
    opacity_->interpretText();
  }
}

// The letters that choose tools; upper and lower case alike (Qt gives the
// letter keys their upper-case codes).
bool TfrmMain::HandleToolLetter(int key) {
  for (const tools::ToolInfo& tool : tools::ToolTable()) {
    if (tool.key != 0 && tool.key == key) {
      // Chosen once the key has been handled: the text tool's dialog then
      // opens outside the key's delivery and gets every key that follows.
      QTimer::singleShot(0, this, [this, id = tool.id] { Ws().ChooseTool(id); });
      return true;
    }
  }
  return false;
}

}  // namespace pixmint::app
