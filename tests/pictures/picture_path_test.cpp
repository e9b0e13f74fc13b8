#include "pictures/picture_path.h"

#include <gtest/gtest.h>

#include "memory_files.h"
#include "pictures/figure_block.h"

namespace zumoku::test {

using namespace pictures;

TEST(PicturePath, RelativeOnlyInsideTheDocumentsFolder) {
  struct Row {
    std::string folder, picture, expected;
  };
  const Row rows[] = {
      {"/d/", "/d/fig.png", "fig.png"}, {"/d/", "/d/img/a.png", "img/a.png"},
      {"/d/", "/e/a.png", "/e/a.png"},  {"/d/", "/d2/a.png", "/d2/a.png"},  // a folder that only begins alike
      {"", "/d/a.png", "/d/a.png"},                                         // no document file yet
  };
  for (const Row& row : rows) EXPECT_EQ(TexPath(row.folder, row.picture), row.expected) << row.picture;
  EXPECT_EQ(FolderOf("/d/doc.tex"), "/d/");
  EXPECT_EQ(FolderOf("doc.tex"), "");
}

TEST(PicturePath, RefusesNamesLatexCannotRead) {
  for (const std::string name : {"fig1.png", "img/my_plot-2.PNG", "/tmp/a(1).b.png", "a~b$c&d^e.png"}) {
    EXPECT_TRUE(TexCanRead(name)) << name;
  }
  for (const std::string name :
       {"a b.png", "a%b.png", "a#b.png", "a{b}.png", "a\\b.png", "a'b.png", "a\"b.png", "a\tb.png",
        "a\x7F"
        "b.png",
        "\xE5\x9B\xB3.png", "/home/\xE6\x96\x87/a.png", ""}) {
    EXPECT_FALSE(TexCanRead(name)) << name;
  }
}

TEST(PicturePath, KnowsThePictureTypes) {
  for (const std::string name : {"a.png", "A.JPG", "x.jpeg", "d.x/y.pdf", "x.Eps"}) {
    EXPECT_TRUE(IsPictureName(name)) << name;
  }
  for (const std::string name : {"a.gif", "png", "a.png/x", "a.tex", "a.pngx", "a."}) {
    EXPECT_FALSE(IsPictureName(name)) << name;
  }
}

TEST(PicturePath, FreeNameSkipsTakenOnesInThatFolderOnly) {
  MemoryFiles files;
  files.files = {{"/d/fig1.png", ""}, {"/d/fig2.png", ""}, {"/d/fig4.png", ""}, {"/e/fig3.png", ""}};
  EXPECT_EQ(FreePictureName(files, "/d/"), "fig3.png");
  EXPECT_EQ(FreePictureName(files, "/f/"), "fig1.png");
}

TEST(FigureBlock, LabelsAreUniqueAndPlain) {
  EXPECT_EQ(FigureLabel("img/a$b.v2.png"), "fig:a-b.v2");
  EXPECT_EQ(FigureLabel("fig1.png"), "fig:fig1");
  const std::string text = "\\label{fig:fig1}\r\n\\label{fig:fig1-2}\r\n\\label{fig:fig10}";
  EXPECT_EQ(UniqueFigureLabel(text, "fig1.png", Encoding::kShiftJis), "fig:fig1-3");
  EXPECT_EQ(UniqueFigureLabel(text, "fig2.png", Encoding::kShiftJis), "fig:fig2");
}

}  // namespace zumoku::test
