#include "app/dialogs/splash_window.h"

#include <QKeyEvent>
#include <QScreen>
#include <utility>

#include "app/widgets/fonts.h"
#include "app/widgets/place.h"
#include "app/widgets/splash_pictures.h"

namespace zumoku {

namespace {
constexpr int kButtonSize = 76;
}  // namespace

TForm4::TForm4(QWidget* parent, Commands commands)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), commands_(std::move(commands)) {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QStringLiteral("Zumoku Splash"));
  setFont(WindowFont());
  setFixedSize(240, kButtonSize);

  BitBtn1 = Button("BitBtn1", 0, NewDocumentPicture(), QStringLiteral("新規作成"),
                   QStringLiteral("文書ファイルを新規に作成します。"));
  BitBtn2 = Button("BitBtn2", 78, OpenFilePicture(), QStringLiteral("ファイルを開く"),
                   QStringLiteral("既に製作されたファイルを開きます"));
  BitBtn3 =
      Button("BitBtn3", 162, QuitPicture(), QStringLiteral("終了する"), QStringLiteral("アプリケーションを終了します"));
  connect(BitBtn1, &QToolButton::clicked, this, &TForm4::BitBtn1Click);
  connect(BitBtn2, &QToolButton::clicked, this, &TForm4::BitBtn2Click);
  connect(BitBtn3, &QToolButton::clicked, this, &TForm4::BitBtn3Click);
  BitBtn1->setFocus();
  // The main window is not on screen yet: the splash centres on the screen.
  move(screen()->availableGeometry().center() - rect().center());
}

QToolButton* TForm4::Button(const char* name, int left, const QIcon& picture, const QString& caption,
                            const QString& tooltip) {
  auto* button = Place(new QToolButton(this), name, {left, 0, kButtonSize, kButtonSize});
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setIcon(picture);
  button->setIconSize(QSize(kSplashPictureSize, kSplashPictureSize));
  button->setText(caption);
  button->setToolTip(tooltip);
  button->setFocusPolicy(Qt::StrongFocus);
  return button;
}

void TForm4::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (auto* button = qobject_cast<QToolButton*>(focusWidget()); enter && button != nullptr) return button->click();
  QDialog::keyPressEvent(event);
}

void TForm4::BitBtn1Click() {
  commands_.newDocument();
  accept();
}

void TForm4::BitBtn2Click() {
  commands_.openFile();
  accept();
}

void TForm4::BitBtn3Click() { done(kQuit); }

}  // namespace zumoku
