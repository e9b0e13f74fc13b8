#include "encoding/codec.h"

#include <gtest/gtest.h>

#include <random>

#include "encoding/line_ends.h"
#include "encoding/sjis.h"
#include "random_bytes.h"
#include "sjis_text.h"

namespace zumoku::test {

TEST(Codec, DecodesCodePage932) {
  EXPECT_EQ(codec::Decode("\x87\x40", Encoding::kShiftJis), QString(QChar(0x2460)));  // ①
  EXPECT_EQ(codec::Decode("\\", Encoding::kShiftJis), QStringLiteral("\\"));          // a backslash, not a yen sign
  EXPECT_EQ(codec::Decode(S("漢字\r\nｶﾅ"), Encoding::kShiftJis), QStringLiteral("漢字\nｶﾅ"));
  // Lead bytes 0xF0-0xFC: a user-defined character and IBM extensions.
  EXPECT_EQ(codec::Decode("\xF0\x40\xFA\x40\xFB\xFC", Encoding::kShiftJis), QStringLiteral("\uE000ⅰ髙"));
  EXPECT_EQ(codec::Encode(QStringLiteral("\uE000ⅰ髙"), Encoding::kShiftJis), "\xF0\x40\xFA\x40\xFB\xFC");
}

std::string RoundTrip(std::string_view stored) {
  return codec::Encode(codec::Decode(stored, Encoding::kShiftJis), Encoding::kShiftJis).value();
}

// Every byte string, valid or not, comes back exactly.
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
    ASSERT_EQ(codec::Decode(bytes, Encoding::kShiftJis),
              codec::Decode(NormalizeLoadedLineEnds(bytes), Encoding::kShiftJis))
        << round;
  }
}

// Every file of three bytes opens and saves as the same bytes, its line ends
// brought to CR LF. The triples are run in batches, each followed by a line
// end, after which decoding starts afresh; a failing batch names its first
// failing triple. The sanitizer build takes the triples that start with a
// lead byte or with one of a few other bytes.
TEST(Codec, EveryThreeByteFileComesBackExactly) {
  std::string batch;
  for (int first = 0; first < 256; ++first) {
#ifdef __SANITIZE_ADDRESS__
    if (!IsLeadByte(first) && first % 16 != 0) continue;
#endif
    batch.clear();
    for (int second = 0; second < 256; ++second) {
      for (int third = 0; third < 256; ++third) batch += {char(first), char(second), char(third), '\r', '\n'};
    }
    if (RoundTrip(batch) == NormalizeLoadedLineEnds(batch)) continue;
    for (std::size_t at = 0; at < batch.size(); at += 5) {
      const std::string_view file = std::string_view(batch).substr(at, 3);
      ASSERT_EQ(RoundTrip(file), NormalizeLoadedLineEnds(file))
          << std::hex << int(uint8_t(file[0])) << " " << int(uint8_t(file[1])) << " " << int(uint8_t(file[2]));
    }
  }
}

// The stored character the editor shows as one character is the one that
// searching and positions take: a lead byte with the trail byte after it.
TEST(Codec, ShowsEachCharacterOfTheBoundaryRuleAsOne) {
  std::mt19937 random(4);
  for (int round = 0; round < 5000; ++round) {
    const std::string stored = RandomStoredBytes(random, 64);
    std::size_t at = 0;
    for (const QChar c : codec::Decode(stored, Encoding::kShiftJis)) {
      const int width = codec::ByteLength(c, Encoding::kShiftJis);
      if (width == 0) continue;  // a variation selector, part of the character before it
      const std::size_t expected = c == u'\n' ? 2 : SjisCharLengthAt(stored, at);
      ASSERT_EQ(std::size_t(width), expected) << round << " at " << at;
      at += expected;
    }
    ASSERT_EQ(at, stored.size()) << round;
  }
}

