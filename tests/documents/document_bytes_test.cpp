// Documents go to disk byte for byte: the loaded line-end rule on reading,
// and on writing LF for a file whose line ends were all LF, CR LF otherwise.
#include <random>

#include "document_fixture.h"
#include "encoding/line_ends.h"
#include "row_name.h"

namespace zumoku::test {

struct LineEndRow {
  const char* name;
  std::string file;
  std::string written;
};

void PrintTo(const LineEndRow& row, std::ostream* out) { *out << row.name; }

class LineEnds : public DocumentTest, public ::testing::WithParamInterface<LineEndRow> {};

TEST_P(LineEnds, AreWrittenBackInTheFilesStyle) {
  OpenFile("/d/a.tex", GetParam().file);
  document.Save();
  EXPECT_EQ(files.files["/d/a.tex"], GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Documents, LineEnds,
                         ::testing::Values(LineEndRow{"LfOnlyStaysLf", "\x88\xea\nb\n", "\x88\xea\nb\n"},
                                           LineEndRow{"LfOnlyWithoutFinalLineEnd", "a\n\nb", "a\n\nb"},
                                           LineEndRow{"MixedBecomesCrLf", "a\nb\r\nc\n", "a\r\nb\r\nc\r\n"},
                                           LineEndRow{"FinalLoneCrMakesCrLf", "a\nb\r", "a\r\nb\r\n"},
                                           LineEndRow{"NoLineEnd", "a\x88\xea", "a\x88\xea"},
                                           LineEndRow{"FinalLineEndKept", "a\r\nb\r\n", "a\r\nb\r\n"},
                                           LineEndRow{"NoFinalLineEndAdded", "a\r\nb", "a\r\nb"},
                                           LineEndRow{"LoneCr", "a\rb\r", "a\r\nb\r\n"},
                                           LineEndRow{"CrCrLfIsTwoLineEnds", "a\r\r\nb", "a\r\n\r\nb"},
                                           LineEndRow{"LfCrIsTwoLineEnds", "a\n\rb", "a\r\n\r\nb"},
                                           LineEndRow{"Empty", "", ""},
                                           LineEndRow{"InvalidShiftJisAndNul", std::string("\x81\n\xFF\x00\x85\x40", 6),
                                                      std::string("\x81\n\xFF\x00\x85\x40", 6)}),
                         RowName());

// The style is that of the file last read (opened, dropped or reloaded);
// Save As keeps it and New starts with CR LF.
TEST_F(DocumentTest, LineEndStyleFollowsTheFileLastRead) {
  OpenFile("/d/a.tex", "a\n");
  EXPECT_EQ(prompts.format, "Shift_JIS LF");
  prompts.choices = {"/d/b.tex"};
  document.SaveAs();
  EXPECT_EQ(files.files["/d/b.tex"], "a\n");
  files.files["/d/b.tex"] = "b\r\n";
  prompts.answers = {Answer::kYes};
  document.CheckFileOnDisk();
  EXPECT_EQ(prompts.format, "Shift_JIS CRLF");
  files.files["/d/c.tex"] = "c\n";
  document.DropFiles(std::vector<std::string>{"/d/c.tex"});
  EXPECT_EQ(prompts.format, "Shift_JIS LF");
  document.AdoptNewDocument();
  EXPECT_EQ(prompts.format, "Shift_JIS CRLF");
  prompts.choices = {"/d/d.tex"};
  document.SaveAs();
  EXPECT_EQ(files.files["/d/d.tex"], "c\r\n");
}

// Any byte string whose line ends are CR LF, valid Shift_JIS or not, is
// written back exactly as it was read.
TEST_F(DocumentTest, OpenThenSaveGivesTheSameBytes) {
  std::mt19937 random(1207);
  std::uniform_int_distribution<int> byte(0, 255), length(0, 200);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes(static_cast<std::size_t>(length(random)), '\0');
    for (char& c : bytes) c = static_cast<char>(byte(random));
    const std::string file = NormalizeLoadedLineEnds(bytes);
    OpenFile("/d/a.tex", file);
    document.Save();
    ASSERT_EQ(files.files["/d/a.tex"], file) << round;
  }
}

}  // namespace zumoku::test
