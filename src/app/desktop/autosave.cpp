#include "app/desktop/autosave.h"

#include <QDateTime>

namespace zumoku {

Autosave::Autosave(QObject* parent, const Document& document, const EditBuffer& buffer, RecoveryFolder folder,
                   std::function<void(const QString&)> showStatus)
    : QObject(parent),
      document_(document),
      buffer_(buffer),
      folder_(std::move(folder)),
      showStatus_(std::move(showStatus)),
      writer_([this](bool ok) {
        QMetaObject::invokeMethod(
            this, [this, ok] { Written(ok); }, Qt::QueuedConnection);
      }) {
  setObjectName(QStringLiteral("Autosave1"));
  connect(&timer_, &QTimer::timeout, this, &Autosave::SaveNow);
}

void Autosave::SetInterval(int seconds) {
  if (seconds <= 0) return timer_.stop();
  timer_.start(seconds * 1000);
}

void Autosave::SaveNow() {
  DocumentChanged();
  if (!buffer_.Modified()) return;
  std::string bytes;
  try {
    bytes = document_.BytesToSave();
  } catch (const UnencodableText&) {
    return;  // Save tells why such text cannot be written
  }
  if (!slot_) {
    slotDocument_ = DocumentPath();
    slot_ = folder_.SlotFor(slotDocument_, self_);
  }
  const RecoveryRecord record{
      .writer = self_, .savedAt = QDateTime::currentSecsSinceEpoch(), .documentPath = slotDocument_};
  writer_.Post([folder = folder_, slot = *slot_, record, bytes = std::move(bytes)] {
    return folder.Write(slot, record, bytes);
  });
}

void Autosave::DocumentChanged() {
  if (slot_ && (!buffer_.Modified() || DocumentPath() != slotDocument_)) RemoveFile();
}

void Autosave::Discard() {
  if (slot_) RemoveFile();
}

void Autosave::Adopt(const LeftRecovery& left) {
  RemoveFile();
  slot_ = left.slot;
  slotDocument_ = left.record.documentPath;
  SaveNow();
}

std::string Autosave::DocumentPath() const { return document_.HasFile() ? document_.CurrentFileName() : std::string(); }

void Autosave::RemoveFile() {
  writer_.Cancel();
  if (slot_) folder_.Remove(*slot_);
  slot_.reset();
}

void Autosave::Written(bool ok) {
  if (!ok && !failureTold_) {
    showStatus_(
        QStringLiteral("自動保存できません（%1 に書き込めません）").arg(QString::fromStdString(folder_.Path())));
  }
  failureTold_ = !ok;
  emit written(ok);
}

}  // namespace zumoku
