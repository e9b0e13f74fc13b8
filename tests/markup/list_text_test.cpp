#include "markup/list_text.h"

#include <gtest/gtest.h>

#include "markup/item_count.h"
#include "row_name.h"
#include "selected_text.h"

namespace zumoku::test {

namespace {
std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}
const std::string kItem = "        \\item \r\r\n";
const std::string kHeading = "        \\item[ ] \r\r\n";
}  // namespace

struct ListRow {
  const char* name;
  list::ListShape shape;
  int count;
  bool lineBreak;
  std::string expected;
};

void PrintTo(const ListRow& row, std::ostream* out) { *out << row.name; }

class ListText : public ::testing::TestWithParam<ListRow> {};

TEST_P(ListText, BuildsItsLinesEachEndedByCrCrLf) {
  EXPECT_EQ(list::ListText(GetParam().shape, GetParam().count, GetParam().lineBreak), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ListText,
    ::testing::Values(
        ListRow{"Itemize", list::kItemize, 4, false,
                "\\begin{itemize}\r\r\n" + Repeat(kItem, 4) + "\\end{itemize}\r\r\n"},
        ListRow{"ItemizeWithoutItems", list::kItemize, 0, false, "\\begin{itemize}\r\r\n\\end{itemize}\r\r\n"},
        ListRow{"ItemizeIgnoresTheBreak", list::kItemize, 1, true,
                "\\begin{itemize}\r\r\n" + kItem + "\\end{itemize}\r\r\n"},
        ListRow{"EnumerateNegativeCount", list::kEnumerate, -3, false,
                "\\begin{enumerate}\r\r\n\\end{enumerate}\r\r\n"},
        ListRow{"Description", list::kDescription, 2, false,
                "\\begin{description}\r\r\n" + Repeat(kHeading, 2) + "\\end{description}\r\r\n"},
        ListRow{"DescriptionWithBreak", list::kDescription, 2, true,
                "\\begin{description}\r\r\n" + Repeat("        \\item[ ] \\mbox{} \\\\ \r\r\n", 2) +
                    "\\end{description}\r\r\n"},
        ListRow{"Items", list::kItems, 3, false, Repeat(kItem, 3)}, ListRow{"NoItems", list::kItems, 0, true, ""},
        ListRow{"Headings", list::kHeadingItems, 1, false, kHeading},
        ListRow{"HeadingsWithBreak", list::kHeadingItems, 1, true, "        \\item[ ] \\mbox{} \\\\\r\r\n"}),
    RowName());

TEST(ListText, OnlyHeadingListsOfferTheLineBreak) {
  EXPECT_FALSE(list::OffersHeadingLineBreak(list::kItemize));
  EXPECT_FALSE(list::OffersHeadingLineBreak(list::kEnumerate));
  EXPECT_TRUE(list::OffersHeadingLineBreak(list::kDescription));
  EXPECT_FALSE(list::OffersHeadingLineBreak(list::kItems));
  EXPECT_TRUE(list::OffersHeadingLineBreak(list::kHeadingItems));
}

TEST(ListText, ReplacesTheSelectionWithOneLineEndPerLine) {
  SelectedText text("old");
  list::InsertList(text.buffer, list::kItemize, 2, false);
  EXPECT_EQ(text.Inside(), "\\begin{itemize}\r\n        \\item \r\n        \\item \r\n\\end{itemize}\r\n");
  EXPECT_EQ(text.buffer.SelStart(), static_cast<int>(text.buffer.Text().size()) - 1);
}

TEST(SpaceText, RepeatsTheUnitThenTheTail) {
  EXPECT_EQ(list::SpaceText(list::kControlSpaces, 4), " \\ \\ \\ \\ ");
  EXPECT_EQ(list::SpaceText(list::kControlSpaces, 1), " \\ ");
  EXPECT_EQ(list::SpaceText(list::kControlSpaces, 0), " ");
  EXPECT_EQ(list::SpaceText(list::kControlSpaces, -2), " ");
  EXPECT_EQ(list::SpaceText(list::kTies, 4), "~~~~");
  EXPECT_EQ(list::SpaceText(list::kTies, 0), "");
  SelectedText text("abc");
  list::InsertSpaces(text.buffer, list::kTies, 2);
  EXPECT_EQ(text.Inside(), "~~");
}

TEST(ItemCount, ReadsWholeDecimalNumbersUpToTheBound) {
  const struct {
    const char* text;
    ItemCountAnswer::Problem problem;
    int value;
  } rows[] = {{"4", ItemCountAnswer::kNone, 4},
              {"0", ItemCountAnswer::kNone, 0},
              {"-5", ItemCountAnswer::kNone, -5},
              {"+7", ItemCountAnswer::kNone, 7},
              {"-2147483648", ItemCountAnswer::kNone, -2147483647 - 1},
              {"10000", ItemCountAnswer::kNone, 10000},
              {"10001", ItemCountAnswer::kTooLarge, 10001},
              {"2000000000", ItemCountAnswer::kTooLarge, 2000000000},
              {"2147483648", ItemCountAnswer::kNotInteger, 0},
              {"", ItemCountAnswer::kNotInteger, 0},
              {"abc", ItemCountAnswer::kNotInteger, 0},
              {"1.5", ItemCountAnswer::kNotInteger, 0},
              {"4a", ItemCountAnswer::kNotInteger, 0},
              {" 4", ItemCountAnswer::kNotInteger, 0},
              {"+", ItemCountAnswer::kNotInteger, 0},
              {"+-1", ItemCountAnswer::kNotInteger, 0},
              {"0x10", ItemCountAnswer::kNotInteger, 0},
              {"４", ItemCountAnswer::kNotInteger, 0}};
  for (const auto& row : rows) {
    const ItemCountAnswer answer = ReadItemCount(row.text);
    EXPECT_EQ(answer.problem, row.problem) << row.text;
    if (row.problem != ItemCountAnswer::kNotInteger) {
      EXPECT_EQ(answer.value, row.value) << row.text;
    }
  }
}

}  // namespace zumoku::test
