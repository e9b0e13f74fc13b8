#include "search/regex_error.h"

#include <QString>
#include <algorithm>
#include <utility>

namespace zumoku::search {

namespace {
// The faults a pattern typed by hand most often has, by the regular
// expression library's own wording.
constexpr std::pair<const char*, const char*> kFaults[] = {
    {"missing closing parenthesis", "「(」に対応する「)」がありません"},
    {"unmatched closing parenthesis", "「)」に対応する「(」がありません"},
    {"missing terminating ] for character class", "文字クラスを閉じる「]」がありません"},
    {"quantifier does not follow a repeatable item", "繰り返しの指定の前に繰り返せるものがありません"},
    {"\\ at end of pattern", "パターンが「\\」で終わっています"},
    {"reference to non-existent subpattern", "ないグループを参照しています"},
    {"range out of order in character class", "文字クラスの範囲の順序が逆です"},
    {"numbers out of order in {} quantifier", "「{}」の回数の順序が逆です"},
    {"number too big in {} quantifier", "「{}」の回数が大きすぎます"},
    {"unrecognized character follows \\", "「\\」の後ろの文字が使えません"},
    {"lookbehind assertion is not fixed length", "後読みの長さが決まっていません"},
};

// Ours for the common faults; for the others Qt's own Japanese translation
// where the program loaded it and it has the message, or a general one.
QString Fault(const QString& error) {
  for (const auto& [english, japanese] : kFaults) {
    if (error.startsWith(QLatin1String(english))) return QString::fromUtf8(japanese);
  }
  const bool translated = std::any_of(error.begin(), error.end(), [](QChar c) { return c.unicode() > 0x7F; });
  return translated ? error : QStringLiteral("正規表現として読めません");
}
}  // namespace

std::string RegexErrorText(const QRegularExpression& expression) {
  const QString fault = Fault(expression.errorString());
  const QString where = QStringLiteral("（%1 文字目）").arg(expression.patternErrorOffset() + 1);
  return (QStringLiteral("正規表現の誤り: ") + fault + where).toStdString();
}

}  // namespace zumoku::search
