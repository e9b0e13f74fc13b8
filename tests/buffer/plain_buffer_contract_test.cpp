#include "buffer/document_buffer.h"
#include "buffer/text_buffer.h"
#include "edit_buffer_contract.h"
#include "encoding/sjis.h"

namespace zumoku::test {

// The two buffers without a widget: the reference and the editor's own.
template <typename B>
struct PlainBufferFixture {
  MemoryClipboard clipboard;
  B buffer{clipboard};
  EditBuffer& Buffer() { return buffer; }
  void SetClipboard(std::string_view bytes) { clipboard.SetText(bytes); }
  std::optional<std::string> ClipboardText() const { return clipboard.Text(); }
  // One key per character; CR LF is Enter.
  void Type(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
      const std::size_t length = bytes.substr(at, 2) == "\r\n" ? 2 : CharLengthAt(bytes, at, buffer.TextEncoding());
      buffer.Type(bytes.substr(at, length));
      at += length;
    }
  }
};

INSTANTIATE_TYPED_TEST_SUITE_P(TextBuffer, EditBufferContract, PlainBufferFixture<TextBuffer>);
INSTANTIATE_TYPED_TEST_SUITE_P(DocumentBuffer, EditBufferContract, PlainBufferFixture<DocumentBuffer>);

TEST(TextBufferClipboard, PasteWithoutTextOnTheClipboardDoesNothing) {
  MemoryClipboard clipboard;
  TextBuffer buffer(clipboard);
  buffer.PasteFromClipboard();
  EXPECT_EQ(buffer.Text(), "");
  EXPECT_FALSE(buffer.Modified());
}

}  // namespace zumoku::test
