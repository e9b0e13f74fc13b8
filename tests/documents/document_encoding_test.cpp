// Documents in Shift_JIS and UTF-8: what opening decides without asking,
// bytes kept on the way back, reopening in another encoding and saving in
// another format.
#include "document_fixture.h"
#include "documents/text_format.h"
#include "encoding/codec.h"
#include "row_name.h"

namespace zumoku::test {

namespace {
constexpr Encoding kSjis = Encoding::kShiftJis;
constexpr Encoding kUtf8 = Encoding::kUtf8;
}  // namespace

struct DetectionRow {
  const char* name;
  std::string bytes;
  Encoding plain;  // the encoding of new documents
  TextFormat format;
};

void PrintTo(const DetectionRow& row, std::ostream* out) { *out << row.name; }

class Detection : public ::testing::TestWithParam<DetectionRow> {};

TEST_P(Detection, DecidesWithoutAsking) {
  const DetectedFormat detected = DetectFormat(GetParam().bytes, GetParam().plain);
  EXPECT_EQ(FormatName(detected.format), FormatName(GetParam().format));
  EXPECT_EQ(detected.text.size(), GetParam().bytes.size() - (GetParam().format.byteOrderMark ? 3 : 0));
}

// あ is E3 81 82 in UTF-8 and 82 A0 in Shift_JIS; 漢 is 8A BF in Shift_JIS.
INSTANTIATE_TEST_SUITE_P(
    Files, Detection,
    ::testing::Values(
        DetectionRow{"ByteOrderMark",
                     "\xEF\xBB\xBF"
                     "a\r\n",
                     kSjis,
                     {kUtf8, true, LineEndStyle::kCrLf}},
        DetectionRow{
            "ByteOrderMarkWithInvalidBytes", "\xEF\xBB\xBF\x82\xA0\n", kSjis, {kUtf8, true, LineEndStyle::kLf}},
        DetectionRow{"ValidUtf8WithKana", "\xE3\x81\x82\r\n", kSjis, {kUtf8, false, LineEndStyle::kCrLf}},
        DetectionRow{"ShiftJisKana", "\x82\xA0\r\n", kUtf8, {kSjis, false, LineEndStyle::kCrLf}},
        // E3 81 82 reads as UTF-8 あ, the rest does not.
        DetectionRow{
            "ShiftJisValidAsUtf8ForAShortRun", "\xE3\x81\x82\x8A\xBF\n", kSjis, {kSjis, false, LineEndStyle::kLf}},
        DetectionRow{"Utf8WithAnInvalidByte", "\xE3\x81\x82\xFF", kSjis, {kSjis, false, LineEndStyle::kCrLf}},
        DetectionRow{"AsciiTakesShiftJis", "\\section{a}\n", kSjis, {kSjis, false, LineEndStyle::kLf}},
        DetectionRow{"AsciiTakesUtf8", "\\section{a}\n", kUtf8, {kUtf8, false, LineEndStyle::kLf}},
        DetectionRow{"Empty", "", kSjis, {kSjis, false, LineEndStyle::kCrLf}},
        DetectionRow{"UplatexCommand", "%#!uplatex\n\x82\xA0", kSjis, {kUtf8, false, LineEndStyle::kLf}},
        DetectionRow{
            "PlatexKanjiUtf8", "% x\r\n%#!platex -kanji=utf8 a\r\n", kSjis, {kUtf8, false, LineEndStyle::kCrLf}},
        DetectionRow{"EmacsCoding", "% -*- coding: utf-8 -*-\n", kSjis, {kUtf8, false, LineEndStyle::kLf}},
        DetectionRow{"TexEncoding", "% !TEX encoding = UTF-8\n", kSjis, {kUtf8, false, LineEndStyle::kLf}},
        DetectionRow{"MagicCommentNamesShiftJis",
                     "% !TEX encoding = Shift_JIS\n\xE3\x81\x82",
                     kSjis,
                     {kSjis, false, LineEndStyle::kLf}},
        DetectionRow{"MagicCommentWithInvalidBytes",
                     "%#!platex -kanji=utf8\n\x82\xA0",
                     kSjis,
                     {kUtf8, false, LineEndStyle::kLf}},
        DetectionRow{
            "CodingOutsideACommentIsText", "\\verb|coding: utf-8|\n\x82\xA0", kSjis, {kSjis, false, LineEndStyle::kLf}},
        DetectionRow{
            "MagicCommentAfterALoneCr", "\r% -*- coding: utf-8 -*-\r", kSjis, {kUtf8, false, LineEndStyle::kCrLf}},
        DetectionRow{"CommentPastTheFirstLinesIsText",
                     "\n\n\n\n\n\n\n\n\n\n% -*- coding: utf-8 -*-\n\x82\xA0",
                     kSjis,
                     {kSjis, false, LineEndStyle::kLf}}),
    RowName());

struct RoundTripRow {
  const char* name;
  std::string file;
  std::string written;
};

void PrintTo(const RoundTripRow& row, std::ostream* out) { *out << row.name; }

class Utf8RoundTrip : public DocumentTest, public ::testing::WithParamInterface<RoundTripRow> {};

TEST_P(Utf8RoundTrip, SavesTheBytesItOpened) {
  OpenFile("/d/a.tex", GetParam().file);
  EXPECT_EQ(buffer.TextEncoding(), kUtf8);
  document.Save();
  EXPECT_EQ(files.files["/d/a.tex"], GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, Utf8RoundTrip,
    ::testing::Values(RoundTripRow{"InvalidBytesAndNul",
                                   std::string("\xEF\xBB\xBF\xE3\x81\x82\xFF\x00\xE3\x81\r\n\xC0\xAF\xED\xA0\x80", 16),
                                   std::string("\xEF\xBB\xBF\xE3\x81\x82\xFF\x00\xE3\x81\r\n\xC0\xAF\xED\xA0\x80", 16)},
                      RoundTripRow{"FinalLoneCr", "\xE3\x81\x82\r\na\r", "\xE3\x81\x82\r\na\r\n"},
                      RoundTripRow{"LfOnly", "\xE3\x81\x82\nb\n", "\xE3\x81\x82\nb\n"},
                      RoundTripRow{"CrLf", "\xE3\x81\x82\r\nb\r\n", "\xE3\x81\x82\r\nb\r\n"},
                      RoundTripRow{"MixedBecomesCrLf", "\xE3\x81\x82\nb\r\n", "\xE3\x81\x82\r\nb\r\n"},
                      RoundTripRow{"StandInRangeKeptAsBytes", "\xE3\x81\x82\xEF\x9C\x80", "\xE3\x81\x82\xEF\x9C\x80"},
                      RoundTripRow{"FourByteCharacter", "\xF0\x9F\x98\x80\xE2\x82\xAC",
                                   "\xF0\x9F\x98\x80\xE2\x82\xAC"}),
    RowName());

using DocumentEncodings = DocumentTest;

TEST_F(DocumentEncodings, ReopenReadsTheFileAgainInTheChosenEncoding) {
  OpenFile("/d/a.tex", "\xE3\x81\x82");
  EXPECT_EQ(prompts.format, "UTF-8 CRLF");
  document.ReopenAs(kSjis);
  EXPECT_EQ(buffer.TextEncoding(), kSjis);
  EXPECT_EQ(prompts.format, "Shift_JIS CRLF");
  EXPECT_EQ(buffer.Text(), "\xE3\x81\x82");
  Type("x");
  prompts.answers = {Answer::kNo};  // unsaved changes would be lost: keep them
  document.ReopenAs(kUtf8);
  EXPECT_EQ(buffer.TextEncoding(), kSjis);
  EXPECT_TRUE(buffer.Modified());
}

TEST_F(DocumentEncodings, SavingInAnotherFormatConvertsTheText) {
  OpenFile("/d/a.tex", S("漢字\r\nかな\r\n"));
  buffer.SetSelStart(4);  // before 字... after 漢字
  EXPECT_TRUE(document.SaveInFormat({kUtf8, true, LineEndStyle::kLf}));
  EXPECT_EQ(files.files["/d/a.tex"], "\xEF\xBB\xBF\xE6\xBC\xA2\xE5\xAD\x97\n\xE3\x81\x8B\xE3\x81\xAA\n");
  EXPECT_EQ(buffer.SelStart(), 6);
  EXPECT_EQ(prompts.format, "UTF-8 BOM付き LF");
  EXPECT_TRUE(document.SaveInFormat({kSjis, false, LineEndStyle::kCrLf}));
  EXPECT_EQ(files.files["/d/a.tex"], S("漢字\r\nかな\r\n"));
}

struct RefusalRow {
  const char* name;
  std::string file;
  Encoding to;
  std::string error;
};

void PrintTo(const RefusalRow& row, std::ostream* out) { *out << row.name; }

class ConversionRefusal : public DocumentTest, public ::testing::WithParamInterface<RefusalRow> {};

TEST_P(ConversionRefusal, NamesTheFirstPlaceAndWritesNothing) {
  OpenFile("/d/a.tex", GetParam().file);
  EXPECT_FALSE(document.SaveInFormat({GetParam().to, false, LineEndStyle::kCrLf}));
  EXPECT_EQ(prompts.Take(), Log{"error " + GetParam().error});
  EXPECT_EQ(files.files["/d/a.tex"], GetParam().file);
  EXPECT_FALSE(buffer.Modified());
}

INSTANTIATE_TEST_SUITE_P(
    Documents, ConversionRefusal,
    ::testing::Values(RefusalRow{"CharacterShiftJisCannotHold", "a\r\n\xE3\x81\x82\xC3\xA9\xF0\x9F\x98\x80\r\n", kSjis,
                                 "2 行目の「é」は Shift_JIS で表せないため、変換できません"},
                      RefusalRow{"EmojiShiftJisCannotHold", "\xF0\x9F\x98\x80", kSjis,
                                 "1 行目の「\xF0\x9F\x98\x80」は Shift_JIS で表せないため、変換できません"},
                      RefusalRow{"InvalidBytes", "a\r\nb\r\n\x82\xA0\xFF", kUtf8,
                                 "3 行目に文字として読めないバイトがあるため、UTF-8 に変換できません"}),
    RowName());

}  // namespace zumoku::test