// The edges of the lead-byte ranges, with the bytes written out: a lead byte
// takes the trail byte after it; an unassigned pair is one stand-in.
TEST(Codec, LeadByteRangesEndWhereCodePage932Ends) {
  const struct {
    const char* bytes;
    std::size_t length;
    QString shown;  // empty: one private-use stand-in
  } rows[] = {
      {"\x80\x40", 1, QStringLiteral("\uF780@")}, {"\x81\x40", 2, QStringLiteral("\u3000")},
      {"\x9F\x40", 2, QStringLiteral("檗")},      {"\x9F\x7D", 2, QStringLiteral("毳")},
      {"\xA0\x40", 1, QStringLiteral("\uF7A0@")}, {"\xDF\x40", 1, QStringLiteral("ﾟ@")},
      {"\xE0\x40", 2, QStringLiteral("漾")},      {"\xE0\x5C", 2, QStringLiteral("濬")},
      {"\xEA\xA4", 2, QStringLiteral("熙")},      {"\xEA\xA5", 2, QString()},
      {"\xFC\x4B", 2, QStringLiteral("黑")},      {"\xFC\x4C", 2, QString()},
      {"\xFD\x40", 1, QStringLiteral("\uF7FD@")}, {"\x82\x9B", 2, QString()},
  };
  for (const auto& row : rows) {
    const std::string bytes = row.bytes;
    const QString shown = codec::Decode(bytes, Encoding::kShiftJis);
    EXPECT_EQ(SjisCharLengthAt(bytes, 0), row.length) << bytes;
    if (row.shown.isEmpty()) {
      EXPECT_TRUE(shown.size() == 1 && shown[0].category() == QChar::Other_PrivateUse) << bytes;
    } else {
      EXPECT_EQ(shown, row.shown) << bytes;
    }
    EXPECT_EQ(codec::Encode(shown, Encoding::kShiftJis), bytes) << bytes;
  }
  const std::pair<QString, std::string> typed[] = {{QStringLiteral("檗"), "\x9F\x40"},
                                                   {QStringLiteral("毳"), "\x9F\x7D"},
                                                   {QStringLiteral("漾"), "\xE0\x40"},
                                                   {QStringLiteral("濬"), "\xE0\x5C"}};
  for (const auto& [text, bytes] : typed) {
    EXPECT_FALSE(codec::FirstRefused(text, Encoding::kShiftJis).has_value()) << bytes;
    EXPECT_EQ(codec::Encode(text, Encoding::kShiftJis), bytes);
  }
}

// Code page 932's duplicate codes: the preferred one shows the character,
// another one the character and a variation selector; both are written back
// as read, and the character alone, as entered, takes the preferred code.
TEST(Codec, DuplicateCodesAreWrittenBackAsRead) {
  const struct {
    const char* bytes;
    QString shown;
  } rows[] = {
      {"\xFA\x5C", QStringLiteral("纊")},      {"\xED\x40", QStringLiteral("纊\uFE00")},
      {"\x81\xE0", QStringLiteral("≒")},       {"\x87\x90", QStringLiteral("≒\uFE00")},
      {"\x81\xE6", QStringLiteral("∵")},       {"\x87\x9A", QStringLiteral("∵\uFE00")},
      {"\xFA\x5B", QStringLiteral("∵\uFE01")}, {"\xFA\x40", QStringLiteral("ⅰ")},
      {"\xEE\xEF", QStringLiteral("ⅰ\uFE00")}, {"\x87\x54", QStringLiteral("Ⅰ")},
      {"\xFA\x4A", QStringLiteral("Ⅰ\uFE00")},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(codec::Decode(row.bytes, Encoding::kShiftJis), row.shown) << row.bytes;
    EXPECT_EQ(codec::Encode(row.shown, Encoding::kShiftJis), std::string(row.bytes)) << row.bytes;
    EXPECT_EQ(codec::ByteLength(row.shown, Encoding::kShiftJis), 2) << row.bytes;
  }
}

TEST(Codec, InvalidBytesComeBackExactly) {
  const std::string bytes("\x80\xA0\xFD\xFE\xFF\x85\x40\x81\x7F\x00\x81", 11);
  EXPECT_EQ(codec::Encode(codec::Decode(bytes, Encoding::kShiftJis), Encoding::kShiftJis), bytes);
}

TEST(Codec, RefusesWhatShiftJisCannotHold) {
  const QString refused[] = {QStringLiteral("é"),
                             QStringLiteral("€"),
                             QStringLiteral("😀"),
                             QString(QChar(0xF781)),  // a stand-in, which only decoding may make
                             codec::Decode("\x85\x40", Encoding::kShiftJis),  // an unassigned pair's stand-in
                             QString(QChar(0x00A6)),
                             QString(QChar(0x2028)),
                             QString(QChar(0x200B)),
                             QStringLiteral("\uFE00"),
                             QStringLiteral("纊\uFE01")};  // selectors that pick no code
  for (const QString& text : refused) {
    EXPECT_TRUE(codec::FirstRefused(QStringLiteral("ok") + text, Encoding::kShiftJis).has_value())
        << text.toStdString();
  }
  EXPECT_FALSE(codec::Encode(QStringLiteral("é"), Encoding::kShiftJis).has_value());
  EXPECT_FALSE(codec::FirstRefused(QStringLiteral("漢字かなｶﾅ①\n\t纊\uFE00"), Encoding::kShiftJis).has_value());
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
    EXPECT_FALSE(codec::FirstRefused(text, Encoding::kShiftJis).has_value()) << std::hex << int(row.jis);
    EXPECT_EQ(codec::Encode(text, Encoding::kShiftJis), std::string(row.bytes)) << std::hex << int(row.jis);
    EXPECT_EQ(codec::ByteLength(QChar(row.jis), Encoding::kShiftJis), 2);
  }
}

TEST(Codec, ByteLengthsMatchTheStoredForm) {
  const QString text = codec::Decode(S("a漢ｶ\r\n") + "\x80", Encoding::kShiftJis);
  int total = 0;
  for (const QChar c : text) total += codec::ByteLength(c, Encoding::kShiftJis);
  EXPECT_EQ(total, 7);
}

}  // namespace zumoku::test
