// "最近使ったファイル": the documents last opened or saved, and "一覧を消去".
#include <QMenu>

#include "app/mainwindow/main_window.h"
#include "app/widgets/menu_items.h"

namespace zumoku {

namespace {
// "&1 path" for the first nine, "1&0 path" for the tenth; an "&" in the path
// is shown as itself, not taken as an accelerator.
QString EntryCaption(std::size_t index, const std::string& path) {
  const QString number = index < 9 ? QStringLiteral("&%1").arg(index + 1) : QStringLiteral("1&0");
  return number + u' ' + QString::fromStdString(path).replace(u'&', QStringLiteral("&&"));
}
}  // namespace

void TForm1::BuildRecentMenu(QMenu* file) {
  std::vector<std::string> paths;
  for (const QString& path : programSettings_->RecentFiles()) paths.push_back(path.toStdString());
  recent_ = RecentFiles(std::move(paths));
  Recent1 = AddSubmenu(file, "Recent1", QStringLiteral("最近使ったファイル"));
  FillRecentMenu();
}

void TForm1::FillRecentMenu() {
  // Not deleted at once: the entry that started this may still be emitting.
  for (QAction* old : Recent1->actions()) {
    Recent1->removeAction(old);
    old->setObjectName(QString());
    old->deleteLater();
  }
  const std::vector<std::string>& paths = recent_.Paths();
  for (std::size_t index = 0; index < paths.size(); ++index) {
    QAction* entry = Recent1->addAction(EntryCaption(index, paths[index]));
    entry->setObjectName(QStringLiteral("RecentFile%1").arg(index + 1));
    const QString path = QString::fromStdString(paths[index]);
    connect(entry, &QAction::triggered, this, [this, path] { RecentFileClick(path); });
  }
  AddSeparator(Recent1, "RecentSeparator1");
  QAction* clear = AddItem(Recent1, "ClearRecent1", QStringLiteral("一覧を消去"));
  clear->setEnabled(!paths.empty());
  connect(clear, &QAction::triggered, this, &TForm1::ClearRecent1Click);
}

void TForm1::RecentFileClick(const QString& path) {
  if (document_->OpenListedFile(path.toStdString())) return DocumentCommandDone();
  // Gone: the document, even when it was that file, stays as it was.
  recent_.Remove(path.toStdString());
  RememberRecentFiles();
}

void TForm1::ClearRecent1Click() {
  recent_.Clear();
  RememberRecentFiles();
}

void TForm1::RememberRecentFiles() {
  QStringList paths;
  for (const std::string& path : recent_.Paths()) paths << QString::fromStdString(path);
  programSettings_->SetRecentFiles(paths);
  FillRecentMenu();
}

}  // namespace zumoku
