#include "app/editor/entry_policy.h"

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

}  // namespace zumoku
