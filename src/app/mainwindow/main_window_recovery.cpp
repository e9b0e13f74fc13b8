// Autosave to recovery files and, at start, the recovery window for what
// earlier runs left unsaved.
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "app/desktop/autosave.h"
#include "app/desktop/error_box.h"
#include "app/dialogs/recovery_window.h"
#include "app/mainwindow/main_window.h"
#include "recovery/recovery_folder.h"

namespace zumoku {

namespace {
RecoveryWindow::Row RowOf(const RecoveryRecord& record) {
  const QFileInfo file(QString::fromStdString(record.documentPath));
  const bool named = !record.documentPath.empty();
  return {.name = named ? file.fileName() : QStringLiteral("NEW_File.tex"),
          .path = named ? file.absolutePath() : QStringLiteral("（保存されていない新規文書）"),
          .time = QDateTime::fromSecsSinceEpoch(record.savedAt).toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"))};
}
}  // namespace

void TForm1::SetUpRecovery(const QString& dataFolder) {
  recovery_ =
      std::make_unique<RecoveryFolder>(files_, QDir(dataFolder).filePath(QStringLiteral("recovery")).toStdString());
  autosave_ = new Autosave(this, *document_, *buffer_, *recovery_, StatusWriter());
}

bool TForm1::OfferRecovery() {
  const std::vector<LeftRecovery> left = recovery_->LeftBehind();
  if (left.empty()) return false;
  std::vector<RecoveryWindow::Row> rows;
  for (const LeftRecovery& one : left) rows.push_back(RowOf(one.record));
  bool restored = false;
  RecoveryWindow window(this, rows,
                        {.restore = [&](int row) { restored = RestoreLeft(left[row]); },
                         .discard = [&](int row) { recovery_->Remove(left[row].slot); }});
  window.exec();
  return restored;
}

bool TForm1::RestoreLeft(const LeftRecovery& left) {
  const auto bytes = files_.Read(left.slot.bytesPath);
  if (!bytes) {
    ShowErrorBox(this, QStringLiteral("ファイル %1 は開けません").arg(QString::fromStdString(left.slot.bytesPath)));
    return false;
  }
  document_->Recover(left.record.documentPath, *bytes);
  autosave_->Adopt(left);
  DocumentCommandDone();
  return true;
}

}  // namespace zumoku
