// "新しい章ファイル...": a new file of the paper beside or below its root,
// read by an \input written at the root's caret, then opened.
#include <QInputDialog>

#include "app/desktop/error_box.h"
#include "app/mainwindow/main_window.h"
#include "paper/new_chapter.h"
#include "paper/paper_paths.h"

namespace zumoku {

void TForm1::NewChapter1Click() {
  if (CurrentFileName().isEmpty()) return ShowErrorBox(this, QStringLiteral("先に文書を保存してください。"));
  const paper::Root root = DocumentRoot(Buffer().Text());
  if (!root.error.empty()) return ShowErrorBox(this, QString::fromStdString(root.error));
  // The \input goes into the root, which is then saved or not as the user says.
  if (!root.candidates.empty() || !root.IsDocument(document_->CurrentFileName())) {
    const QString named =
        root.path.empty() ? QString() : QString::fromStdString(" " + paper::FileNameOf(root.path) + " ");
    return ShowErrorBox(
        this, QStringLiteral(
                  "章ファイルは親ファイルに \\input を書き込んで作ります。親ファイル%1を開いてから実行してください。")
                  .arg(named));
  }
  bool given = false;
  const QString typed =
      QInputDialog::getText(this, QStringLiteral("新しい章ファイル"),
                            QStringLiteral("章ファイルの名前 (親ファイルのフォルダーから。例: chap3、sub/chap3):"),
                            QLineEdit::Normal, {}, &given);
  if (!given) return;
  const auto planned =
      paper::PlanNewChapter(files_, document_->CurrentFileName(), typed.trimmed().toStdString(), document_->Format());
  if (const auto* refusal = std::get_if<std::string>(&planned)) {
    return ShowErrorBox(this, QString::fromStdString(*refusal));
  }
  const auto& chapter = std::get<paper::NewChapter>(planned);
  if (!files_.Write(chapter.path, chapter.bytes)) {
    return ShowErrorBox(this, QStringLiteral("%1 を書き込めませんでした。").arg(QString::fromStdString(chapter.path)));
  }
  EditBuffer& buffer = Buffer();
  buffer.BeginUndoStep();
  buffer.SetSelLength(0);  // at the caret: a selection stays
  buffer.SetSelText(chapter.input);
  buffer.EndUndoStep();
  OpenPaperFile(QString::fromStdString(chapter.path));
}

}  // namespace zumoku
