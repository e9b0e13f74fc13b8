// Documents go to disk byte for byte: the loaded line-end rule on reading,
// CR LF and nothing else changed on writing.
#include <random>

#include "buffer/line_ends.h"
#include "document_fixture.h"
#include "row_name.h"

namespace zumoku::test {

struct LineEndRow {
  const char* name;
  std::string file;
  std::string written;
};

void PrintTo(const LineEndRow& row, std::ostream* out) { *out << row.name; }

class LineEnds : public DocumentTest, public ::testing::WithParamInterface<LineEndRow> {};

TEST_P(LineEnds, AreWrittenBackAsCrLf) {
  OpenFile("/d/a.tex", GetParam().file);
  document.Save();
  EXPECT_EQ(files.files["/d/a.tex"], GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Documents, LineEnds,
                         ::testing::Values(LineEndRow{"Lf", S("一\n二\n"), S("一\r\n二\r\n")},
                                           LineEndRow{"FinalLineEndKept", "a\r\nb\r\n", "a\r\nb\r\n"},
                                           LineEndRow{"NoFinalLineEndAdded", "a\r\nb", "a\r\nb"},
                                           LineEndRow{"LoneCr", "a\rb\r", "a\r\nb\r\n"},
                                           LineEndRow{"CrCrLfIsTwoLineEnds", "a\r\r\nb", "a\r\n\r\nb"},
                                           LineEndRow{"LfCrIsTwoLineEnds", "a\n\rb", "a\r\n\r\nb"},
                                           LineEndRow{"Empty", "", ""},
                                           LineEndRow{"InvalidShiftJisAndNul", std::string("\x81\n\xFF\x00\x85\x40", 6),
                                                      std::string("\x81\r\n\xFF\x00\x85\x40", 7)}),
                         RowName());

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
