// "プログラムの設定...": the options dialog, and the options put into
// effect in the open window, at start and at once after OK.
#include "app/completion/completer.h"
#include "app/desktop/autosave.h"
#include "app/dialogs/program_settings_dialog.h"
#include "app/editor/caret_marks.h"
#include "app/editor/editor_zoom.h"
#include "app/editor/inserted_braces.h"
#include "app/editor/line_number_margin.h"
#include "app/editor/shown_text_highlighter.h"
#include "app/mainwindow/main_window.h"
#include "app/typesetting/typesetting.h"
#include "app/widgets/fonts.h"

namespace zumoku {

void TForm1::SetUpOptions() {
  insertedBraces_ = std::make_unique<InsertedBraces>(*memo1);
  const options::ReadOptions read = programSettings_->Options();
  if (!read.unreadableKeys.empty()) {
    QStringList keys;
    for (const std::string& key : read.unreadableKeys) keys << QString::fromStdString(key);
    SetStatusPanelText(0,
                       QStringLiteral("設定の読めない値は既定値にしました（%1）").arg(keys.join(QStringLiteral("、"))));
  }
  ApplyOptions(read.options);
}

void TForm1::N8Click() {
  ProgramSettingsDialog dialog(this, options_);
  if (dialog.exec() != QDialog::Accepted) return;
  const options::ProgramOptions chosen = dialog.Options();
  programSettings_->SetOptions(chosen);
  ApplyOptions(chosen);
}

void TForm1::ApplyOptions(const options::ProgramOptions& options) {
  options_ = options;
  const options::EditorOptions& editor = options.editor;
  readingAids_.zoom->SetFont(EditorFont(QString::fromStdString(editor.fontFamily), editor.fontPixels));
  memo1->SetTabWidth(editor.tabWidth);
  readingAids_.margin->SetShown(editor.lineNumbers);
  readingAids_.caretMarks->SetCaretLineShown(editor.caretLine);
  readingAids_.caretMarks->SetBracesShown(editor.braceMatching);
  readingAids_.highlighter->SetEnabled(editor.highlighting);
  typesetting_->Runner().SetCommands(options.typeset.commands);
  typesetting_->SetPdfViewer(QString::fromStdString(options.typeset.pdfViewer));
  document_->SetNewDocumentFormat(options.document.newFormat);
  autosave_->SetInterval(options.document.autosaveSeconds);
  completer_->SetEnabled(options.typing.completion);
  completer_->SetCommandLetters(options.typing.completionLetters);
}

}  // namespace zumoku
