#include "math/use_package.h"

#include <gtest/gtest.h>

#include "row_name.h"
#include "selected_text.h"
#include "sjis_text.h"

namespace zumoku::test {

namespace {
const std::string kClass = "\\documentclass{jsarticle}\r\n";
const std::string kBody = "\\begin{document}\r\nabc\r\n\\end{document}\r\n";
}  // namespace

struct PackageRow {
  std::string name, text, expected;
  bool named = true;
};

class EnsurePackage : public ::testing::TestWithParam<PackageRow> {};

TEST_P(EnsurePackage, WritesOnlyThePreamblesPackageLine) {
  SelectedText doc(GetParam().text, "");
  EXPECT_EQ(math::EnsureUsePackage(doc.buffer, "amsmath"), GetParam().named);
  EXPECT_EQ(doc.buffer.Text(), GetParam().expected);
}

const std::string kMagic = "%#!platex\r\n";

INSTANTIATE_TEST_SUITE_P(
    Lines, EnsurePackage,
    ::testing::Values(
        PackageRow{"NamedAfterTheBrace", kClass + "\\usepackage{amssymb}\r\n" + kBody,
                   kClass + "\\usepackage{amsmath,amssymb}\r\n" + kBody},
        PackageRow{"OptionsBeforeTheBraceStay", kClass + "\\usepackage{x}\\usepackage[a]{y}\r\n" + kBody,
                   kClass + "\\usepackage{amsmath,x}\\usepackage[a]{y}\r\n" + kBody},
        PackageRow{"AlreadyNamed", kClass + "\\usepackage{amssymb,amsmath}\r\n" + kBody,
                   kClass + "\\usepackage{amssymb,amsmath}\r\n" + kBody},
        PackageRow{"MentionedInAComment", kClass + "% amsmathless\r\n" + kBody, kClass + "% amsmathless\r\n" + kBody},
        PackageRow{"EmptyLineBecomesThePackageLine", kClass + "\r\n" + kBody,
                   kClass + "\\usepackage{amsmath}\r\n" + kBody},
        PackageRow{"OtherTextGetsANewLineAboveIt", kClass + S("% 日本語\r\n") + kBody,
                   kClass + "\\usepackage{amsmath}\r\n" + S("% 日本語\r\n") + kBody},
        // The trail byte of ソ is a backslash, which opens no \usepackage{.
        PackageRow{"TrailByteOpensNoCommand", kClass + S("ソusepackage{x}\r\n") + kBody,
                   kClass + "\\usepackage{amsmath}\r\n" + S("ソusepackage{x}\r\n") + kBody},
        PackageRow{"CommentedCommandIsNotExtended", kClass + "%\\usepackage{x}\r\n" + kBody,
                   kClass + "\\usepackage{amsmath}\r\n%\\usepackage{x}\r\n" + kBody},
        // The package line follows the class line, wherever that stands.
        PackageRow{"MagicCommentFirst", kMagic + kClass + "\r\n" + kBody,
                   kMagic + kClass + "\\usepackage{amsmath}\r\n" + kBody},
        PackageRow{"MagicCommentAndNoPackageLine", kMagic + kClass + kBody,
                   kMagic + kClass + "\\usepackage{amsmath}\r\n" + kBody},
        PackageRow{"ClassOverSeveralLines", "\\documentclass[\r\n  a4paper\r\n]{jsarticle}\r\n" + kBody,
                   "\\documentclass[\r\n  a4paper\r\n]{jsarticle}\r\n\\usepackage{amsmath}\r\n" + kBody},
        // Loaded in another form anywhere in the preamble: nothing to add.
        PackageRow{"LoadedWithOptions", kClass + "\\usepackage{x}\r\n\\usepackage[fleqn]{amsmath}\r\n" + kBody,
                   kClass + "\\usepackage{x}\r\n\\usepackage[fleqn]{amsmath}\r\n" + kBody},
        PackageRow{"LoadedAmongOthers", kMagic + kClass + "\r\n\\usepackage{amssymb, amsmath}\r\n" + kBody,
                   kMagic + kClass + "\r\n\\usepackage{amssymb, amsmath}\r\n" + kBody},
        PackageRow{"LoadedOnlyInAComment", kClass + "\r\n%\\usepackage{amsmath}\r\n" + kBody,
                   kClass + "\\usepackage{amsmath}\r\n%\\usepackage{amsmath}\r\n" + kBody},
        // Neither a commented \begin{document} nor an escaped % ends what is read.
        PackageRow{"BodyBegunOnlyInAComment",
                   kClass + "\\usepackage{x}\r\n%\\begin{document}\r\n\\usepackage[fleqn]{amsmath}\r\n" + kBody,
                   kClass + "\\usepackage{x}\r\n%\\begin{document}\r\n\\usepackage[fleqn]{amsmath}\r\n" + kBody},
        PackageRow{"LoadedAfterAnEscapedPercent",
                   kClass + "\\usepackage{x}\r\n5\\% \\usepackage[fleqn]{amsmath}\r\n" + kBody,
                   kClass + "\\usepackage{x}\r\n5\\% \\usepackage[fleqn]{amsmath}\r\n" + kBody},
        // The second line is \begin{document} itself: a new line above it is still preamble.
        PackageRow{"SecondLineOpensTheBody", kClass + kBody, kClass + "\\usepackage{amsmath}\r\n" + kBody},
        PackageRow{"BodyStartsOnThePackageLine", kClass + "\\usepackage{x}\\begin{document}\r\n",
                   kClass + "\\usepackage{amsmath}\r\n\\usepackage{x}\\begin{document}\r\n"},
        // Nothing is ever written outside a preamble.
        PackageRow{"NoDocumentBody", kClass + "\r\nx\r\n", kClass + "\r\nx\r\n", false},
        PackageRow{"NoDocumentClass", "\r\n" + kBody, "\r\n" + kBody, false},
        PackageRow{"DocumentClassInAComment", "%\\documentclass{x}\r\n\r\n" + kBody,
                   "%\\documentclass{x}\r\n\r\n" + kBody, false},
        PackageRow{"EmptyText", "", "", false}, PackageRow{"OneLineEnd", "\r\n", "\r\n", false},
        PackageRow{"BlockInEmptyText", "\\begin{gather}\r\n\r\n\\end{gather}", "\\begin{gather}\r\n\r\n\\end{gather}",
                   false}),
    RowName());

TEST(EnsurePackage, SecondCallAddsNothing) {
  SelectedText doc(kClass + "\\usepackage{graphicx}\r\n" + kBody, "");
  ASSERT_TRUE(math::EnsureUsePackage(doc.buffer, "amsmath"));
  ASSERT_TRUE(math::EnsureUsePackage(doc.buffer, "amsmath"));
  EXPECT_EQ(doc.buffer.Lines().Get(1), "\\usepackage{amsmath,graphicx}");
}

TEST(EnsurePackage, CaretEndsAfterTheRewrittenLine) {
  SelectedText doc(kClass + "\r\n" + kBody, "");
  ASSERT_TRUE(math::EnsureUsePackage(doc.buffer, "amsmath"));
  EXPECT_EQ(doc.buffer.SelStart(), static_cast<int>(kClass.size() + std::string("\\usepackage{amsmath}").size()));
  EXPECT_EQ(doc.buffer.SelLength(), 0);
}

struct AmsmathRow {
  std::string name, text, expected;
  bool named = true;
};

class AmsmathLine : public ::testing::TestWithParam<AmsmathRow> {};

TEST_P(AmsmathLine, AddedAfterTheClassLineWhenTheTextLacksIt) {
  SelectedText doc(GetParam().text, "");
  EXPECT_EQ(math::EnsureAmsmathLine(doc.buffer), GetParam().named);
  EXPECT_EQ(doc.buffer.Text(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AmsmathLine,
    ::testing::Values(
        AmsmathRow{"Missing", kClass + kBody, kClass + "\\usepackage{amsmath}\r\n" + kBody},
        AmsmathRow{"MagicCommentFirst", kMagic + kClass + "\\usepackage{x}\r\n" + kBody,
                   kMagic + kClass + "\\usepackage{amsmath}\r\n\\usepackage{x}\r\n" + kBody},
        // Only the exact line or a real load counts.
        AmsmathRow{"MentionedAmongOthersInAComment", kClass + "%\\usepackage{amsmath,graphicx}\r\n" + kBody,
                   kClass + "\\usepackage{amsmath}\r\n%\\usepackage{amsmath,graphicx}\r\n" + kBody},
        AmsmathRow{"LoadedAmongOthers", kClass + "\\usepackage{amsmath,graphicx}\r\n" + kBody,
                   kClass + "\\usepackage{amsmath,graphicx}\r\n" + kBody},
        AmsmathRow{"LoadedWithOptions", kClass + "\\usepackage[fleqn]{amsmath}\r\n" + kBody,
                   kClass + "\\usepackage[fleqn]{amsmath}\r\n" + kBody},
        AmsmathRow{"PresentInTheBody", kClass + kBody + "%\\usepackage{amsmath}",
                   kClass + kBody + "%\\usepackage{amsmath}"},
        AmsmathRow{"NoPreamble", "\\begin{pmatrix}\r\n    1 \r\n\\end{pmatrix}\r\n",
                   "\\begin{pmatrix}\r\n    1 \r\n\\end{pmatrix}\r\n", false},
        AmsmathRow{"FirstLineInTheBody", "\\begin{document}\r\nx\r\n", "\\begin{document}\r\nx\r\n", false}),
    RowName());

}  // namespace zumoku::test
