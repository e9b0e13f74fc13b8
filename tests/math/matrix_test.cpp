#include "math/matrix.h"

#include <gtest/gtest.h>

#include "row_name.h"
#include "selected_text.h"

namespace zumoku::test {

struct MatrixRow {
  const char* name;
  int rows, columns;
  std::string_view environment;
  std::string expected;
};

class Matrix : public ::testing::TestWithParam<MatrixRow> {};

TEST_P(Matrix, RowsHoldTheirColumnNumbers) {
  EXPECT_EQ(math::BuildMatrix(GetParam().rows, GetParam().columns, GetParam().environment), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, Matrix,
    ::testing::Values(
        MatrixRow{"TwoByTwo", 2, 2, "pmatrix",
                  "\\begin{pmatrix}\r\n    1 & 2 \\\\\r\n    1 & 2 \r\n\\end{pmatrix}\r\n"},
        // One row is one row, in the last-row form.
        MatrixRow{"OneRow", 1, 3, "bmatrix", "\\begin{bmatrix}\r\n    1 & 2 & 3 \r\n\\end{bmatrix}\r\n"},
        MatrixRow{"OneCell", 1, 1, "matrix", "\\begin{matrix}\r\n    1 \r\n\\end{matrix}\r\n"},
        MatrixRow{"OneColumn", 4, 1, "vmatrix",
                  "\\begin{vmatrix}\r\n    1 \\\\\r\n    1 \\\\\r\n    1 \\\\\r\n    1 \r\n\\end{vmatrix}\r\n"},
        MatrixRow{"Cases", 2, 2, "cases", "\\begin{cases}\r\n    1 & 2 \\\\\r\n    1 & 2 \r\n\\end{cases}\r\n"}),
    RowName());

TEST(Matrix, HundredByHundredHasAHundredRowsOfAHundredCells) {
  const std::string text = math::BuildMatrix(100, 100, "Bmatrix");
  int rowEnds = 0;
  for (auto at = text.find("\\\\\r\n"); at != std::string::npos; at = text.find("\\\\\r\n", at + 1)) ++rowEnds;
  EXPECT_EQ(rowEnds, 99);
  EXPECT_NE(text.find("    1 & 2 & "), std::string::npos);
  EXPECT_NE(text.find("& 99 & 100 \r\n\\end{Bmatrix}\r\n"), std::string::npos);
}

TEST(InsertMatrix, ReplacesTheSelectionAndAddsThePackageLineOnce) {
  const std::string preamble = "\\documentclass{jsarticle}\r\n";
  SelectedText doc(preamble + "\\begin{document}\r\n", "old", "\r\n\\end{document}\r\n");
  EXPECT_TRUE(math::InsertMatrix(doc.buffer, 2, 2, "pmatrix"));
  const std::string matrix = math::BuildMatrix(2, 2, "pmatrix");
  const std::string once =
      preamble + "\\usepackage{amsmath}\r\n\\begin{document}\r\n" + matrix + "\r\n\\end{document}\r\n";
  EXPECT_EQ(doc.buffer.Text(), once);
  EXPECT_EQ(doc.buffer.SelStart(), static_cast<int>(preamble.size() + 20));
  doc.buffer.SetSelStart(static_cast<int>(once.size()));
  EXPECT_TRUE(math::InsertMatrix(doc.buffer, 2, 2, "pmatrix"));
  EXPECT_EQ(doc.buffer.Text(), once + matrix);
}

TEST(InsertMatrix, CaretStaysAfterTheMatrixWhenNoLineIsAdded) {
  SelectedText doc("x", "", "y");
  EXPECT_FALSE(math::InsertMatrix(doc.buffer, 1, 1, "matrix"));  // no preamble to name amsmath in
  EXPECT_EQ(doc.buffer.Text(), "x" + math::BuildMatrix(1, 1, "matrix") + "y");
  EXPECT_EQ(doc.buffer.SelStart(), static_cast<int>(math::BuildMatrix(1, 1, "matrix").size()) + 1);
}

}  // namespace zumoku::test
