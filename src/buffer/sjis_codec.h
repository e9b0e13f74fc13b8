#pragma once
// Lossless conversion between the stored Shift_JIS bytes and the Unicode text
// the editor widget shows, so every document survives a round trip unchanged:
// - a byte that is no character of its own (and NUL), and a lead and trail
//   byte pair that code page 932 leaves unassigned, are each shown as one
//   private-use stand-in and written back as the same bytes;
// - a code that is not the converter's preferred one for its character (code
//   page 932 has a few duplicate codes: 0xED40 and 0xFA5C are both 纊) is
//   shown as the character followed by a variation selector, which takes no
//   byte of its own and picks that code when the text is written.
// Text the user enters takes the preferred code.
#include <QString>
#include <QStringView>
#include <optional>
#include <string>
#include <string_view>

namespace zumoku::codec {

// Each line end of the loaded-text rule becomes '\n', so a file is decoded
// as it stands.
QString Decode(std::string_view bytes);

enum class LineEnds {
  kCrLf,  // widget text: '\n' and U+2029 become CR LF
  kAsIs,  // literals: CR and LF stay the bytes they are
};

// Empty when a character cannot be written in Shift_JIS; nothing is ever
// replaced by a substitute.
std::optional<std::string> Encode(QStringView text, LineEnds lineEnds = LineEnds::kCrLf);
// Encode for text that was checked where it entered: a character that cannot
// be stored is then a fault, thrown as UnencodableText.
std::string EncodeChecked(QStringView text, LineEnds lineEnds = LineEnds::kCrLf);

// The first character that typed or pasted text may not bring in: one that
// Shift_JIS cannot hold, a stand-in (only decoding may create those), or a
// variation selector that picks no code of the character before it.
std::optional<QChar> FirstRefused(QStringView text);

// Bytes a character of decoded text takes in the stored text ('\n' takes 2; a
// variation selector that picks a code takes 0, its character 2).
int ByteLength(QChar c);
int ByteLength(QStringView text);

// True for the stand-in of a lead byte shown alone: a trail byte written
// after it joins it into one character.
bool JoinsNextByte(QChar c);

// What the text reads back as once written: typed forms become the ones the
// bytes decode to, and bytes written next to each other join as they will
// when the file is opened again. A variation selector that picks no code is
// dropped. Line ends become '\n'.
QString ReadBack(QStringView text);

}  // namespace zumoku::codec
