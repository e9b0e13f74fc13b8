#pragma once
// Lossless conversion between a document's stored bytes, in its encoding,
// and the Unicode text the editor widget shows, so every document survives a
// round trip unchanged:
// - a byte that is no character of its own (and NUL) is shown as a
//   private-use stand-in, U+F700 + the byte, and written back as that byte;
// - Shift_JIS: a lead and trail byte pair that code page 932 leaves
//   unassigned is one stand-in too, and a code that is not the converter's
//   preferred one for its character (0xED40 and 0xFA5C are both 纊) is shown
//   as the character followed by a variation selector, which takes no byte of
//   its own and picks that code when the text is written;
// - UTF-8: a sequence that is not well-formed is shown byte by byte, and so
//   are NEL, U+2028 and U+2029, which the widget would take for its own line
//   breaks (U+2029 in widget text is always the widget's line end).
// Text the user enters takes the preferred code.
#include <QString>
#include <QStringView>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "encoding/encoding.h"

namespace zumoku {

// Thrown by a text read when the text holds a character that the document's
// encoding cannot hold. Entry checks keep such text out; this guards the writers.
class UnencodableText : public std::runtime_error {
 public:
  UnencodableText() : std::runtime_error("text holds a character that its encoding cannot hold") {}
};

}  // namespace zumoku

namespace zumoku::codec {

// A byte b shown on its own is U+F700 + b.
inline constexpr char16_t kByteStandInBase = 0xF700;
inline constexpr char16_t kLastByteStandIn = kByteStandInBase + 0xFF;

// Each line end of the loaded-text rule becomes '\n', so a file is decoded
// as it stands.
QString Decode(std::string_view bytes, Encoding encoding);

enum class LineEnds {
  kCrLf,  // widget text: '\n' and U+2029 become CR LF
  kAsIs,  // literals: CR and LF stay the bytes they are
};

// Empty when a character cannot be written in the encoding; nothing is ever
// replaced by a substitute.
std::optional<std::string> Encode(QStringView text, Encoding encoding, LineEnds lineEnds = LineEnds::kCrLf);
// Encode for text that was checked where it entered: a character that cannot
// be stored is then a fault, thrown as UnencodableText.
std::string EncodeChecked(QStringView text, Encoding encoding, LineEnds lineEnds = LineEnds::kCrLf);

// The first character that typed or pasted text may not bring in: one that
// the encoding cannot hold, a stand-in (only decoding may create those), a
// variation selector that picks no Shift_JIS code of the character before
// it, or a half of a surrogate pair alone.
std::optional<QChar> FirstRefused(QStringView text, Encoding encoding);

// True for a stand-in of bytes that are no character in the encoding (NUL,
// a character of its own, aside).
bool IsStandIn(QChar c, Encoding encoding);

// Bytes a UTF-16 unit of decoded text takes in the stored text ('\n' takes
// 2; a Shift_JIS variation selector that picks a code takes 0, its character
// 2; each half of a UTF-8 surrogate pair 2).
int ByteLength(QChar c, Encoding encoding);
int ByteLength(QStringView text, Encoding encoding);

// True for the stand-in of a byte that a byte written after it may join into
// one character (a Shift_JIS lead byte; any UTF-8 byte above 0x7F).
bool JoinsNextByte(QChar c, Encoding encoding);
// The most bytes one character takes: stand-ins that join lie at most one
// fewer characters back.
int LongestCharBytes(Encoding encoding);

// What the text reads back as once written: typed forms become the ones the
// bytes decode to, and bytes written next to each other join as they will
// when the file is opened again. A variation selector that picks no code is
// dropped. Line ends become '\n'.
QString ReadBack(QStringView text, Encoding encoding);

}  // namespace zumoku::codec
