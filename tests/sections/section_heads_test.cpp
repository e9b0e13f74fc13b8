#include "sections/section_heads.h"

#include <gtest/gtest.h>

#include "buffer/text_buffer.h"
#include "sjis_text.h"

namespace zumoku::sections {
namespace {

using test::S;

class SectionHeads : public ::testing::Test {
 protected:
  MemoryClipboard clipboard;
  TextBuffer buffer{clipboard};
  void SetText(const std::string& text) {
    buffer.Clear();
    buffer.SetSelText(text);
  }
};

TEST_F(SectionHeads, ScanListsEveryHeadInTextOrder) {
  const struct {
    std::string text;
    std::vector<std::string> names;
  } rows[] = {
      {"", {}},
      {"\\section{A}\r\n\\subsection{B}\r\n\\section*{C}\r\n\\section{D}", {"A", "D"}},
      {"x\\section{A}y\\section{A}", {"A", "A"}},
      {"\\section{a{b}c}", {"a{b"}},
      {"\\section{a\\section{b}", {"a\\section{b"}},
      {"\\section{}\\section{abc", {"", ""}},
      {"\\section{abc\\section{def", {"", ""}},
      {S("\\section{マ表}\\section{ソ}"), {S("マ表"), S("ソ")}},
      {S("表section{x}"), {}},  // the "\" is the second byte of 表
      {"\\section{a\r\nb}", {"a\r\nb"}},
  };
  for (const auto& row : rows) {
    SetText(row.text);
    EXPECT_EQ(ScanSections(buffer), row.names) << row.text;
  }
}

TEST_F(SectionHeads, ScanLeavesACaretWhereTheSelectionBegan) {
  SetText("abc\\section{x}def");
  buffer.SetSelStart(2);
  buffer.SetSelLength(5);
  ScanSections(buffer);
  EXPECT_EQ(buffer.SelStart(), 2);
  EXPECT_EQ(buffer.SelLength(), 0);
}

TEST_F(SectionHeads, JumpSelectsTheNthWholeHeadOfThatName) {
  const std::string before = S("前文\r\n");
  const struct {
    std::string name;
    int nth, start, length;
  } rows[] = {
      {"A", 0, 6, 11},        {"A", 1, 19, 11},   {"A", 2, 19, 11},      // the last when fewer are left
      {S("マ表"), 0, 32, 14}, {"a{b", 0, 46, 13}, {"Intro", 0, 63, 15},  // after an unassigned pair, one character
  };
  SetText(before + "\\section{A}\r\n\\section{A}\r\n" + S("\\section{マ表}") + "\\section{a{b}c}" +
          "\x82\x9B\\section{Intro}");
  for (const auto& row : rows) {
    ASSERT_TRUE(JumpToSection(buffer, row.name, row.nth)) << row.name;
    EXPECT_EQ(buffer.SelStart(), row.start) << row.name;
    EXPECT_EQ(buffer.SelLength(), row.length) << row.name;
  }
}

TEST_F(SectionHeads, JumpToANameNoLongerThereKeepsTheSelection) {
  SetText(S("\\section{マ}"));
  buffer.SetSelStart(3);
  buffer.SetSelLength(2);
  EXPECT_FALSE(JumpToSection(buffer, "x"));
  EXPECT_FALSE(JumpToSection(buffer, "}"));  // not inside マ either
  EXPECT_EQ(buffer.SelStart(), 3);
  EXPECT_EQ(buffer.SelLength(), 2);
}

}  // namespace
}  // namespace zumoku::sections
