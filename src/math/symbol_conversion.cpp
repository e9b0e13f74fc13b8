#include "math/symbol_conversion.h"

#include <array>

#include "buffer/line_ends.h"
#include "buffer/sjis.h"
#include "buffer/sjis_literal.h"

namespace zumoku::math {

namespace {
struct SymbolRule {
  std::string pattern;  // Shift_JIS
  std::string_view replacement;
};

// The cosine word comes before the sine word, which it contains.
const std::array<SymbolRule, 8>& SymbolTable() {
  static const std::array<SymbolRule, 8> table = {{
      {Sjis("Θ"), "\\theta "},
      {Sjis("｛"), "\\{"},
      {Sjis("｝"), "\\}"},
      {Sjis("＼"), "\\backslash "},
      {Sjis("（"), "\\left( "},
      {Sjis("）"), "\\right) "},
      {Sjis("コサイン"), "\\cos "},
      {Sjis("サイン"), "\\sin "},
  }};
  return table;
}
}  // namespace

std::string ReplaceCharacters(std::string_view text, std::string_view pattern, std::string_view replacement) {
  if (pattern.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  std::size_t copied = 0;    // text before this is in result
  std::size_t boundary = 0;  // a character boundary, never past the next hit
  std::size_t from = 0;
  for (auto hit = text.find(pattern); hit != std::string_view::npos; hit = text.find(pattern, from)) {
    while (boundary < hit) boundary += CharLengthAt(text, boundary);
    from = hit + 1;
    if (boundary != hit) continue;  // begins on a trail byte
    result.append(text.substr(copied, hit - copied)).append(replacement);
    copied = boundary = from = hit + pattern.size();
  }
  return result.append(text.substr(copied));
}

std::string ConvertSymbols(std::string_view text) {
  // The replacements hold no line ends, so ending the lines after each step
  // of the table would give back its input; once before the table is enough.
  std::string converted = EndEveryLine(text);
  for (const auto& rule : SymbolTable()) converted = ReplaceCharacters(converted, rule.pattern, rule.replacement);
  return converted;
}

void ConvertSelectedSymbols(EditBuffer& buffer) { buffer.SetSelText(ConvertSymbols(buffer.SelText())); }

}  // namespace zumoku::math
