// UTF-8 documents: where a character ends, and bytes kept through the editor's
// text whatever they are.
#include <gtest/gtest.h>

#include <random>

#include "encoding/codec.h"
#include "encoding/encoding.h"
#include "random_bytes.h"

namespace zumoku::test {

TEST(Utf8, CharacterLengths) {
  const struct {
    std::string_view bytes;
    std::size_t length;
  } rows[] = {
      {"a", 1},
      {"\xC3\xA9", 2},          // é
      {"\xE6\xBC\xA2", 3},      // 漢
      {"\xF0\x9F\x98\x80", 4},  // 😀
      {"\xC0\xAF", 1},          // an overlong '/'
      {"\xE0\x80\xAF", 1},      // overlong again
      {"\xED\xA0\x80", 1},      // a surrogate
      {"\xF4\x90\x80\x80", 1},  // past U+10FFFF
      {"\xE6\xBC", 1},          // cut short
      {"\xE6"
       "a\xA2",
       1},                  // no continuation
      {"\x80", 1},          // a continuation alone
      {"\xEF\x9C\x80", 1},  // U+F700: the editor's stand-in of byte 0, kept as bytes
      {"\xEF\xA0\x80", 3},  // U+F800, past the stand-ins
  };
  for (const auto& row : rows) EXPECT_EQ(Utf8CharLengthAt(row.bytes, 0), row.length) << row.bytes;
}

TEST(Utf8, AnyBytesSurviveTheEditorsText) {
  std::mt19937 random(23);
  for (int round = 0; round < 5000; ++round) {
    // Mostly well-formed text, with random bytes between, and the characters
    // the widget would break lines at (U+2029, U+2028, NEL).
    std::string stored = RandomStoredBytes(random, 16) +
                         "\xE6\xBC\xA2\xF0\x9F\x98\x80\xE2\x80\xA9\xE2\x80\xA8\xC2\x85" + RandomStoredBytes(random, 16);
    stored = NormalizeLoadedLineEnds(stored);
    const QString shown = codec::Decode(stored, Encoding::kUtf8);
    ASSERT_EQ(codec::Encode(shown, Encoding::kUtf8), stored) << round;
    ASSERT_EQ(codec::ByteLength(shown, Encoding::kUtf8), static_cast<int>(stored.size())) << round;
  }
}

TEST(Utf8, EntryTakesEveryCharacterButStandInsAndLineSeparators) {
  EXPECT_FALSE(codec::FirstRefused(QStringLiteral("é€漢ｶ\U0001F600\n\uFE00"), Encoding::kUtf8));
  for (const QString& refused : {QStringLiteral("\u2028"), QStringLiteral("\u0085"), QString(QChar(0xF780)),
                                 QString(QChar(0)), QString(QChar(0xD83D)), QString(QChar(0xDE00))}) {
    EXPECT_TRUE(codec::FirstRefused(QStringLiteral("ok") + refused, Encoding::kUtf8)) << refused.toStdString();
  }
}

}  // namespace zumoku::test
