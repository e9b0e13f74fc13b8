#include "buffer/sjis_codec.h"

#include <gtest/gtest.h>

#include <random>

#include "buffer/line_ends.h"
#include "random_bytes.h"
#include "sjis_text.h"

namespace zumoku::test {

TEST(Codec, DecodesCodePage932) {
  EXPECT_EQ(codec::Decode("\x87\x40"), QString(QChar(0x2460)));  // ①
  EXPECT_EQ(codec::Decode("\\"), QStringLiteral("\\"));            // a backslash, not a yen sign
  EXPECT_EQ(codec::Decode(S("漢字\r\nｶﾅ")), QStringLiteral("漢字\nｶﾅ"));
  // Lead bytes 0xF0-0xFC: a user-defined character and IBM extensions.
  EXPECT_EQ(codec::Decode("\xF0\x40\xFA\x40\xFB\xFC"), QStringLiteral("\uE000ⅰ髙"));
  EXPECT_EQ(codec::Encode(QStringLiteral("\uE000ⅰ髙")), "\xF0\x40\xFA\x40\xFB\xFC");
}

std::string RoundTrip(const std::string& stored) { return codec::Encode(codec::Decode(stored)).value(); }

// Code page 932's duplicate codes come back in the converter's preferred
// form; every other byte string, valid or not, comes back exactly.
TEST(Codec, EveryByteStringSurvivesARoundTrip) {
  std::mt19937 random(20261207);
  for (int round = 0; round < 5000; ++round) {
    const std::string stored = RandomStoredBytes(random, 64);
    ASSERT_EQ(RoundTrip(stored), stored) << round;
  }
}

// A file is decoded as it stands: decoding applies the loaded line-end rule
// (CR LF, a lone CR and a lone LF are each one line end) by itself.
TEST(Codec, DecodingAFileAppliesTheLoadedLineEndRule) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> pick(0, 5), byte(0, 255);
  for (int round = 0; round < 5000; ++round) {
    std::string bytes(static_cast<std::size_t>(byte(random) / 4), '\0');
    for (char& c : bytes) {
      const int kind = pick(random);  // line-end bytes and lead bytes often, to meet each other
      c = static_cast<char>(kind == 0 ? '\r' : kind == 1 ? '\n' : kind == 2 ? 0x81 : byte(random));
    }
    ASSERT_EQ(codec::Decode(bytes), codec::Decode(NormalizeLoadedLineEnds(bytes))) << round;
  }
}

TEST(Codec, InvalidBytesComeBackExactly) {
  const std::string bytes("\x80\xA0\xFD\xFE\xFF\x85\x40\x81\x7F\x00\x81", 11);
  EXPECT_EQ(codec::Encode(codec::Decode(bytes)), bytes);
}

TEST(Codec, RefusesWhatShiftJisCannotHold) {
  const QString refused[] = {QStringLiteral("é"), QStringLiteral("€"), QStringLiteral("😀"),
                             QString(QChar(0xF781)),  // a stand-in, which only decoding may make
                             QString(QChar(0x00A6)), QString(QChar(0x2028)), QString(QChar(0x200B))};
  for (const QString& text : refused) {
    EXPECT_TRUE(codec::FirstRefused(QStringLiteral("ok") + text).has_value()) << text.toStdString();
  }
  EXPECT_FALSE(codec::Encode(QStringLiteral("é")).has_value());
  EXPECT_FALSE(codec::FirstRefused(QStringLiteral("漢字かなｶﾅ①\n\t")).has_value());
}

// What Japanese input methods on Linux produce: the JIS X 0208 forms of
// characters that code page 932 maps to other code points.
TEST(Codec, TakesJisFormsAsTheirShiftJisCharacters) {
  const struct {
    char16_t jis;
    const char* bytes;
  } rows[] = {{0x301C, "\x81\x60"}, {0x2016, "\x81\x61"}, {0x2212, "\x81\x7C"}, {0x00A2, "\x81\x91"},
              {0x00A3, "\x81\x92"}, {0x00AC, "\x81\xCA"}, {0x2014, "\x81\x5C"}};
  for (const auto& row : rows) {
    const QString text(QChar(row.jis));
    EXPECT_FALSE(codec::FirstRefused(text).has_value()) << std::hex << int(row.jis);
    EXPECT_EQ(codec::Encode(text), std::string(row.bytes)) << std::hex << int(row.jis);
    EXPECT_EQ(codec::ByteLength(QChar(row.jis)), 2);
  }
}

TEST(Codec, ByteLengthsMatchTheStoredForm) {
  const QString text = codec::Decode(S("a漢ｶ\r\n") + "\x80");
  int total = 0;
  for (const QChar c : text) total += codec::ByteLength(c);
  EXPECT_EQ(total, 7);
}

}  // namespace zumoku::test
