#pragma once
// Lossless conversion between the stored Shift_JIS bytes and the Unicode text
// the editor widget shows. A byte that is not part of a valid Shift_JIS
// character (and NUL) is shown as a private-use stand-in and written back as
// the same byte, so every document survives a round trip unchanged.
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

// The first character that typed or pasted text may not bring in: one that
// Shift_JIS cannot hold, or a stand-in (only decoding may create those).
std::optional<QChar> FirstRefused(QStringView text);

// Bytes a character of decoded text takes in the stored text ('\n' takes 2).
int ByteLength(QChar c);

// Bytes of the stored character at `at` as the editor shows it: a lead byte
// and the next byte are one character only when they decode as one.
std::size_t CharLengthAt(std::string_view bytes, std::size_t at);

}  // namespace zumoku::codec
