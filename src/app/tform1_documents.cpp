// The document commands: "開く...", "上書き保存", "名前をつけて保存...",
// "終了", the Open and Save toolbar buttons, closing the window and files
// dropped on it.
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QToolButton>
#include <vector>

#include "app/dropped_files.h"
#include "app/file_menu_keys.h"
#include "app/tform1.h"

namespace zumoku {

void TForm1::SetUpDocuments() {
  auto* save1 = findChild<QAction*>(QStringLiteral("Save1"));
  prompts_ = std::make_unique<WindowPrompts>(*this, *save1);
  document_ = std::make_unique<Document>(*buffer_, files_, *prompts_);
  setWindowTitle(QString::fromStdString(document_->Caption()));

  connect(findChild<QAction*>(QStringLiteral("Open1")), &QAction::triggered, this, &TForm1::Open1Click);
  connect(save1, &QAction::triggered, this, &TForm1::Save1Click);
  connect(findChild<QAction*>(QStringLiteral("SaveAs1")), &QAction::triggered, this, &TForm1::SaveAs1Click);
  connect(findChild<QAction*>(QStringLiteral("Exit1")), &QAction::triggered, this, &TForm1::Exit1Click);
  connect(findChild<QToolButton*>(QStringLiteral("ToolButton2")), &QToolButton::clicked, this, &TForm1::Open1Click);
  // The button stays enabled while "上書き保存" is not; Save then runs Save As.
  connect(findChild<QToolButton*>(QStringLiteral("ToolButton3")), &QToolButton::clicked, this, &TForm1::Save1Click);
  SetFileMenuKeys(*this);
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
