// A document built with the formula commands must compile with a real
// Japanese LaTeX engine reading Shift_JIS.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "buffer/text_buffer.h"
#include "math/formula.h"
#include "math/matrix.h"
#include "math/symbol_conversion.h"
#include "math/typing_aid.h"
#include "sjis_text.h"

namespace zumoku::test {

namespace fs = std::filesystem;

class LatexDocument : public ::testing::Test {
 protected:
  void Write(const std::string& s) { buffer.SetSelText(s); }
  // Writes s and selects it, as the user would before choosing a command.
  void WriteSelected(const std::string& s) {
    const int at = buffer.SelStart();
    buffer.SetSelText(s);
    SelectSince(at);
  }
  void SelectSince(int at) {
    const int end = buffer.SelStart();
    buffer.SetSelStart(at);
    buffer.SetSelLength(end - at);
  }
  void SelectBetween(const std::string& first, const std::string& last) {
    const std::string text = buffer.Text();
    const auto from = text.find(first);
    buffer.SetSelStart(static_cast<int>(from));
    buffer.SetSelLength(static_cast<int>(text.find(last, from) + last.size() - from));
  }
  void TypeWithAid(char key) {
    if (math::CompleteTypedCharacter(buffer, key)) {
      buffer.SetSelStart(buffer.SelStart() - 1);
    } else {
      buffer.Type(std::string(1, key));
    }
  }
  // The package line rewrite leaves the caret on that line; back to the body.
  void CaretAfter(const std::string& s) { buffer.SetSelStart(static_cast<int>(buffer.Text().find(s) + s.size())); }
  void SkipClosingBrace() { buffer.SetSelStart(buffer.SelStart() + 1); }

  MemoryClipboard clipboard;
  TextBuffer buffer{clipboard};
};

TEST_F(LatexDocument, CompilesWithPlatexInShiftJis) {
  // A magic comment above the class, as Japanese documents often begin.
  Write("%#!platex -kanji=sjis\r\n\\documentclass{jsarticle}\r\n\r\n\\begin{document}\r\n");
  Write(S("行列と数式の例です。\r\n"));

  WriteSelected("x^2 + y^2 = 1");
  math::ToggleInlineMath(buffer, false);
  Write(S("、そして "));
  const int symbols = buffer.SelStart();
  WriteSelected(S("サイン（Θ）+コサイン（Θ）＼｛x｝"));
  math::ConvertSelectedSymbols(buffer);
  SelectSince(symbols);
  math::ToggleInlineMath(buffer, false);
  Write(S("。\r\n\r\n$e"));
  TypeWithAid('^');
  Write("i\\pi");
  SkipClosingBrace();
  Write(" + a");
  TypeWithAid('_');
  Write("1");
  SkipClosingBrace();
  Write("=0$\r\n");

  // Selected with its line end, as a triple click selects a line.
  WriteSelected("a = b \\\\\r\nc = d\r\n");
  ASSERT_TRUE(math::WrapInDisplay(buffer, math::kGather));
  CaretAfter("\\end{gather}\r\n");
  ASSERT_TRUE(math::InsertMatrix(buffer, 3, 2, "pmatrix"));
  SelectBetween("\\begin{pmatrix}", "\\end{pmatrix}\r\n");
  ASSERT_TRUE(math::WrapInDisplay(buffer, math::kEquationStar));
  Write(math::BuildMatrix(2, 2, "cases"));
  SelectBetween("\\begin{cases}", "\\end{cases}");
  ASSERT_TRUE(math::WrapInDisplay(buffer, math::kEquation));
  CaretAfter("\\end{equation}");
  Write("\r\n\\end{document}\r\n");

  const std::string document = buffer.Text();
  EXPECT_EQ(document.find("\\documentclass{jsarticle}\r\n\\usepackage{amsmath}\r\n"), 23u) << document;
  ASSERT_NE(document.find("\\sin \\left( \\theta \\right) "), std::string::npos) << document;

  const fs::path folder =
      fs::temp_directory_path() /
      ("zumoku_latex_" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  fs::create_directories(folder);
  std::ofstream(folder / "doc.tex", std::ios::binary) << document;
  const std::string command = "cd '" + folder.string() +
                              "' && platex -kanji=sjis -interaction=nonstopmode -halt-on-error doc.tex > run.txt 2>&1";
  const int status = std::system(command.c_str());
  std::stringstream log;
  log << std::ifstream(folder / "run.txt").rdbuf();
  EXPECT_EQ(status, 0) << log.str() << "\n--- document ---\n" << document;
  EXPECT_TRUE(fs::exists(folder / "doc.dvi"));
  EXPECT_EQ(log.str().find("Warning"), std::string::npos) << log.str();
  if (!HasFailure()) fs::remove_all(folder);
}

}  // namespace zumoku::test
