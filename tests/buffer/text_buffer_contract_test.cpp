#include "edit_buffer_contract.h"
#include "buffer/text_buffer.h"

namespace zumoku::test {

struct TextBufferFixture {
  MemoryClipboard clipboard;
  TextBuffer buffer{clipboard};
  EditBuffer& Buffer() { return buffer; }
  void SetClipboard(std::string_view bytes) { clipboard.SetText(bytes); }
  std::optional<std::string> ClipboardText() const { return clipboard.Text(); }
  void Type(std::string_view bytes) { buffer.Type(bytes); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(TextBuffer, EditBufferContract, TextBufferFixture);

TEST(TextBufferClipboard, PasteWithoutTextOnTheClipboardDoesNothing) {
  MemoryClipboard clipboard;
  TextBuffer buffer(clipboard);
  buffer.PasteFromClipboard();
  EXPECT_EQ(buffer.Text(), "");
  EXPECT_FALSE(buffer.Modified());
}

}  // namespace zumoku::test
