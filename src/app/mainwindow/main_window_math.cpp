// Math mode: the switch between the two context menus and the commands of
// the formula menu.
#include "app/dialogs/matrix_dialog.h"
#include "app/editor/inserted_braces.h"
#include "app/mainwindow/main_window.h"
#include "app/widgets/image_list.h"
#include "math/formula.h"
#include "math/matrix.h"
#include "math/symbol_conversion.h"
#include "math/typing_aid.h"

namespace zumoku {

// The button shows the word of the mode a click switches to.
void TForm1::SetPopupMode(PopupMode mode) {
  popupMode_ = mode;
  const bool math = mode == PopupMode::Math;
  ToolButton4->setIcon(ImageList1.at(math ? kImageBasic : kImageMath));
  ToolButton4->setToolTip(math ? QStringLiteral("基本コマンドに変更") : QStringLiteral("数式コマンドに変更"));
  SetStatusPanelText(1, math ? QStringLiteral("PopUpモード：数式モード") : QStringLiteral("PopUpモード：基本モード"));
}

void TForm1::N44Click() { SetPopupMode(PopupMode::Math); }
void TForm1::N47Click() { SetPopupMode(PopupMode::Basic); }

void TForm1::ToolButton4Click() { SetPopupMode(popupMode_ == PopupMode::Basic ? PopupMode::Math : PopupMode::Basic); }

void TForm1::PopupMenu2Popup() {
  InlineMathSelected = math::IsInlineMath(Buffer().SelText());
  N48->setText(InlineMathSelected ? QStringLiteral("$...$の数式環境を解除する")
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
  TForm5 dialog(this);
  if (dialog.exec() != QDialog::Accepted) return;
  RunCommand([&] {
    TellWhetherAmsmathIsNamed(
        *this, math::InsertMatrix(Buffer(), dialog.RowCount(), dialog.ColumnCount(), dialog.BracketEnvironment()));
  });
}

void TForm1::memo1KeyPress(char& Key) {
  const options::TypingOptions& typing = options_.typing;
  if (typing.stepOverClosingBrace && Key == '}' && insertedBraces_->StepOver()) {
    Key = 0;
    return;
  }
  if (!typing.typingAid) return;
  // Every completion ends in one closing byte, which the caret goes before.
  if (math::CompleteTypedCharacter(Buffer(), Key)) {
    memo1->SetCaretOffset(memo1->CaretOffset() - 1);
    insertedBraces_->RememberAfterCaret();
  }
}

}  // namespace zumoku
