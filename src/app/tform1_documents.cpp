// The document commands: "開く...", "上書き保存", "名前をつけて保存...",
// "終了", the Open and Save toolbar buttons, closing the window and files
// dropped on it.
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <vector>

#include "app/dropped_files.h"
#include "app/tform1.h"

namespace zumoku {

void TForm1::SetUpDocuments() {
  prompts_ = std::make_unique<WindowPrompts>(*this, *Save1);
  document_ = std::make_unique<Document>(*buffer_, files_, *prompts_);
  setWindowTitle(QString::fromStdString(document_->Caption()));
  setAcceptDrops(true);
}

QString TForm1::CurrentFileName() const { return QString::fromStdString(document_->CurrentFileName()); }

void TForm1::Open1Click() { document_->Open(); }
void TForm1::Save1Click() { document_->Save(); }
void TForm1::SaveAs1Click() { document_->SaveAs(); }
void TForm1::Exit1Click() { close(); }

// A full path, as the Open dialog gives, so the caption and the folder
// button do not depend on the working folder.
void TForm1::OpenFile(const QString& path) { document_->OpenFile(QFileInfo(path).absoluteFilePath().toStdString()); }

void TForm1::closeEvent(QCloseEvent* event) { event->setAccepted(document_->Exit()); }

void TForm1::DropFiles(const QStringList& paths) {
  std::vector<std::string> files;
  for (const QString& path : paths) files.push_back(path.toStdString());
  document_->DropFiles(files);
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
  const QStringList paths = LocalFiles(event->mimeData());
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  // Runs once the drop has returned: the flow may show dialogs, and the
  // program the files came from should not wait for them.
  QMetaObject::invokeMethod(this, [this, paths] { DropFiles(paths); }, Qt::QueuedConnection);
}

}  // namespace zumoku
