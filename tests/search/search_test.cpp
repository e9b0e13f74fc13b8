#include "search/search.h"

#include <gtest/gtest.h>

#include "row_name.h"
#include "search/replace.h"

namespace zumoku::search {
namespace {

using Spans = std::vector<Span>;

constexpr Options kPlain{};
constexpr Options kCase{.matchCase = true};
constexpr Options kWord{.wholeWord = true};
constexpr Options kRegex{.regularExpression = true};
constexpr Options kRegexWord{.wholeWord = true, .regularExpression = true};

Search Make(std::string_view pattern, const Options& options, Encoding encoding = Encoding::kShiftJis) {
  return Search(pattern, options, encoding);
}

// Shift_JIS bytes are written raw: ソ 0x835C, ボ 0x837B, ポ 0x837C, マ 0x837D,
// ア 0x8341, 表 0x955C, 纊 0xED40 (a duplicate code, read with a variation selector).
struct FindAllRow {
  const char* name;
  std::string text, pattern;
  Options options;
  Spans expected;
  Encoding encoding = Encoding::kShiftJis;
};

class FindAll : public ::testing::TestWithParam<FindAllRow> {};

TEST_P(FindAll, FindsEveryWholeCharacterMatch) {
  const auto& row = GetParam();
  Spans found;
  for (const Match& match : Make(row.pattern, row.options, row.encoding).FindAll(row.text)) found.push_back(match.span);
  EXPECT_EQ(found, row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FindAll,
    ::testing::Values(
        FindAllRow{"Plain", "abcabc", "bc", kPlain, {{1, 2}, {4, 2}}},
        FindAllRow{"EmptyPatternFindsNothing", "abc", "", kPlain, {}},
        FindAllRow{"CaseFolds", "Abc aBC", "abc", kPlain, {{0, 3}, {4, 3}}},
        FindAllRow{"CaseKept", "Abc aBC abc", "abc", kCase, {{8, 3}}},
        FindAllRow{"CaseFoldsTheLastLetter", "Zeta", "z", kPlain, {{0, 1}}},
        FindAllRow{"CrIsTheWholeLineEnd", "a\r\nb", "\r", kPlain, {{1, 2}}},
        FindAllRow{"NeverStartsInsideCrLf", "a\r\nb", "\nb", kPlain, {{1, 3}}},
        FindAllRow{"LineEndMatchesEachKind", "a\r\nb\nc\rd", "\r\n", kPlain, {{1, 2}, {4, 1}, {6, 1}}},
        FindAllRow{"Utf8CrLfIsOneCharacter", "a\r\nb", "\r", kPlain, {{1, 2}}, Encoding::kUtf8},
        // 纊 ED40 / FA5C, ≒ 8790 / 81E0: a character under either of its codes.
        FindAllRow{"DuplicateCodes",
                   "\xED\x40\xFA\x5C"
                   "a\x87\x90"
                   "a\x81\xE0",
                   "a\x81\xE0",
                   kPlain,
                   {{4, 3}, {7, 3}}},
        FindAllRow{"DuplicateCodeFirst", "\xED\x40\xFA\x5C", "\xFA\x5C", kPlain, {{0, 2}, {2, 2}}},
        FindAllRow{"RegexDuplicateCodes", "\x87\x90\x81\xE0", "\x81\xE0", kRegex, {{0, 2}, {2, 2}}},
        // A, a character with a variation selector, B, C: whole visible characters.
        FindAllRow{"RegexStaysInItsLine", "ab\r\nab", "b[^z]*", kRegex, {{1, 1}, {5, 1}}},
        FindAllRow{"RegexNamingALineEndCrossesIt", "a\r\nb", "a\\nb", kRegex, {{0, 4}}},
        FindAllRow{"RegexSkipsVariationSelector", "\x41\xED\x5D\x42\x43", "..", kRegex, {{0, 3}, {3, 2}}},
        FindAllRow{"TrailBackslash", "\x83\x5C\\", "\\", kPlain, {{2, 1}}},
        FindAllRow{"TrailPipe", "\x83\x7C|", "|", kPlain, {{2, 1}}},
        FindAllRow{"TrailOpenBrace", "\x83\x7B{", "{", kPlain, {{2, 1}}},
        FindAllRow{"TrailCloseBrace", "\x83\x7D}", "}", kPlain, {{2, 1}}},
        FindAllRow{"TrailLetterNotFolded",
                   "\x83\x41"
                   "a",
                   "A",
                   kPlain,
                   {{2, 1}}},
        FindAllRow{"DoubleByteComparedExactly", "\x83\x41", "\x83\x61", kPlain, {}},
        FindAllRow{"MatchNeverEndsInsideACharacter", "a\x83\x5C", "a\x83", kPlain, {}},
        FindAllRow{"InvalidBytesAround", "\x80x\xFFx\x83", "x", kPlain, {{1, 1}, {3, 1}}},
        FindAllRow{"WholeWord", "cat concat cat_x cat.", "cat", kWord, {{0, 3}, {17, 3}}},
        FindAllRow{"WholeWordAfterTrailByte",
                   "\x83\x61"
                   "b",
                   "b",
                   kWord,
                   {{2, 1}}},
        FindAllRow{"WholeWordOfPunctuation", "a{b}", "{", kWord, {{1, 1}}},
        FindAllRow{"Regex", "a1 b22", "[a-z](\\d+)", kRegex, {{0, 2}, {3, 3}}},
        FindAllRow{"RegexWholeCharacters", "\x95\x5C\x83\x5Cx", ".", kRegex, {{0, 2}, {2, 2}, {4, 1}}},
        FindAllRow{"RegexTrailBackslash", "\x83\x5C\\", "\\\\", kRegex, {{2, 1}}},
        FindAllRow{"RegexCaseFolds", "ABC", "abc", kRegex, {{0, 3}}},
        FindAllRow{"RegexLineStartAfterCrLf", "ab\r\ncd", "^c", kRegex, {{4, 1}}},
        FindAllRow{"RegexAfterInvalidBytes", "\x80\xFF\x83\r\nab", "b", kRegex, {{6, 1}}},
        FindAllRow{"RegexAfterVariationSelector", "\xED\x40x\xED\x40x", "x", kRegex, {{2, 1}, {5, 1}}},
        FindAllRow{"RegexEmptyMatchesEnd", "baab", "a*", kRegex, {{0, 0}, {1, 2}, {4, 0}}},
        FindAllRow{"RegexEmptyMatchesStepWholeCharacters", "\x95\x5C", "x*", kRegex, {{0, 0}, {2, 0}}},
        FindAllRow{"RegexWholeWord", "cat concat", "c.t", kRegexWord, {{0, 3}}},
        FindAllRow{"InvalidRegexFindsNothing", "(a", "(", kRegex, {}},
        // UTF-8: 漢 E6 BC A2, あ E3 81 82, 😀 F0 9F 98 80.
        FindAllRow{"Utf8Plain",
                   "\xE6\xBC\xA2"
                   "a\xE6\xBC\xA2",
                   "\xE6\xBC\xA2",
                   kPlain,
                   {{0, 3}, {4, 3}},
                   Encoding::kUtf8},
        FindAllRow{"Utf8NeverInsideACharacter", "\xE3\x81\x82\x81", "\x81", kPlain, {{3, 1}}, Encoding::kUtf8},
        FindAllRow{"Utf8RegexWholeCharacters",
                   "\xE6\xBC\xA2\xF0\x9F\x98\x80x",
                   ".",
                   kRegex,
                   {{0, 3}, {3, 4}, {7, 1}},
                   Encoding::kUtf8},
        FindAllRow{"Utf8RegexAfterInvalidBytes", "\xFF\xE3\x81x", "x", kRegex, {{3, 1}}, Encoding::kUtf8}),
    test::RowName());

struct StepRow {
  const char* name;
  std::string text, pattern;
  Options options;
  Span selection;
  bool forward;
  std::optional<Span> expected;
  bool wrapped;
};

class FindStep : public ::testing::TestWithParam<StepRow> {};

TEST_P(FindStep, FindsFromTheSelectionAndWraps) {
  const auto& row = GetParam();
  const Search search = Make(row.pattern, row.options);
  const auto found =
      row.forward ? search.FindNext(row.text, row.selection) : search.FindPrevious(row.text, row.selection);
  ASSERT_EQ(found.has_value(), row.expected.has_value());
  if (!found) return;
  EXPECT_EQ(found->match.span, *row.expected);
  EXPECT_EQ(found->wrapped, row.wrapped);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FindStep,
    ::testing::Values(StepRow{"NextAtCaret", "ab ab", "ab", kPlain, {0, 0}, true, Span{0, 2}, false},
                      StepRow{"NextAfterSelection", "ab ab", "ab", kPlain, {0, 2}, true, Span{3, 2}, false},
                      StepRow{"NextWraps", "ab ab", "ab", kPlain, {3, 2}, true, Span{0, 2}, true},
                      StepRow{"NextNone", "ab ab", "x", kPlain, {0, 0}, true, std::nullopt, false},
                      StepRow{"NextPastEmptyMatchAtCaret", "ab", "x*", kRegex, {1, 0}, true, Span{2, 0}, false},
                      StepRow{"NextEmptyMatchWraps", "ab", "x*", kRegex, {2, 0}, true, Span{0, 0}, true},
                      StepRow{"PreviousBeforeSelection", "ab ab", "ab", kPlain, {3, 2}, false, Span{0, 2}, false},
                      StepRow{"PreviousWraps", "ab ab", "ab", kPlain, {0, 2}, false, Span{3, 2}, true},
                      StepRow{"PreviousNone", "ab", "x", kPlain, {2, 0}, false, std::nullopt, false}),
    test::RowName());

struct ReplaceRow {
  const char* name;
  std::string text, pattern;
  Options options;
  std::optional<Span> range;  // the whole text without one
  std::string replacement, expected;
  int count;
};

class ReplaceAllRows : public ::testing::TestWithParam<ReplaceRow> {};

TEST_P(ReplaceAllRows, ReplacesEveryMatchInTheRange) {
  const auto& row = GetParam();
  const Search search = Make(row.pattern, row.options);
  const Replacement result =
      ReplaceAll(search, row.text, row.range.value_or(Span{0, row.text.size()}), row.replacement);
  std::string text = row.text;
  text.replace(result.span.start, result.span.length, result.bytes);
  EXPECT_EQ(text, row.expected);
  EXPECT_EQ(result.count, row.count);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReplaceAllRows,
    ::testing::Values(
        ReplaceRow{"Plain", "a-b-c", "-", kPlain, std::nullopt, "--", "a--b--c", 2},
        ReplaceRow{"PlainTakesBackslashesAsTheyStand", "a", "a", kPlain, std::nullopt, "\\1\\\\", "\\1\\\\", 1},
        ReplaceRow{"InSelectionOnly", "x x x", "x", kPlain, Span{1, 3}, "y", "x y x", 1},
        ReplaceRow{"SelectionIsTheWholeText", "x x", "^x", kRegex, Span{2, 1}, "y", "x y", 1},
        ReplaceRow{"RegexGroups", "a1 b2", "([a-z])(\\d)", kRegex, std::nullopt, "\\2\\1", "1a 2b", 2},
        ReplaceRow{"RegexWholeMatchAndBackslash", "a", "a", kRegex, std::nullopt, "\\\\textbf{\\0}", "\\textbf{a}", 1},
        ReplaceRow{"RegexUnmatchedGroupIsEmpty", "a", "a(x)?", kRegex, std::nullopt, "[\\1]", "[]", 1},
        ReplaceRow{"TrailByteIsNoReference", "a", "a", kRegex, std::nullopt,
                   "\x83\x5C"
                   "1",
                   "\x83\x5C"
                   "1",
                   1},
        ReplaceRow{"InvalidBytesKept",
                   "\x80"
                   "a\xFF"
                   "a\x83",
                   "a", kPlain, std::nullopt, "b",
                   "\x80"
                   "b\xFF"
                   "b\x83",
                   2},
        ReplaceRow{"RegexKeepsInvalidBytes",
                   "\x80"
                   "a\xFF\r\na\xED\x40",
                   "a", kRegex, std::nullopt, "\x95\x5C", "\x80\x95\x5C\xFF\r\n\x95\x5C\xED\x40", 2},
        ReplaceRow{"CrLfReplacedWhole", "a\r\nb", "\r", kPlain, std::nullopt, "X", "aXb", 1},
        ReplaceRow{"DuplicateCodesTakeTheTypedCode", "\xED\x40-\xFA\x5C", "\xFA\x5C", kPlain, std::nullopt, "\xFA\x5C",
                   "\xFA\x5C-\xFA\x5C", 2},
        ReplaceRow{"EmptyMatches", "ab", "x*", kRegex, std::nullopt, "-", "-a-b-", 3},
        ReplaceRow{"NoMatch", "ab", "x", kPlain, std::nullopt, "-", "ab", 0}),
    test::RowName());

// 25 x: past the library's limit for this pattern, though "w" matches.
TEST(RegexLimit, IsReportedNeverTakenForNoMatch) {
  const Search search = Make("(x+x+)+y|w", kRegex);
  const std::string text = std::string(25, 'x') + "w";
  EXPECT_THROW(search.FindAll(text), TooComplex);
  EXPECT_THROW(search.FindNext(text, {}), TooComplex);
  EXPECT_STREQ(TooComplex().what(), "正規表現が複雑すぎるため検索を中止しました");
}

TEST(ReplaceAllProgress, StoppingLeavesNothingToReplace) {
  const std::string text = "a a a";
  std::vector<std::size_t> told;
  const auto stopAtSecond = [&](std::size_t done) {
    told.push_back(done);
    return told.size() < 2;
  };
  const Replacement result = ReplaceAll(Make("a", kPlain), text, {0, text.size()}, "b", stopAtSecond);
  EXPECT_TRUE(result.stopped);
  EXPECT_EQ(result.count, 0);
  EXPECT_EQ(told, (std::vector<std::size_t>{0, 1}));
}

TEST(RegexError, InvalidPatternIsExplainedInJapanese) {
  const Search search = Make("a(b", kRegex);
  EXPECT_EQ(search.Error(), "正規表現の誤り: 「(」に対応する「)」がありません（4 文字目）");
  EXPECT_TRUE(Make("a(b", kPlain).Error().empty());
}

}  // namespace
}  // namespace zumoku::search
