#include "encoding/sjis_codec.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <cstdlib>
#include <memory>
#include <unordered_map>
#include <utility>

#include "encoding/line_ends.h"
#include "encoding/sjis.h"

namespace zumoku::codec::sjis {

namespace {

constexpr char16_t kStandInBase = kByteStandInBase;
// Unassigned pairs, in code order, after the user-defined characters
// (U+E000-U+E757) and before the lone bytes' stand-ins.
constexpr char16_t kFirstPairStandIn = 0xE758;
constexpr char16_t kLastPairStandIn = kStandInBase - 1;
constexpr char16_t kLastStandIn = kLastByteStandIn;
// VARIATION SELECTOR-1 and -2: a character's second and third code (∵ has
// three: 0x81E6, 0x879A, 0xFA5B).
constexpr char16_t kFirstSelector = 0xFE00;
constexpr char16_t kLastSelector = 0xFE01;
constexpr char16_t kNone = 0;
constexpr char16_t kParagraphSeparator = 0x2029;

bool IsSelector(char16_t u) { return u >= kFirstSelector && u <= kLastSelector; }
bool IsStandIn(char16_t u) { return u >= kFirstPairStandIn && u <= kLastStandIn; }
bool IsNulStandIn(char16_t u) { return u == kStandInBase; }

// Tables generated once from the system converter, so that converting a
// large document is a lookup per byte and the converter's rules stay the
// only source of the mapping.
struct Tables {
  std::array<char16_t, 256> single{};
  std::array<char16_t, 65536> pair{};                 // (lead << 8) | trail: its character or stand-in
  std::array<char16_t, 65536> selector{};             // after the pair's character when it is not its preferred code
  std::array<uint16_t, 65536> encode{};               // UTF-16 unit -> bytes, 0 = none
  std::array<uint8_t, 65536> width{};                 // stored bytes per UTF-16 unit
  std::unordered_map<uint32_t, uint16_t> otherCodes;  // (character << 16) | selector -> code

  Tables() {
    // A fresh converter per code: ICU keeps error state across calls.
    auto decodeOne = [](const QByteArray& bytes) -> char16_t {
      QStringDecoder decoder("Shift_JIS", QStringConverter::Flag::Stateless);
      const QString s = decoder.decode(bytes);
      return (decoder.hasError() || s.size() != 1) ? kNone : s.at(0).unicode();
    };
    for (int b = 0; b < 256; ++b) {
      const char16_t u = IsLeadByte(b) || b == 0 ? kNone : decodeOne(QByteArray(1, char(b)));
      single[b] = u == kNone ? char16_t(kStandInBase + b) : u;
      Claim(single[b], b, 1);
    }
    char16_t standIn = kFirstPairStandIn;
    ForEachPair([&](uint16_t code) {
      const char bytes[2] = {char(code >> 8), char(code & 0xFF)};
      const char16_t u = decodeOne(QByteArray(bytes, 2));
      // Code page 932 leaves fewer pairs unassigned than the range holds.
      if (u == kNone && standIn > kLastPairStandIn) std::abort();
      pair[code] = u == kNone ? standIn++ : u;
      Claim(pair[code], code, 2);
    });
    AddJisForms();
    PreferConverterForms();
    ForEachPair([&](uint16_t code) { SelectOtherCode(code); });
  }

  template <typename F>
  static void ForEachPair(F&& f) {
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsLeadByte(lead)) continue;
      for (int trail = 0x40; trail <= 0xFC; ++trail) {
        if (IsTrailByte(trail)) f(static_cast<uint16_t>((lead << 8) | trail));
      }
    }
  }

  // Japanese input methods on Linux produce the JIS X 0208 forms of a few
  // characters for which code page 932 uses other code points (〜 U+301C
  // where it has ～ U+FF5E at 0x8160). They are taken as those characters.
  // IBM's Shift_JIS converter decodes the JIS X 0208 rows (leads up to 0xEA)
  // with these forms; ¢, £ and ¬ it maps like code page 932, so those three
  // come from the JIS X 0208 mapping itself.
  void AddJisForms() {
    constexpr int kLastJisLead = 0xEA;
    ForEachPair([&](uint16_t code) {
      if ((code >> 8) > kLastJisLead || IsStandIn(pair[code])) return;
      const char bytes[2] = {char(code >> 8), char(code & 0xFF)};
      QStringDecoder decoder("ibm-943_P130-1999", QStringConverter::Flag::Stateless);
      const QString s = decoder.decode(QByteArray(bytes, 2));
      if (decoder.isValid() && !decoder.hasError() && s.size() == 1) Claim(s.at(0).unicode(), code, 2);
    });
    for (const auto& [u, code] : {std::pair<char16_t, uint16_t>{0x00A2, 0x8191}, {0x00A3, 0x8192}, {0x00AC, 0x81CA}}) {
      Claim(u, code, 2);
    }
  }

  void Claim(char16_t u, uint16_t bytes, uint8_t length) {
    if (u == kNone || width[u] != 0) return;
    encode[u] = bytes;
    width[u] = length;
  }

