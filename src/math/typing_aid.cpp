#include "math/typing_aid.h"

#include <string_view>

namespace zumoku::math {

namespace {
struct Completion {
  char key;
  std::string_view text;
};

constexpr Completion kCompletions[] = {{'{', "{}"}, {'^', "^{}"}, {'_', "_{}"}};
}  // namespace

bool CompleteTypedCharacter(EditBuffer& buffer, char& key) {
  for (const auto& completion : kCompletions) {
    if (key != completion.key) continue;
    key = 0;
    buffer.SetSelText(completion.text);
    return true;
  }
  return false;
}

}  // namespace zumoku::math
