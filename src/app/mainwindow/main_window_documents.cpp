// The document commands: "開く...", "上書き保存", "名前をつけて保存...",
// "終了", the Open and Save toolbar buttons, closing the window, files
// dropped on it, and other programs' changes to the file.
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <vector>

#include "app/desktop/autosave.h"
#include "app/desktop/dropped_files.h"
#include "app/desktop/file_watcher.h"
#include "app/mainwindow/main_window.h"

namespace zumoku {

void TForm1::SetUpDocuments() {
  prompts_ = std::make_unique<WindowPrompts>(*this, *Save1, StatusWriter(),
                                             [this](const QString& format) { SetStatusPanelText(3, format); });
  prompts_->RememberFoldersIn(*programSettings_);
  document_ = std::make_unique<Document>(*buffer_, files_, *prompts_);
  prompts_->SetCaption(document_->Caption());
  AddSaveKeyWithoutFile();
  setAcceptDrops(true);
  fileWatcher_ = new FileWatcher(this);
  connect(fileWatcher_, &FileWatcher::changed, this, &TForm1::CheckDocumentFile);
}

// "上書き保存" is disabled while the document has no file, and its key with
// it; this key takes its place then and saves as the toolbar button does,
// asking for a name.
void TForm1::AddSaveKeyWithoutFile() {
  auto* key = new QAction(this);
  key->setShortcuts(Save1->shortcuts());
  key->setEnabled(!Save1->isEnabled());
  addAction(key);
  connect(Save1, &QAction::enabledChanged, key, [key](bool saveEnabled) { key->setEnabled(!saveEnabled); });
  connect(key, &QAction::triggered, this, &TForm1::Save1Click);
}

QString TForm1::CurrentFileName() const { return QString::fromStdString(document_->CurrentFileName()); }

void TForm1::Open1Click() {
  document_->Open();
  DocumentCommandDone();
}

void TForm1::Save1Click() {
  document_->Save();
  DocumentCommandDone();
}

void TForm1::SaveAs1Click() {
  document_->SaveAs();
  DocumentCommandDone();
}

void TForm1::Exit1Click() { close(); }

// A full path, as the Open dialog gives, so the caption and the folder
// button do not depend on the working folder.
void TForm1::OpenFile(const QString& path) {
  document_->OpenFile(QFileInfo(path).absoluteFilePath().toStdString());
  DocumentCommandDone();
}

void TForm1::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // Once the activation is over, so that a question asked then has the
  // window behind it.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    QMetaObject::invokeMethod(this, &TForm1::CheckDocumentFile, Qt::QueuedConnection);
  }
}

void TForm1::CheckDocumentFile() {
  // Not while a dialog is open: the command that opened it is still running.
  if (QApplication::activeModalWidget() != nullptr) return;
  document_->CheckFileOnDisk();
}

void TForm1::WatchDocumentFile() { fileWatcher_->Watch(document_->HasFile() ? CurrentFileName() : QString()); }

void TForm1::DocumentCommandDone() {
  WatchDocumentFile();
  if (document_->HasFile()) recent_.Add(document_->CurrentFileName());
  RememberRecentFiles();
  autosave_->DocumentChanged();
  CountPunctuation();
  ShowRoot();
  RefreshCompletion();
}

void TForm1::closeEvent(QCloseEvent* event) {
  event->setAccepted(document_->Exit());
  if (!event->isAccepted()) return;
  // Saved, or thrown away by the user's own answer.
  autosave_->Discard();
  RememberWindowPlace();
}

void TForm1::DropFiles(const QStringList& paths) {
  std::vector<std::string> files;
  for (const QString& path : paths) files.push_back(path.toStdString());
  document_->DropFiles(files);
  DocumentCommandDone();
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
  QMetaObject::invokeMethod(
      this, [this, paths] { DropFiles(paths); }, Qt::QueuedConnection);
}

}  // namespace zumoku
