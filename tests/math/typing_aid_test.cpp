#include "math/typing_aid.h"

#include <gtest/gtest.h>

#include "row_name.h"
#include "selected_text.h"

namespace zumoku::test {

struct TypedRow {
  const char* name;
  char key;
  std::string selection, expected;
};

class TypingAid : public ::testing::TestWithParam<TypedRow> {};

TEST_P(TypingAid, CompletesOverTheSelectionAndSwallowsTheKey) {
  SelectedText doc("a", GetParam().selection, "b");
  char key = GetParam().key;
  EXPECT_TRUE(math::CompleteTypedCharacter(doc.buffer, key));
  EXPECT_EQ(key, 0);
  EXPECT_EQ(doc.buffer.Text(), "a" + GetParam().expected + "b");
  EXPECT_EQ(doc.buffer.SelStart(), static_cast<int>(GetParam().expected.size()) + 1);
}

INSTANTIATE_TEST_SUITE_P(Keys, TypingAid,
                         ::testing::Values(TypedRow{"Brace", '{', "", "{}"}, TypedRow{"Caret", '^', "", "^{}"},
                                           TypedRow{"Underscore", '_', "", "_{}"},
                                           // The selection is replaced, not kept inside.
                                           TypedRow{"BraceOverASelection", '{', "xyz", "{}"},
                                           TypedRow{"UnderscoreOverASelection", '_', "x", "_{}"}),
                         RowName());

TEST(TypingAid, OtherCharactersPassUntouched) {
  for (const char typed : {'}', 'a', '$', '\\', '[', '(', ' ', '\xb1'}) {
    SelectedText doc("a", "x", "b");
    char key = typed;
    EXPECT_FALSE(math::CompleteTypedCharacter(doc.buffer, key));
    EXPECT_EQ(key, typed);
    EXPECT_EQ(doc.buffer.Text(), "axb");
  }
}

}  // namespace zumoku::test
