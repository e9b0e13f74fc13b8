#include "app/editor/sjis_validator.h"

#include "buffer/codec.h"

namespace zumoku {

QValidator::State SjisValidator::validate(QString& input, int&) const {
  if (input.contains(u'\n') || input.contains(u'\r')) {
    emit refused(QStringLiteral("改行は入力できません"));
    return Invalid;
  }
  if (!codec::Encode(input, Encoding::kShiftJis, codec::LineEnds::kAsIs)) {
    emit refused(QStringLiteral("Shift_JISで表せない文字は入力できません"));
    return Invalid;
  }
  return Acceptable;
}

}  // namespace zumoku
