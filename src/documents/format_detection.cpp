#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>

#include "documents/text_format.h"
#include "encoding/line_ends.h"

namespace zumoku {

namespace {

std::string Lowercase(std::string_view s) {
  std::string lower(s);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return lower;
}

// The name after `key` up to a blank, ';' or the end: "utf-8" in
// "coding: utf-8 -*-".
std::string_view NameAfter(std::string_view line, std::string_view key) {
  const auto at = line.find(key);
  if (at == std::string_view::npos) return {};
  std::string_view rest = line.substr(at + key.size());
  rest.remove_prefix(std::min(rest.find_first_not_of(" \t="), rest.size()));
  return rest.substr(0, rest.find_first_of(" \t;\r\n"));
}

std::optional<Encoding> EncodingNamed(std::string_view name) {
  if (name.starts_with("utf-8") || name.starts_with("utf8")) return Encoding::kUtf8;
  static constexpr std::array<std::string_view, 7> kShiftJisNames = {
      "shift_jis", "shift-jis", "shiftjis", "sjis", "cp932", "windows-31j", "japanese-shift-jis"};
  const auto named = [&](std::string_view sjis) { return name.starts_with(sjis); };
  if (std::any_of(kShiftJisNames.begin(), kShiftJisNames.end(), named)) return Encoding::kShiftJis;
  return std::nullopt;
}

// A "%#!" line names the command that typesets the file.
std::optional<Encoding> CommandLineEncoding(std::string_view line) {
  if (line.find("uplatex") != std::string_view::npos) return Encoding::kUtf8;
  return EncodingNamed(NameAfter(line, "-kanji"));
}

std::optional<Encoding> MagicCommentEncoding(std::string_view line) {
  const std::string lower = Lowercase(line);
  if (!lower.starts_with("%")) return std::nullopt;
  if (lower.starts_with("%#!")) return CommandLineEncoding(lower);
  if (const auto named = EncodingNamed(NameAfter(lower, "coding:"))) return named;
  return EncodingNamed(NameAfter(lower, "!tex encoding"));
}

std::optional<Encoding> FirstMagicComment(std::string_view text) {
  for (int line = 0; line < kMagicCommentLines && !text.empty(); ++line) {
    if (const auto encoding = MagicCommentEncoding(TakeLoadedLine(text))) return encoding;
  }
  return std::nullopt;
}

enum class Bytes { kAscii, kUtf8, kOther };

// Well-formed UTF-8 that the editor keeps as bytes (U+F700-U+F7FF, EF 9C 80
// to EF 9F BF) is still UTF-8.
std::size_t SequenceLengthAt(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const bool keptAsBytes = at + 2 < text.size() && byte(0) == 0xEF && byte(1) >= 0x9C && byte(1) <= 0x9F &&
                           byte(2) >= 0x80 && byte(2) <= 0xBF;
  return keptAsBytes ? 3 : Utf8CharLengthAt(text, at);
}

Bytes Classify(std::string_view text) {
  Bytes found = Bytes::kAscii;
  for (std::size_t at = 0; at < text.size();) {
    if (static_cast<unsigned char>(text[at]) < 0x80) {
      ++at;
      continue;
    }
    const std::size_t length = SequenceLengthAt(text, at);
    if (length == 1) return Bytes::kOther;
    found = Bytes::kUtf8;
    at += length;
  }
  return found;
}
}  // namespace

DetectedFormat DetectFormat(std::string_view bytes, Encoding plain) {
  DetectedFormat detected{{}, bytes};
  detected.format.lineEnds = DetectLineEndStyle(bytes);
  if (bytes.starts_with(kByteOrderMark)) {
    detected.format.encoding = Encoding::kUtf8;
    detected.format.byteOrderMark = true;
    detected.text.remove_prefix(kByteOrderMark.size());
  } else if (const auto named = FirstMagicComment(bytes)) {
    detected.format.encoding = *named;
  } else {
    const Bytes kind = Classify(bytes);
    detected.format.encoding = kind == Bytes::kAscii  ? plain
                               : kind == Bytes::kUtf8 ? Encoding::kUtf8
                                                      : Encoding::kShiftJis;
  }
  return detected;
}

}  // namespace zumoku