  // Where code page 932 has duplicate codes, entered text takes the
  // converter's own form.
  void PreferConverterForms() {
    for (int u = 0x80; u < 0x10000; ++u) {
      if (width[u] != 2) continue;
      QStringEncoder encoder("Shift_JIS", QStringConverter::Flag::Stateless);
      const QByteArray b = encoder.encode(QString(QChar(char16_t(u))));
      if (encoder.hasError() || b.size() != 2) continue;
      const uint16_t code = (uint8_t(b[0]) << 8) | uint8_t(b[1]);
      if (pair[code] == u) encode[u] = code;
    }
  }

  // A code that is not its character's preferred one gets the first
  // selector that no other code of the character has taken.
  void SelectOtherCode(uint16_t code) {
    const char16_t u = pair[code];
    if (encode[u] == code) return;
    char16_t s = kFirstSelector;
    while (otherCodes.contains(Key(u, s))) ++s;
    if (s > kLastSelector) std::abort();  // code page 932 has at most three codes per character
    selector[code] = s;
    otherCodes.emplace(Key(u, s), code);
  }

  // The code that `s` after `u` picks; 0 when it picks none.
  uint16_t OtherCode(QChar u, char16_t s) const {
    const auto found = otherCodes.find(Key(u.unicode(), s));
    return found == otherCodes.end() ? 0 : found->second;
  }

  static uint32_t Key(char16_t u, char16_t s) { return (uint32_t(u) << 16) | s; }
};

const Tables& ConverterTables() {
  static const auto tables = std::make_unique<Tables>();
  return *tables;
}

// The character before `at`, or none at the start.
QChar Before(QStringView text, qsizetype at) { return at > 0 ? text[at - 1] : QChar(); }

}  // namespace

QString Decode(std::string_view bytes) {
  const Tables& t = ConverterTables();
  QString out;
  // A pair makes at most two characters: no more than one per byte.
  out.resize(static_cast<qsizetype>(bytes.size()));
  QChar* o = out.data();
  qsizetype n = 0;
  for (std::size_t at = 0; at < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[at]);
    if (b == '\r' || b == '\n') {
      o[n++] = u'\n';
      at += LoadedLineEndAt(bytes, at);
      continue;
    }
    if (zumoku::SjisCharLengthAt(bytes, at) == 2) {
      const auto code = (b << 8) | static_cast<unsigned char>(bytes[at + 1]);
      o[n++] = t.pair[code];
      if (const char16_t s = t.selector[code]) o[n++] = s;
      at += 2;
      continue;
    }
    o[n++] = t.single[b];
    ++at;
  }
  out.truncate(n);
  return out;
}

std::optional<QChar> FirstRefused(QStringView text) {
  const Tables& t = ConverterTables();
  for (qsizetype at = 0; at < text.size(); ++at) {
    const char16_t u = text[at].unicode();
    if (u == u'\n' || u == kParagraphSeparator) continue;
    const bool held = t.width[u] != 0 || (IsSelector(u) && t.OtherCode(Before(text, at), u) != 0);
    if (!held || IsStandIn(u)) return text[at];
  }
  return std::nullopt;
}

std::optional<std::string> Encode(QStringView text, LineEnds lineEnds) {
  const Tables& t = ConverterTables();
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()) * 2);
  for (qsizetype at = 0; at < text.size(); ++at) {
    const char16_t u = text[at].unicode();
    if (lineEnds == LineEnds::kCrLf && (u == u'\n' || u == kParagraphSeparator)) {
      out.append("\r\n");
    } else if (t.width[u] == 1) {
      out.push_back(static_cast<char>(t.encode[u]));
    } else if (t.width[u] == 2) {
      out.push_back(static_cast<char>(t.encode[u] >> 8));
      out.push_back(static_cast<char>(t.encode[u] & 0xFF));
    } else if (const uint16_t code = IsSelector(u) ? t.OtherCode(Before(text, at), u) : 0) {
      // The character's preferred code, just written, becomes the one read.
      out[out.size() - 2] = static_cast<char>(code >> 8);
      out.back() = static_cast<char>(code & 0xFF);
    } else {
      return std::nullopt;
    }
  }
  return out;
}

bool IsStandIn(QChar c) { return IsStandIn(c.unicode()) && !IsNulStandIn(c.unicode()); }

int ByteLength(QChar c) {
  const char16_t u = c.unicode();
  if (u == u'\n' || u == kParagraphSeparator) return 2;
  if (IsSelector(u)) return 0;
  const int w = ConverterTables().width[u];
  return w == 0 ? 2 : w;
}

bool JoinsNextByte(QChar c) {
  const char16_t u = c.unicode();
  return u >= kStandInBase && u <= kLastStandIn && IsLeadByte(static_cast<unsigned char>(u - kStandInBase));
}

QString ReadBack(QStringView text) {
  const Tables& t = ConverterTables();
  QString kept;
  kept.reserve(text.size());
  for (const QChar c : text) {
    if (!IsSelector(c.unicode()) || t.OtherCode(kept.isEmpty() ? QChar() : kept.back(), c.unicode()) != 0) kept += c;
  }
  const auto bytes = Encode(kept, LineEnds::kCrLf);
  return bytes ? Decode(*bytes) : kept;
}

}  // namespace zumoku::codec::sjis
