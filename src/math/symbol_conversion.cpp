#include "math/symbol_conversion.h"

#include <array>

#include "buffer/literal.h"
#include "encoding/line_ends.h"

namespace zumoku::math {

namespace {
struct SymbolRule {
  std::string pattern;  // in the document's encoding
  std::string_view replacement;
};

using SymbolTable = std::array<SymbolRule, 8>;

// The cosine word comes before the sine word, which it contains.
SymbolTable MakeSymbolTable(Encoding encoding) {
  const auto rule = [&](std::string_view symbol, std::string_view command) {
    return SymbolRule{Literal(symbol, encoding), command};
  };
  return {rule("Θ", "\\theta "),  rule("｛", "\\{"),       rule("｝", "\\}"),          rule("＼", "\\backslash "),
          rule("（", "\\left( "), rule("）", "\\right) "), rule("コサイン", "\\cos "), rule("サイン", "\\sin ")};
}

const SymbolTable& SymbolTableFor(Encoding encoding) {
  static const SymbolTable sjis = MakeSymbolTable(Encoding::kShiftJis);
  static const SymbolTable utf8 = MakeSymbolTable(Encoding::kUtf8);
  return encoding == Encoding::kUtf8 ? utf8 : sjis;
}
}  // namespace

std::string ReplaceCharacters(std::string_view text, std::string_view pattern, std::string_view replacement,
                              Encoding encoding) {
  if (pattern.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  std::size_t copied = 0;    // text before this is in result
  std::size_t boundary = 0;  // a character boundary, never past the next hit
  std::size_t from = 0;
  for (auto hit = text.find(pattern); hit != std::string_view::npos; hit = text.find(pattern, from)) {
    while (boundary < hit) boundary += CharLengthAt(text, boundary, encoding);
    from = hit + 1;
    if (boundary != hit) continue;  // begins on a trail byte
    result.append(text.substr(copied, hit - copied)).append(replacement);
    copied = boundary = from = hit + pattern.size();
  }
  return result.append(text.substr(copied));
}

std::string ConvertSymbols(std::string_view text, Encoding encoding) {
  // The replacements hold no line ends, so ending the lines after each step
  // of the table would give back its input; once before the table is enough.
  std::string converted = EndEveryLine(text);
  for (const auto& rule : SymbolTableFor(encoding)) {
    converted = ReplaceCharacters(converted, rule.pattern, rule.replacement, encoding);
  }
  return converted;
}

void ConvertSelectedSymbols(EditBuffer& buffer) {
  buffer.SetSelText(ConvertSymbols(buffer.SelText(), buffer.TextEncoding()));
}

}  // namespace zumoku::math
