// The "箇条書き" and "空白" commands: each asks for a count in a fresh count
// dialog and inserts with the last answer given (kept when the dialog is
// closed by its close box).
#include "app/dialogs/count_dialog.h"
#include "app/mainwindow/main_window.h"

namespace zumoku {

namespace {
void TakeAnswer(TForm2& dialog, int& itemCount, bool& headingLineBreak) {
  if (dialog.exec() != QDialog::Accepted) return;
  itemCount = dialog.ItemCount();
  headingLineBreak = dialog.HeadingLineBreak();
}
}  // namespace

void TForm1::InsertAskedList(const list::ListShape& shape) {
  TForm2 dialog(this);
  dialog.CheckBox1->setEnabled(list::OffersHeadingLineBreak(shape));
  TakeAnswer(dialog, ItemCount, HeadingLineBreak);
  list::InsertList(Buffer(), shape, ItemCount, HeadingLineBreak);
}

void TForm1::InsertAskedSpaces(const list::SpaceShape& shape) {
  TForm2 dialog(this);
  dialog.RelabelForSpaces();
  TakeAnswer(dialog, ItemCount, HeadingLineBreak);
  list::InsertSpaces(Buffer(), shape, ItemCount);
}

void TForm1::itemize1Click() { InsertAskedList(list::kItemize); }
void TForm1::enumerate1Click() { InsertAskedList(list::kEnumerate); }
void TForm1::description1Click() { InsertAskedList(list::kDescription); }
void TForm1::item1Click() { InsertAskedList(list::kItems); }
void TForm1::item2Click() { InsertAskedList(list::kHeadingItems); }
void TForm1::N20Click() { InsertAskedSpaces(list::kControlSpaces); }
void TForm1::N21Click() { InsertAskedSpaces(list::kTies); }

}  // namespace zumoku
