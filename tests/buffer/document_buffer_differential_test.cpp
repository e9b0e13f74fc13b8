// TextBuffer and DocumentBuffer side by side, in both encodings.
#include <memory>

#include "buffer/document_buffer.h"
#include "buffer_differential.h"

namespace zumoku::test {

namespace {
struct DocumentSubject {
  MemoryClipboard clipboard;
  DocumentBuffer buffer{clipboard};

  EditBuffer& Buffer() { return buffer; }
  void Type(const std::string& key) { buffer.Type(key); }
  void Commit(const std::string& text) { buffer.Type(text); }
  // Nothing shown; the line index must still agree with the bytes.
  void CheckShown(const std::string& bytes) {
    const LineIndex& lines = buffer.LineStarts();
    for (int line = 0, start = 0; line < lines.Count(); ++line) {
      ASSERT_EQ(lines.Start(line), static_cast<std::size_t>(start)) << "line " << line;
      const auto lf = bytes.find('\n', static_cast<std::size_t>(start));
      start = lf == std::string::npos ? static_cast<int>(bytes.size()) : static_cast<int>(lf) + 1;
    }
  }
};
}  // namespace

TEST(DocumentBufferDifferential, RandomEditSequencesAgreeInBothEncodings) {
  for (const Encoding encoding : {Encoding::kShiftJis, Encoding::kUtf8}) {
    SCOPED_TRACE(encoding == Encoding::kUtf8 ? "UTF-8" : "Shift_JIS");
    RunDifferentialSequences<DocumentSubject>(1000, encoding, [] { return std::make_unique<DocumentSubject>(); });
  }
}

}  // namespace zumoku::test
