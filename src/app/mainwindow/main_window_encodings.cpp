// The encoding commands: reading the document's file again in a chosen
// encoding, and saving it in another encoding or with other line ends.
#include <array>
#include <utility>

#include "app/dialogs/format_dialog.h"
#include "app/mainwindow/main_window.h"
#include "app/widgets/menu_items.h"

namespace zumoku {

void TForm1::BuildEncodingEntries(QMenu* file) {
  AddSeparator(file, "EncodingSeparator1");
  Reopen1 = file->addMenu(QStringLiteral("文字コードを指定して開き直す"));
  Reopen1->setObjectName(QStringLiteral("Reopen1"));
  // Document flows, not commands of the text: no undo step around them.
  const auto add = [this](QMenu* menu, const char* name, const QString& caption, void (TForm1::*slot)()) {
    QAction* action = AddItem(menu, name, caption);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };
  // The document's own encoding carries the check mark.
  const std::array<std::pair<QAction*, Encoding>, 2> reopens{{
      {add(Reopen1, "ReopenShiftJis1", QStringLiteral("Shift_JIS"), &TForm1::ReopenShiftJis1Click),
       Encoding::kShiftJis},
      {add(Reopen1, "ReopenUtf81", QStringLiteral("UTF-8"), &TForm1::ReopenUtf81Click), Encoding::kUtf8},
  }};
  for (const auto& reopen : reopens) reopen.first->setCheckable(true);
  add(file, "SaveInFormat1", QStringLiteral("文字コードを変えて保存..."), &TForm1::SaveInFormat1Click);
  connect(file, &QMenu::aboutToShow, this, [this, reopens] {
    Reopen1->setEnabled(document_->HasFile());
    for (const auto& [action, encoding] : reopens) action->setChecked(encoding == document_->Format().encoding);
  });
}

void TForm1::ReopenShiftJis1Click() { document_->ReopenAs(Encoding::kShiftJis); }

void TForm1::ReopenUtf81Click() { document_->ReopenAs(Encoding::kUtf8); }

void TForm1::SaveInFormat1Click() {
  const auto format = FormatDialog::Ask(this, document_->Format());
  if (!format) return;
  document_->SaveInFormat(*format);
  WatchDocumentFile();
  CountPunctuation();
}

}  // namespace zumoku
