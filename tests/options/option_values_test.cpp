#include <gtest/gtest.h>

#include <map>

#include "options/option_values.h"

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
  changed.typing = {false, true};
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

}  // namespace
}  // namespace zumoku::options
