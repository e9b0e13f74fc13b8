#include "app/editor/entry_policy.h"

#include <Qt>

#include "encoding/codec.h"

namespace zumoku {

std::optional<QString> RefusedEntryMessage(const QString& text, Encoding encoding) {
  const auto refused = codec::FirstRefused(text, encoding);
  if (!refused) return std::nullopt;
  const bool printable = !refused->isSurrogate() && refused->isPrint();
  if (encoding == Encoding::kUtf8) {
    return printable ? QStringLiteral("「%1」は文書に入力できない文字です").arg(*refused)
                     : QStringLiteral("文書に入力できない文字です");
  }
  return printable ? QStringLiteral("「%1」はShift_JISで表せない文字のため入力できません").arg(*refused)
                   : QStringLiteral("Shift_JISで表せない文字は入力できません");
}

bool SwallowedByKeyPress(const KeyPressHandler& handler, const QString& keyText, Encoding encoding) {
  if (!handler || keyText.size() != 1 || !keyText.at(0).isPrint() || codec::ByteLength(keyText.at(0), encoding) != 1) {
    return false;
  }
  const auto bytes = codec::Encode(keyText, encoding);
  if (!bytes) return false;
  char key = bytes->front();
  handler(key);
  return key == 0;
}

std::optional<QString> Retyped(const TypedTextHandler& handler, const QString& text) {
  if (!handler || text.isEmpty()) return std::nullopt;
  QString changed = text;
  handler(changed);
  return changed == text ? std::nullopt : std::optional(changed);
}

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace zumoku
