#include "app/dialogs/about_window.h"

#include <QDesktopServices>
#include <QEvent>
#include <QUrl>
#include <algorithm>

#include "app/desktop/data_folder.h"
#include "app/desktop/error_box.h"
#include "app/widgets/fonts.h"
#include "app/widgets/place.h"
#include "version_check/about_config.h"
#include "version_check/version_check.h"

namespace zumoku {

namespace {
const QColor kLinkBlue(0, 0, 255);
const QColor kNavy(0, 0, 128);
const QColor kFoundGreen(0, 128, 0);

// The colour of the label's text; a disabled label keeps the usual grey.
void SetFontColor(QLabel* label, const QColor& color) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::Active, QPalette::WindowText, color);
  palette.setColor(QPalette::Inactive, QPalette::WindowText, color);
  label->setPalette(palette);
}

// The window's rows as laid out for its own font, whose line is 13 pixels.
constexpr int kMinRowHeight = 13;

ClickLabel* Link(QWidget* parent, const char* name, const QString& text, const QString& hint) {
  auto* label = Place(new ClickLabel(text, parent), name, {});
  SetFontColor(label, kLinkBlue);
  label->setToolTip(hint);
  return label;
}
}  // namespace

TForm6::TForm6(QWidget* parent) : TForm6(parent, about::VersionAddress(), about::VersionFilePath(DataFolder())) {}

TForm6::TForm6(QWidget* parent, std::string versionAddress, QString versionFile)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      check_(new about::VersionCheck(std::move(versionAddress), std::move(versionFile), this)) {
  setObjectName(QStringLiteral("Form6"));
  setWindowTitle(QStringLiteral("このプログラムについて"));
  setFont(WindowFont());

  // Placed by LayOut.
  GroupBox1 = Place(new QGroupBox(QStringLiteral("著作"), this), "GroupBox1", {});
  Label1 = Place(new QLabel(QStringLiteral("製作：") + QString::fromUtf8(about::kAuthorName), GroupBox1), "Label1", {});
  Label2 = Link(GroupBox1, "Label2", QStringLiteral("連絡先：") + QString::fromUtf8(about::kAuthorMail),
                QStringLiteral("クリックすると、このアドレスヘメールを書くウィンドウが表示されます"));
  Label3 = Link(GroupBox1, "Label3", QStringLiteral("WebSite：") + QString::fromUtf8(about::kWebPageText),
                QStringLiteral("クリックすると、WebSiteを表示します"));
  Label4 = Place(new QLabel(QStringLiteral("このソフトウェアのVersion：0.3"), GroupBox1), "Label4", {});
  Label5 = Place(new ClickLabel(QStringLiteral("最新版のVersionNumber：未調査"), GroupBox1), "Label5", {});
  SetFontColor(Label5, kNavy);
  Button2 = Place(new QPushButton(QStringLiteral("<Check"), GroupBox1), "Button2", {});
  QFont small = font();
  small.setPixelSize(10);
  Button2->setFont(small);
  Button2->setFocusPolicy(Qt::ClickFocus);  // not reached by Tab
  Button2->setAutoDefault(false);
  Button2->setToolTip(QStringLiteral("クリックすることで調査します（インターネットに接続できる環境が必要です）"));
  Button1 = Place(new QPushButton(QStringLiteral("OK"), this), "Button1", {});
  Button1->setDefault(true);
  LayOut();

  connect(Label2, &ClickLabel::clicked, this, &TForm6::Label2Click);
  connect(Label3, &ClickLabel::clicked, this, &TForm6::Label3Click);
  connect(Label2, &ClickLabel::mouseMoved, this, &TForm6::LabelChangeColor);
  connect(Label3, &ClickLabel::mouseMoved, this, &TForm6::LabelChangeColor);
  connect(Label5, &ClickLabel::clicked, this, &TForm6::Label5Click);
  connect(Button2, &QPushButton::clicked, this, &TForm6::Label5Click);
  connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
  connect(check_, &about::VersionCheck::Found, this, &TForm6::VersionFound);
  connect(check_, &about::VersionCheck::Failed, this, &TForm6::VersionFailed);
  Button1->setFocus();
}

// Rows as high as their text needs: a face with a taller line than the
// window's own (Noto Sans CJK where IPA is missing) would be cut off. With a
// 13-pixel line this is the window's layout of 230 × 151.
void TForm6::LayOut() {
  int line = kMinRowHeight;
  for (const QLabel* label : Labels()) line = std::max(line, label->sizeHint().height());
  int top = line + 5;  // below the group's title
  for (QLabel* label : Labels()) {
    if (label == Label5) top += 3;
    label->setGeometry(6, top, label == Label5 ? 178 : 216, line);
    top += line + 4;
  }
  Button2->setGeometry(185, Label5->y() + (line - 21) / 2, 39, 21);
  GroupBox1->setGeometry(2, 2, 226, Label5->geometry().bottom() + 9);
  Button1->setGeometry(78, GroupBox1->geometry().bottom() + 7, 75, 25);
  setFixedSize(230, Button1->geometry().bottom() + 9);
}

void TForm6::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::FontChange && Button1 != nullptr) LayOut();
}

void TForm6::Label2Click() {
  QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + QString::fromUtf8(about::kAuthorMail)));
}

void TForm6::Label3Click() { QDesktopServices::openUrl(QUrl(QString::fromUtf8(about::kWebPageUrl))); }

void TForm6::LabelChangeColor() {
  if (auto* label = qobject_cast<QWidget*>(sender())) label->setCursor(Qt::PointingHandCursor);
}

void TForm6::Label5Click() {
  EnableCheck(false);
  Label5->setText(QStringLiteral("調査中。暫くお待ちください。"));
  check_->Start();
}

void TForm6::VersionFound(const QString& version) {
  SetFontColor(Label5, kFoundGreen);
  Label5->setText(QStringLiteral("最新版のVersionNumber：") + version);
  EnableCheck(true);
}

// The label keeps its waiting text and stays disabled with the button until
// the window is opened again.
void TForm6::VersionFailed(const QString& error) { ShowErrorBox(this, error); }

void TForm6::EnableCheck(bool enabled) {
  Button2->setEnabled(enabled);
  Label5->setEnabled(enabled);
}

void TForm6::Button1Click() { accept(); }

}  // namespace zumoku
