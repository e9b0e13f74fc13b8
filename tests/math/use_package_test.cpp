#include "math/use_package.h"

#include <gtest/gtest.h>

#include "selected_text.h"
#include "sjis_text.h"

namespace zumoku::test {

namespace {
const std::string kClass = "\\documentclass{jsarticle}\r\n";
const std::string kBody = "\\begin{document}\r\nabc\r\n\\end{document}\r\n";
}  // namespace

struct PackageRow {
  std::string name, text, expected;
};

class EnsurePackage : public ::testing::TestWithParam<PackageRow> {};

TEST_P(EnsurePackage, WritesOnlyThePreamblesPackageLine) {
  SelectedText doc(GetParam().text, "");
  math::EnsureUsePackage(doc.buffer, "amsmath");
  EXPECT_EQ(doc.buffer.Text(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, EnsurePackage,
    ::testing::Values(
        PackageRow{"NamedAfterTheBrace", kClass + "\\usepackage{amssymb}\r\n" + kBody,
                   kClass + "\\usepackage{amsmath,amssymb}\r\n" + kBody},
        PackageRow{"OptionsBeforeTheBraceStay", kClass + "\\usepackage{x}\\usepackage[a]{y}\r\n" + kBody,
                   kClass + "\\usepackage{amsmath,x}\\usepackage[a]{y}\r\n" + kBody},
        PackageRow{"AlreadyNamed", kClass + "\\usepackage{amssymb,amsmath}\r\n" + kBody,
                   kClass + "\\usepackage{amssymb,amsmath}\r\n" + kBody},
        PackageRow{"MentionedInAComment", kClass + "% amsmathless\r\n" + kBody,
                   kClass + "% amsmathless\r\n" + kBody},
        PackageRow{"EmptyLineBecomesThePackageLine", kClass + "\r\n" + kBody,
                   kClass + "\\usepackage{amsmath}\r\n" + kBody},
        PackageRow{"OtherTextGetsANewLineAboveIt", kClass + S("% 日本語\r\n") + kBody,
                   kClass + "\\usepackage{amsmath}\r\n" + S("% 日本語\r\n") + kBody},
        // The trail byte of ソ is a backslash, which opens no \usepackage{.
        PackageRow{"TrailByteOpensNoCommand", kClass + S("ソusepackage{x}\r\n") + kBody,
                   kClass + "\\usepackage{amsmath}\r\n" + S("ソusepackage{x}\r\n") + kBody},
        // The second line is \begin{document} itself: a new line above it is still preamble.
        PackageRow{"SecondLineOpensTheBody", kClass + kBody, kClass + "\\usepackage{amsmath}\r\n" + kBody},
        // Nothing is ever written into the body or into a text without one.
        PackageRow{"NoDocumentBody", kClass + "\r\nx\r\n", kClass + "\r\nx\r\n"},
        PackageRow{"EmptyText", "", ""}, PackageRow{"OneLineEnd", "\r\n", "\r\n"},
        PackageRow{"BlockInEmptyText", "\\begin{gather}\r\n\r\n\\end{gather}",
                   "\\begin{gather}\r\n\r\n\\end{gather}"},
        PackageRow{"BodyStartsOnTheFirstLine", "\\begin{document}\r\n\r\nx\r\n\\end{document}\r\n",
                   "\\begin{document}\r\n\r\nx\r\n\\end{document}\r\n"},
        PackageRow{"BodyStartsOnThePackageLine", kClass + "\\usepackage{x}\\begin{document}\r\n",
                   kClass + "\\usepackage{x}\\begin{document}\r\n"}),
    [](const auto& info) { return info.param.name; });

TEST(EnsurePackage, SecondCallAddsNothing) {
  SelectedText doc(kClass + "\\usepackage{graphicx}\r\n" + kBody, "");
  math::EnsureUsePackage(doc.buffer, "amsmath");
  math::EnsureUsePackage(doc.buffer, "amsmath");
  EXPECT_EQ(doc.buffer.Lines().Get(1), "\\usepackage{amsmath,graphicx}");
}

TEST(EnsurePackage, CaretEndsAfterTheRewrittenLine) {
  SelectedText doc(kClass + "\r\n" + kBody, "");
  math::EnsureUsePackage(doc.buffer, "amsmath");
  EXPECT_EQ(doc.buffer.SelStart(), static_cast<int>(kClass.size() + std::string("\\usepackage{amsmath}").size()));
  EXPECT_EQ(doc.buffer.SelLength(), 0);
}

struct AmsmathRow {
  std::string name, text, expected;
};

class AmsmathLine : public ::testing::TestWithParam<AmsmathRow> {};

TEST_P(AmsmathLine, AddedAfterTheFirstLineWhenTheTextLacksIt) {
  SelectedText doc(GetParam().text, "");
  math::EnsureAmsmathLine(doc.buffer);
  EXPECT_EQ(doc.buffer.Text(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AmsmathLine,
    ::testing::Values(
        AmsmathRow{"Missing", kClass + kBody, kClass + "\\usepackage{amsmath}\r\n" + kBody},
        // Only the exact line counts.
        AmsmathRow{"NamedAmongOthers", kClass + "\\usepackage{amsmath,graphicx}\r\n" + kBody,
                   kClass + "\\usepackage{amsmath}\r\n\\usepackage{amsmath,graphicx}\r\n" + kBody},
        AmsmathRow{"PresentInTheBody", kClass + kBody + "%\\usepackage{amsmath}", kClass + kBody +
                   "%\\usepackage{amsmath}"},
        AmsmathRow{"NoBody", "\\begin{pmatrix}\r\n    1 \r\n\\end{pmatrix}\r\n",
                   "\\begin{pmatrix}\r\n    1 \r\n\\end{pmatrix}\r\n"},
        AmsmathRow{"FirstLineInTheBody", "\\begin{document}\r\nx\r\n", "\\begin{document}\r\nx\r\n"}),
    [](const auto& info) { return info.param.name; });

}  // namespace zumoku::test
