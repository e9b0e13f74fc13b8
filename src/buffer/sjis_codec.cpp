#include "buffer/sjis_codec.h"

#include <QByteArray>
#include <QStringDecoder>
#include <QStringEncoder>
#include <array>
#include <memory>
#include <utility>

#include "buffer/line_ends.h"
#include "buffer/sjis.h"

namespace zumoku::codec {

namespace {

constexpr char16_t kStandInBase = 0xF700;  // unused by code page 932's mapping
constexpr char16_t kNone = 0;
constexpr char16_t kParagraphSeparator = 0x2029;

// Tables generated once from the system converter, so that converting a
// large document is a lookup per byte and the converter's rules stay the
// only source of the mapping.
struct Tables {
  std::array<char16_t, 256> single{};
  std::array<char16_t, 65536> pair{};    // (lead << 8) | trail
  std::array<uint16_t, 65536> encode{};  // UTF-16 unit -> bytes, 0 = none
  std::array<uint8_t, 65536> width{};    // stored bytes per UTF-16 unit

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
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsLeadByte(lead)) continue;
      for (int trail = 0x40; trail <= 0xFC; ++trail) {
        const char bytes[2] = {char(lead), char(trail)};
        const char16_t u = decodeOne(QByteArray(bytes, 2));
        pair[(lead << 8) | trail] = u;
        if (u != kNone) Claim(u, (lead << 8) | trail, 2);
      }
    }
    AddJisForms();
    PreferConverterForms();
  }

  // Japanese input methods on Linux produce the JIS X 0208 forms of a few
  // characters for which code page 932 uses other code points (〜 U+301C
  // where it has ～ U+FF5E at 0x8160). They are taken as those characters.
  // IBM's Shift_JIS converter decodes the JIS X 0208 rows (leads up to 0xEA)
  // with these forms; ¢, £ and ¬ it maps like code page 932, so those three
  // come from the JIS X 0208 mapping itself.
  void AddJisForms() {
    constexpr int kLastJisLead = 0xEA;
    for (int lead = 0x81; lead <= kLastJisLead; ++lead) {
      if (!IsLeadByte(lead)) continue;
      for (int trail = 0x40; trail <= 0xFC; ++trail) {
        const uint16_t code = (lead << 8) | trail;
        if (pair[code] == kNone) continue;
        const char bytes[2] = {char(lead), char(trail)};
        QStringDecoder decoder("ibm-943_P130-1999", QStringConverter::Flag::Stateless);
        const QString s = decoder.decode(QByteArray(bytes, 2));
        if (decoder.isValid() && !decoder.hasError() && s.size() == 1) Claim(s.at(0).unicode(), code, 2);
      }
    }
    for (const auto& [u, code] : {std::pair<char16_t, uint16_t>{0x00A2, 0x8191}, {0x00A3, 0x8192}, {0x00AC, 0x81CA}}) {
      Claim(u, code, 2);
    }
  }

  void Claim(char16_t u, uint16_t bytes, uint8_t length) {
    if (u == kNone || width[u] != 0) return;
    encode[u] = bytes;
    width[u] = length;
  }

  // Where code page 932 has duplicate codes, write the converter's own form.
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
};

const Tables& ConverterTables() {
  static const auto tables = std::make_unique<Tables>();
  return *tables;
}

}  // namespace

QString Decode(std::string_view bytes) {
  const Tables& t = ConverterTables();
  QString out;
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
    if (zumoku::CharLengthAt(bytes, at) == 2) {
      const char16_t u = t.pair[(b << 8) | static_cast<unsigned char>(bytes[at + 1])];
      if (u != kNone) {
        o[n++] = u;
        at += 2;
        continue;
      }
    }
    o[n++] = t.single[b];
    ++at;
  }
  out.truncate(n);
  return out;
}

std::optional<QChar> FirstRefused(QStringView text) {
  const Tables& t = ConverterTables();
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u == u'\n' || u == kParagraphSeparator) continue;
    const bool standIn = u >= kStandInBase && u <= kStandInBase + 0xFF;
    if (t.width[u] == 0 || standIn) return c;
  }
  return std::nullopt;
}

std::optional<std::string> Encode(QStringView text, LineEnds lineEnds) {
  const Tables& t = ConverterTables();
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()) * 2);
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (lineEnds == LineEnds::kCrLf && (u == u'\n' || u == kParagraphSeparator)) {
      out.append("\r\n");
    } else if (t.width[u] == 1) {
      out.push_back(static_cast<char>(t.encode[u]));
    } else if (t.width[u] == 2) {
      out.push_back(static_cast<char>(t.encode[u] >> 8));
      out.push_back(static_cast<char>(t.encode[u] & 0xFF));
    } else {
      return std::nullopt;
    }
  }
  return out;
}

std::size_t CharLengthAt(std::string_view bytes, std::size_t at) {
  if (zumoku::CharLengthAt(bytes, at) != 2) return 1;
  const auto code = (static_cast<unsigned char>(bytes[at]) << 8) | static_cast<unsigned char>(bytes[at + 1]);
  return ConverterTables().pair[code] == kNone ? 1 : 2;
}

int ByteLength(QChar c) {
  const char16_t u = c.unicode();
  if (u == u'\n' || u == kParagraphSeparator) return 2;
  const int w = ConverterTables().width[u];
  return w == 0 ? 2 : w;
}

}  // namespace zumoku::codec
