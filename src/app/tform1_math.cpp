// Math mode: the switch between the two context menus and the commands of
// the formula menu.
#include <QTextCursor>

#include "math/formula.h"
#include "math/matrix.h"
#include "app/image_list.h"
#include "math/symbol_conversion.h"
#include "app/tform1.h"
#include "app/tform5.h"
#include "math/typing_aid.h"

namespace zumoku {

// The button shows the word of the mode a click switches to.
void TForm1::SetPopupMode(PopupMode mode) {
  popupMode_ = mode;
  const bool math = mode == PopupMode::Math;
  ToolButton4->setIcon(ImageList1.at(math ? kImageBasic : kImageMath));
  SetStatusPanelText(1, math ? QStringLiteral("PopUpモード：数式モード") : QStringLiteral("PopUpモード：基本モード"));
}

void TForm1::N44Click() { SetPopupMode(PopupMode::Math); }
void TForm1::N47Click() { SetPopupMode(PopupMode::Basic); }

void TForm1::ToolButton4Click() {
  SetPopupMode(popupMode_ == PopupMode::Basic ? PopupMode::Math : PopupMode::Basic);
}

void TForm1::PopupMenu2Popup() {
  InlineMathSelected = math::IsInlineMath(Buffer().SelText());
  N48->setText(InlineMathSelected ? QStringLiteral("$...$の数式環境を解除する")
                                  : QStringLiteral("$...$の数式環境に入れる"));
}

void TForm1::N48Click() { math::ToggleInlineMath(Buffer(), InlineMathSelected); }
void TForm1::equation1Click() { math::WrapInDisplay(Buffer(), math::kEquation); }
void TForm1::gather1Click() { math::WrapInDisplay(Buffer(), math::kGather); }
void TForm1::equation2Click() { math::WrapInDisplay(Buffer(), math::kEquationStar); }
void TForm1::gather2Click() { math::WrapInDisplay(Buffer(), math::kGatherStar); }
void TForm1::TeX6Click() { math::ConvertSelectedSymbols(Buffer()); }

void TForm1::N42Click() {
  TForm5 dialog(this);
  if (dialog.exec() != QDialog::Accepted) return;
  math::InsertMatrix(Buffer(), dialog.RowCount(), dialog.ColumnCount(), dialog.BracketEnvironment());
}

void TForm1::memo1KeyPress(char& Key) {
  // Moved on the widget itself: a byte position would cost a walk through
  // the whole document on every keystroke.
  if (math::CompleteTypedCharacter(Buffer(), Key)) memo1->moveCursor(QTextCursor::PreviousCharacter);
}

}  // namespace zumoku
