#include "app/widgets/sjis_validator.h"

#include "encoding/codec.h"

namespace zumoku {

QValidator::State SjisValidator::validate(QString& input, int&) const {
  if (!encoding_ && (input.contains(u'\n') || input.contains(u'\r'))) {
    emit refused(QStringLiteral("改行は入力できません"));
    return Invalid;
  }
  const Encoding encoding = encoding_ ? encoding_() : Encoding::kShiftJis;
  if (!codec::Encode(input, encoding, codec::LineEnds::kAsIs)) {
    emit refused(encoding == Encoding::kShiftJis ? QStringLiteral("Shift_JISで表せない文字は入力できません")
                                                 : QStringLiteral("文書に入力できない文字です"));
    return Invalid;
  }
  return Acceptable;
}

}  // namespace zumoku
