#include "app/dialogs/tfrm_about.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "app/dialogs/external_commands.h"
#include "app/dialogs/qt_texts.h"

namespace pixmint::app {

namespace {

QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->move(x, y);
  label->adjustSize();
  return label;
}

}  // namespace

TfrmAbout::TfrmAbout(QWidget* parent, std::function<void()> openWeb) : QDialog(parent), openWeb_(std::move(openWeb)) {
  setObjectName(QStringLiteral("TfrmAbout"));
  setWindowTitle(T(texts::kAboutCaption));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(331, 181);

  auto* name = PlaceLabel(this, "Label1", T(texts::kAboutName), 88, 12);
  QFont bold = name->font();
  bold.setBold(true);
  name->setFont(bold);
  name->adjustSize();
  PlaceLabel(this, "Label2", T(texts::kAboutVersion), 88, 32);

  const QString web = QString::fromUtf8(kWebAddress);
  auto* link =
      PlaceLabel(this, "Label4", QStringLiteral("<a href=\"%1\" style=\"color:blue\">%1</a>").arg(web), 88, 64);
  link->setTextFormat(Qt::RichText);
  link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  link->setCursor(Qt::PointingHandCursor);
  link->adjustSize();
  // The link runs the same command as the Help menu's web item.
  connect(link, &QLabel::linkActivated, this, [this] {
    if (openWeb_) openWeb_();
  });

  auto* ok = new QPushButton(T(texts::kOk), this);
  ok->setObjectName(QStringLiteral("Button1"));
  ok->move(128, 144);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmAbout::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  const QIcon icon = QApplication::windowIcon();
  if (icon.isNull()) return;
  QPainter painter(this);
  icon.paint(&painter, QRect(25, 12, 32, 32));
}

void ShowAbout(QWidget* parent, const std::function<void()>& openWeb) {
  TfrmAbout about(parent, openWeb);
  about.exec();
}

}  // namespace pixmint::app
