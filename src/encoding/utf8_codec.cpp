#include "encoding/utf8_codec.h"

#include "encoding/line_ends.h"

namespace zumoku::codec::utf8 {

namespace {
constexpr char16_t kParagraphSeparator = 0x2029;
constexpr char16_t kLineSeparator = 0x2028;

bool IsByteStandIn(char16_t u) { return u >= kByteStandInBase && u <= kLastByteStandIn; }
// Only NUL and the bytes above 0x7F are ever shown as stand-ins.
bool IsStoredByte(char16_t u) { return u == kByteStandInBase || (IsByteStandIn(u) && u - kByteStandInBase >= 0x80); }
bool IsLineEnd(char16_t u) { return u == u'\n' || u == kParagraphSeparator; }
// Characters the editor widget would take for its own line breaks: a file's
// bytes for them are shown as stand-ins, so they are written back as they were.
bool BreaksLines(char32_t c) { return c == 0x85 || c == kLineSeparator || c == kParagraphSeparator; }

char32_t CodePoint(std::string_view s, std::size_t at, std::size_t length) {
  static constexpr unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t c = static_cast<unsigned char>(s[at]) & kLeadBits[length];
  for (std::size_t i = 1; i < length; ++i) c = (c << 6) | (static_cast<unsigned char>(s[at + i]) & 0x3F);
  return c;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// The code point of a surrogate pair starting at `at`, or 0 when the unit
// there is no high surrogate followed by a low one.
char32_t PairAt(QStringView text, qsizetype at) {
  const bool pair = text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
  return pair ? QChar::surrogateToUcs4(text[at], text[at + 1]) : 0;
}
}  // namespace

QString Decode(std::string_view bytes) {
  QString out;
  // A character takes at least as many bytes as UTF-16 units.
  out.resize(static_cast<qsizetype>(bytes.size()));
  QChar* o = out.data();
  qsizetype n = 0;
  for (std::size_t at = 0; at < bytes.size();) {
    const auto b = static_cast<unsigned char>(bytes[at]);
    if (b == '\r' || b == '\n') {
      o[n++] = u'\n';
      at += LoadedLineEndAt(bytes, at);
    } else if (b != 0 && b < 0x80) {
      o[n++] = QChar(b);
      ++at;
    } else if (const std::size_t length = Utf8CharLengthAt(bytes, at);
               length > 1 && !BreaksLines(CodePoint(bytes, at, length))) {
      const char32_t c = CodePoint(bytes, at, length);
      if (QChar::requiresSurrogates(c)) {
        o[n++] = QChar(QChar::highSurrogate(c));
        o[n++] = QChar(QChar::lowSurrogate(c));
      } else {
        o[n++] = QChar(static_cast<char16_t>(c));
      }
      at += length;
    } else {
      o[n++] = QChar(static_cast<char16_t>(kByteStandInBase + b));
      ++at;
    }
  }
  out.truncate(n);
  return out;
}

std::optional<std::string> Encode(QStringView text, LineEnds lineEnds) {
  std::string out;
  out.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype at = 0; at < text.size(); ++at) {
    const char16_t u = text[at].unicode();
    if (lineEnds == LineEnds::kCrLf && IsLineEnd(u)) {
      out.append("\r\n");
    } else if (IsByteStandIn(u)) {
      if (!IsStoredByte(u)) return std::nullopt;
      out.push_back(static_cast<char>(u - kByteStandInBase));
    } else if (const char32_t c = PairAt(text, at)) {
      AppendUtf8(out, c);
      ++at;
    } else if (text[at].isSurrogate()) {
      return std::nullopt;
    } else {
      AppendUtf8(out, u);
    }
  }
  return out;
}

std::optional<QChar> FirstRefused(QStringView text) {
  for (qsizetype at = 0; at < text.size(); ++at) {
    const char16_t u = text[at].unicode();
    if (IsLineEnd(u)) continue;
    if (PairAt(text, at)) {
      ++at;
      continue;
    }
    if (u == 0 || BreaksLines(u) || IsByteStandIn(u) || text[at].isSurrogate()) return text[at];
  }
  return std::nullopt;
}

bool IsStandIn(QChar c) { return IsStoredByte(c.unicode()) && c.unicode() != kByteStandInBase; }

int ByteLength(QChar c) {
  const char16_t u = c.unicode();
  if (u < 0x80) return u == u'\n' ? 2 : 1;
  if (u < 0x800) return 2;
  if (IsLineEnd(u)) return 2;
  if (IsByteStandIn(u)) return 1;
  return c.isSurrogate() ? 2 : 3;
}

bool JoinsNextByte(QChar c) {
  const char16_t u = c.unicode();
  return IsByteStandIn(u) && u - kByteStandInBase >= 0x80;
}

}  // namespace zumoku::codec::utf8
