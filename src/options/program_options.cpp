#include "options/program_options.h"

#include "markup/parse_integer.h"

namespace zumoku::options {

namespace {
bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }
}  // namespace

std::string CheckNumber(std::string_view text, Range range) {
  const auto number = ParseInteger(text);
  if (!number) return "半角の整数を入力してください";
  if (*number < range.least || *number > range.most) {
    return std::to_string(range.least) + " から " + std::to_string(range.most) + " までの数を入力してください";
  }
  return {};
}

int NumberOf(std::string_view text) { return ParseInteger(text).value_or(0); }

std::string CheckFontFamily(std::string_view family) {
  return IsBlank(family) ? "フォント名を入力してください" : std::string();
}

std::string CheckEngine(std::string_view engine, Encoding encoding) {
  if (engine == "uplatex" && encoding == Encoding::kShiftJis) return "upLaTeX は Shift_JIS の文書を扱えません";
  if (typeset::IsCommandLine(engine) && engine.find(typeset::kFileNameMark) == std::string_view::npos) {
    return "コマンドラインにファイル名の %f がありません";
  }
  return {};
}

std::string CheckDviToPdf(std::string_view command) {
  return IsBlank(command) ? "コマンドを入力してください" : std::string();
}

}  // namespace zumoku::options
