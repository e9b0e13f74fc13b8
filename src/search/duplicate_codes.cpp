#include "search/duplicate_codes.h"

#include <QHash>
#include <QString>

#include "encoding/codec.h"

namespace zumoku::search {

namespace {
bool IsVariationSelector(QChar c) { return c.unicode() >= 0xFE00 && c.unicode() <= 0xFE0F; }

// Each character that more than one code decodes to (a variation selector
// after it marking the codes that are not the preferred one), with its codes.
QHash<QChar, std::vector<std::string>> BuildTable() {
  QHash<QChar, std::vector<std::string>> byCharacter;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead > 0x9F && lead < 0xE0) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
      const QString decoded = codec::Decode(code, Encoding::kShiftJis);
      const bool single = decoded.size() == 1 || (decoded.size() == 2 && IsVariationSelector(decoded[1]));
      if (!single || codec::IsStandIn(decoded[0], Encoding::kShiftJis)) continue;
      byCharacter[decoded[0]].push_back(code);
    }
  }
  erase_if(byCharacter, [](const auto& entry) { return entry.value().size() < 2; });
  return byCharacter;
}
}  // namespace

std::vector<std::string> SjisCodesOfSameCharacter(std::string_view code) {
  static const QHash<QChar, std::vector<std::string>> table = BuildTable();
  std::vector<std::string> codes{std::string(code)};
  const QString decoded = codec::Decode(code, Encoding::kShiftJis);
  if (decoded.isEmpty()) return codes;
  for (const std::string& other : table.value(decoded[0])) {
    if (other != code) codes.push_back(other);
  }
  return codes;
}

}  // namespace zumoku::search
