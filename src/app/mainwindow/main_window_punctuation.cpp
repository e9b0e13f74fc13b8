// "句読点を統一" (編集 menu): the punctuation of the selection or the whole
// text made one style; and the count of each style, the format panel's
// tooltip, taken when a document is opened or saved and when typing pauses,
// never on a keystroke.
#include <QTimer>

#include "app/mainwindow/main_window.h"
#include "app/widgets/menu_items.h"
#include "app/widgets/status_panel.h"
#include "punctuation/unify_punctuation.h"

namespace zumoku {

namespace {
// How long typing pauses before the styles are counted again.
constexpr int kCountAfterMilliseconds = 1000;
}  // namespace

void TForm1::BuildPunctuationMenu(QMenu* edit) {
  AddSeparator(edit, "PunctuationSeparator1");
  QMenu* menu = AddSubmenu(edit, "Punctuation1", QStringLiteral("句読点を統一"));
  AddCommand(menu, "PunctuationFullwidth1", QStringLiteral("「，．」にする"), &TForm1::PunctuationFullwidth1Click);
  AddCommand(menu, "PunctuationIdeographic1", QStringLiteral("「、。」にする"), &TForm1::PunctuationIdeographic1Click);
  punctuationCount_ = new QTimer(this);
  punctuationCount_->setSingleShot(true);
  punctuationCount_->setInterval(kCountAfterMilliseconds);
  connect(punctuationCount_, &QTimer::timeout, this, &TForm1::CountPunctuation);
  connect(memo1, &Memo::edited, punctuationCount_, qOverload<>(&QTimer::start));
}

void TForm1::PunctuationFullwidth1Click() { UnifyPunctuation(punctuation::Style::kFullwidth); }

void TForm1::PunctuationIdeographic1Click() { UnifyPunctuation(punctuation::Style::kIdeographic); }

void TForm1::UnifyPunctuation(punctuation::Style style) {
  const int count = punctuation::UnifyPunctuation(Buffer(), style);
  SetStatusPanelText(0, count == 0 ? QStringLiteral("置き換える句読点はありません")
                                   : QStringLiteral("句読点を %1 個置き換えました").arg(count));
}

void TForm1::CountPunctuation() {
  punctuationCount_->stop();
  try {
    const auto counts = punctuation::CountMarks(Buffer().Text(), Buffer().TextEncoding());
    statusPanels_[3]->SetNote(QStringLiteral("、。 %1 / ，． %2").arg(counts.ideographic).arg(counts.fullwidth));
  } catch (const UnencodableText&) {
    // Text no entry lets in; the next command that reads it says so.
  }
}

}  // namespace zumoku
