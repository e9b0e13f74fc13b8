#pragma once
// Autosave: while the document has unsaved changes, its bytes as Save would
// write them go to a recovery file every interval, never over the document.
// Only a snapshot of the text is taken on the window's thread; the bytes are
// made from it and written on a worker. The
// file goes once the changes are saved, thrown away or replaced.
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

#include "app/desktop/recovery_writer.h"
#include "buffer/edit_buffer.h"
#include "documents/document.h"
#include "recovery/recovery_folder.h"

namespace zumoku {

class Autosave : public QObject {
  Q_OBJECT
 public:
  // `showStatus` writes into panel 0.
  Autosave(QObject* parent, const Document& document, const EditBuffer& buffer, RecoveryFolder folder,
           std::function<void(const QString&)> showStatus);

  // 0 turns autosave off.
  void SetInterval(int seconds);

  // Writes the recovery file now if there are unsaved changes, and removes
  // it if there are none. True when a write was started.
  bool SaveNow();
  // After a command that may have saved, named or replaced the document:
  // removes the recovery file of text that is saved or gone.
  void DocumentChanged();
  // The user threw the changes away: removes the recovery file.
  void Discard();
  // `left`, recovered into the document, becomes this program's recovery
  // file, written again at once under this program's name.
  void Adopt(const LeftRecovery& left);

 signals:
  // After each write, on the window's thread.
  void written(bool ok);

 private:
  // The document's file, empty for a document that has none.
  std::string DocumentPath() const;
  void RemoveFile();
  void Written(std::error_code error);

  const Document& document_;
  const EditBuffer& buffer_;
  RecoveryFolder folder_;
  std::function<void(const QString&)> showStatus_;
  const ProcessIdentity self_ = ThisProcess();
  QTimer timer_;  // "AutosaveTimer", active while autosave is on
  // This program's recovery file, once written, and the document it holds.
  std::optional<RecoverySlot> slot_;
  std::string slotDocument_;
  // A failed write is told once, until a write succeeds again.
  bool failureTold_ = false;
  RecoveryWriter writer_;  // last: its thread ends before the rest goes
};

}  // namespace zumoku
