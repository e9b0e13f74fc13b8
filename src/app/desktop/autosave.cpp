#include "app/desktop/autosave.h"

#include <QDateTime>

#include "app/desktop/write_error_text.h"

namespace zumoku {

Autosave::Autosave(QObject* parent, const Document& document, const EditBuffer& buffer, RecoveryFolder folder,
                   std::function<void(const QString&)> showStatus)
    : QObject(parent),
      document_(document),
      buffer_(buffer),
      folder_(std::move(folder)),
      showStatus_(std::move(showStatus)),
      timer_(this),
      writer_([this](std::error_code error) {
        QMetaObject::invokeMethod(
            this, [this, error] { Written(error); }, Qt::QueuedConnection);
      }) {
  setObjectName(QStringLiteral("Autosave1"));
  timer_.setObjectName(QStringLiteral("AutosaveTimer"));
  connect(&timer_, &QTimer::timeout, this, &Autosave::SaveNow);
}

void Autosave::SetInterval(int seconds) {
  if (seconds <= 0) return timer_.stop();
  timer_.start(seconds * 1000);
}

bool Autosave::SaveNow() {
  DocumentChanged();
  if (!buffer_.Modified()) return false;
  std::function<std::string()> bytes;
  try {
    bytes = document_.BytesToSaveLater();
  } catch (const UnencodableText&) {
    return false;  // Save tells why such text cannot be written
  }
  if (!slot_) {
    slotDocument_ = DocumentPath();
    slot_ = folder_.SlotFor(slotDocument_, self_);
  }
  const RecoveryRecord record{
      .writer = self_, .savedAt = QDateTime::currentSecsSinceEpoch(), .documentPath = slotDocument_};
  writer_.Post([folder = folder_, slot = *slot_, record, bytes = std::move(bytes)] {
    return folder.Write(slot, record, bytes());
  });
  return true;
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

void Autosave::Written(std::error_code error) {
  if (error && !failureTold_) {
    showStatus_(QStringLiteral("自動保存できません（%1 に書き込めません：%2）")
                    .arg(QString::fromStdString(folder_.Path()), WriteErrorText(error)));
  }
  failureTold_ = static_cast<bool>(error);
  emit written(!error);
}

}  // namespace zumoku
