// Reading the document: highlighting and line numbers in memo1, the caret's
// line and column in panel 2, "行へ移動...", and the window title's mark
// for unsaved changes.
#include <QInputDialog>
#include <QLayout>
#include <algorithm>

#include "app/desktop/error_box.h"
#include "app/editor/reading_aids.h"
#include "app/mainwindow/main_window.h"
#include "app/widgets/dialog_style.h"
#include "encoding/codec.h"
#include "markup/parse_integer.h"

namespace zumoku {

void TForm1::SetUpView() {
  readingAids_ = AddReadingAids(*memo1);
  connect(memo1, &Memo::caretMoved, this, &TForm1::ShowCaretPlace);
  ShowCaretPlace();
  buffer_->SetModifiedWatcher([this](bool modified) { setWindowModified(modified); });
}

void TForm1::ShowCaretPlace() {
  const int line = memo1->CaretLine();
  // 桁 counts characters, so a pair of surrogates is one.
  const QString before =
      codec::Decode(memo1->Bytes({memo1->LineSpan(line).from, memo1->CaretOffset()}), memo1->TextEncoding());
  const auto column =
      before.size() - std::count_if(before.begin(), before.end(), [](QChar c) { return c.isLowSurrogate(); });
  SetStatusPanelText(2, QStringLiteral("%1 行 %2 桁").arg(line + 1).arg(column + 1));
}

void TForm1::GoToLine1Click() {
  QInputDialog dialog(this);
  dialog.setWindowTitle(QStringLiteral("行へ移動"));
  dialog.setLabelText(QStringLiteral("行番号："));
  // A size of its own: the window frame then draws no resize handle. The
  // dialog builds its layout when it is first measured.
  dialog.sizeHint();
  dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
  if (dialog.exec() != QDialog::Accepted) return;
  const QString text = dialog.textValue();
  const auto line = ParseInteger(text.toStdString());
  if (!line) {
    ShowErrorBox(this, NotWholeNumberMessage(text));
    return;
  }
  if (*line < 1 || *line > memo1->LineCount()) {
    ShowErrorBox(this, QStringLiteral("1 から %1 の行番号を入力してください").arg(memo1->LineCount()));
    return;
  }
  memo1->GoToLine(*line - 1);
}

}  // namespace zumoku
