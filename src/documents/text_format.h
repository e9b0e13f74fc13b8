#pragma once
// How a document's file is written: its encoding, whether a UTF-8 file
// starts with a byte-order mark, and its line ends.
#include <string>
#include <string_view>

#include "encoding/encoding.h"
#include "encoding/line_ends.h"

namespace zumoku {

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct TextFormat {
  Encoding encoding = Encoding::kShiftJis;
  bool byteOrderMark = false;  // UTF-8 only
  LineEndStyle lineEnds = LineEndStyle::kCrLf;

  bool operator==(const TextFormat&) const = default;
};

// "Shift_JIS", "UTF-8".
std::string_view EncodingName(Encoding encoding);
// "Shift_JIS CRLF", "UTF-8 LF", "UTF-8 BOM付き CRLF".
std::string FormatName(const TextFormat& format);

// The file's bytes for stored text (CR LF line ends) in `format`'s encoding.
std::string FileBytes(std::string stored, const TextFormat& format);

// What a file's bytes are, seen without asking: see DetectFormat.
struct DetectedFormat {
  TextFormat format;
  std::string_view text;  // the bytes after a byte-order mark
};

// A byte-order mark means UTF-8; so does a magic comment in the first lines
// that names it ("%#!uplatex", "%#!platex -kanji=utf8", "-*- coding: utf-8
// -*-", "% !TEX encoding = UTF-8"), or that names Shift_JIS; without them,
// bytes that are valid UTF-8 and hold a character past ASCII are UTF-8, other
// non-ASCII bytes Shift_JIS, and text without any takes `plain`.
DetectedFormat DetectFormat(std::string_view bytes, Encoding plain);

}  // namespace zumoku
