// Math mode: the switch between the two context menus and the commands of
// the formula menu.
#include <QTextCursor>
#include <QToolButton>

#include "math/formula.h"
#include "app/image_list.h"
#include "math/symbol_conversion.h"
#include "app/tform1.h"
#include "app/tform5.h"
#include "math/typing_aid.h"

namespace zumoku {

void TForm1::ConnectMathMode() {
  // PopupMenu1 and the toolbar are built elsewhere; their entries are found by name.
  connect(PopupMenu1->findChild<QAction*>(QStringLiteral("N44")), &QAction::triggered, this, &TForm1::N44Click);
  connect(findChild<QToolButton*>(QStringLiteral("ToolButton4")), &QToolButton::clicked, this,
          &TForm1::ToolButton4Click);
  memo1_->SetKeyPressHandler([this](char& key) { memo1KeyPress(key); });
}

// The button shows the word of the mode a click switches to.
void TForm1::SetPopupMode(PopupMode mode) {
  const bool math = mode == PopupMode::Math;
  auto* button = findChild<QToolButton*>(QStringLiteral("ToolButton4"));
  const int image = math ? kImageBasic : kImageMath;
  button->setProperty("imageIndex", image);
  button->setIcon(ImageList1.at(image));
  currentPopup_ = math ? PopupMenu2 : PopupMenu1;
  SetStatusPanelText(1, math ? QStringLiteral("PopUpモード：数式モード") : QStringLiteral("PopUpモード：基本モード"));
}

void TForm1::N44Click() { SetPopupMode(PopupMode::Math); }
void TForm1::N47Click() { SetPopupMode(PopupMode::Basic); }

void TForm1::ToolButton4Click() {
  const int image = findChild<QToolButton*>(QStringLiteral("ToolButton4"))->property("imageIndex").toInt();
  SetPopupMode(image == kImageMath ? PopupMode::Math : PopupMode::Basic);
}

void TForm1::PopupMenu2Popup() {
  InlineMathSelected = math::IsInlineMath(Buffer().SelText());
  PopupMenu2->findChild<QAction*>(QStringLiteral("N48"))
      ->setText(InlineMathSelected ? QStringLiteral("$...$の数式環境を解除する")
                                   : QStringLiteral("$...$の数式環境に入れる"));
}

namespace {
// Without a preamble no package line can be written; panel 0 says what the
// formula still needs.
void TellWhetherAmsmathIsNamed(TForm1& form, bool named) {
  if (!named) form.SetStatusPanelText(0, QStringLiteral("amsmathパッケージが必要です"));
}

void WrapInDisplay(TForm1& form, const math::DisplayEnvironment& environment) {
  TellWhetherAmsmathIsNamed(form, math::WrapInDisplay(form.Buffer(), environment));
}
}  // namespace

void TForm1::N48Click() { math::ToggleInlineMath(Buffer(), InlineMathSelected); }
void TForm1::equation1Click() { WrapInDisplay(*this, math::kEquation); }
void TForm1::gather1Click() { WrapInDisplay(*this, math::kGather); }
void TForm1::equation2Click() { WrapInDisplay(*this, math::kEquationStar); }
void TForm1::gather2Click() { WrapInDisplay(*this, math::kGatherStar); }
void TForm1::TeX6Click() { math::ConvertSelectedSymbols(Buffer()); }

void TForm1::N42Click() {
  TForm5 dialog(Buffer(), this);
  if (dialog.exec() == QDialog::Accepted) TellWhetherAmsmathIsNamed(*this, dialog.AmsmathNamed());
}

void TForm1::memo1KeyPress(char& Key) {
  // Moved on the widget itself: a byte position would cost a walk through
  // the whole document on every keystroke.
  if (math::CompleteTypedCharacter(Buffer(), Key)) memo1_->moveCursor(QTextCursor::PreviousCharacter);
}

}  // namespace zumoku
