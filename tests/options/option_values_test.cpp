#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "options/option_values.h"
#include "row_name.h"

namespace zumoku::options {
namespace {

using Values = std::map<std::string, std::string>;

ReadOptions ReadFrom(const Values& values) {
  return ReadProgramOptions([&values](const std::string& key) -> std::optional<std::string> {
    const auto found = values.find(key);
    return found == values.end() ? std::nullopt : std::optional(found->second);
  });
}

TEST(OptionValues, EveryOptionReadsBackAsWritten) {
  ProgramOptions changed;
  changed.editor = {"IPAGothic", 20, 4, false, false, false, false};
  changed.typing = {false, true, false, 5};
  changed.typeset = {{"platex", "mytex -x %f", "dvipdfm -q", "-z 0", true}, "viewer %f"};
  changed.document = {{Encoding::kUtf8, false, LineEndStyle::kLf}, 0};
  const auto written = OptionValues(changed);
  const ReadOptions read = ReadFrom(Values(written.begin(), written.end()));
  EXPECT_EQ(read.options, changed);
  EXPECT_TRUE(read.unreadableKeys.empty());
  EXPECT_EQ(ReadFrom({}).options, ProgramOptions{});
}

TEST(OptionValues, ValuesAtTheEndsOfTheirRangesAreKept) {
  const ReadOptions read =
      ReadFrom({{"editor/fontPixels", "6"}, {"editor/tabWidth", "16"}, {"autosave/intervalSeconds", "3600"}});
  EXPECT_TRUE(read.unreadableKeys.empty());
  EXPECT_EQ(read.options.editor.fontPixels, 6);
  EXPECT_EQ(read.options.document.autosaveSeconds, 3600);
}

// A value typed into zumoku.ini by hand, and the option it sets.
struct HandWrittenRow {
  const char* name;
  const char* key;
  const char* text;
  std::function<void(ProgramOptions&)> expected;
};

class HandWrittenValue : public ::testing::TestWithParam<HandWrittenRow> {};

TEST_P(HandWrittenValue, IsReadAsItSays) {
  const HandWrittenRow& row = GetParam();
  ProgramOptions expected;
  row.expected(expected);
  const ReadOptions read = ReadFrom({{row.key, row.text}});
  EXPECT_EQ(read.options, expected);
  EXPECT_TRUE(read.unreadableKeys.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, HandWrittenValue,
    ::testing::Values(HandWrittenRow{"LineEndsLf", "newDocument/lineEnds", "LF",
                                     [](ProgramOptions& o) { o.document.newFormat.lineEnds = LineEndStyle::kLf; }},
                      HandWrittenRow{"LineEndsCrLf", "newDocument/lineEnds", "CRLF",
                                     [](ProgramOptions& o) { o.document.newFormat.lineEnds = LineEndStyle::kCrLf; }},
                      HandWrittenRow{"EncodingUtf8", "newDocument/encoding", "UTF-8",
                                     [](ProgramOptions& o) { o.document.newFormat.encoding = Encoding::kUtf8; }},
                      HandWrittenRow{"AutosaveOff", "autosave/intervalSeconds", "0",
                                     [](ProgramOptions& o) { o.document.autosaveSeconds = 0; }}),
    test::RowName());

}  // namespace
}  // namespace zumoku::options
