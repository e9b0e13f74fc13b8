#pragma once
// Look-ups between lines of the typeset document and places in its PDF,
// through the SyncTeX file platex wrote beside it. Plain C++ over the
// SyncTeX parser library. Places are in PDF points from the page's top left.
#include <optional>
#include <string>
#include <vector>

typedef struct synctex_scanner_t synctex_scanner_s;

namespace zumoku::typeset {

struct PdfBox {
  int page = 0;  // 0-based
  double x = 0, y = 0, width = 0, height = 0;
};

class SynctexMap {
 public:
  // `pdfPath` names the PDF; its .synctex.gz is found beside it.
  explicit SynctexMap(const std::string& pdfPath);
  ~SynctexMap();
  SynctexMap(const SynctexMap&) = delete;
  SynctexMap& operator=(const SynctexMap&) = delete;

  bool IsValid() const { return scanner_ != nullptr; }
  // The boxes typeset from a line (1-based) of the document, all on the
  // page of the first one; empty when the line printed nothing.
  std::vector<PdfBox> BoxesOfLine(int line) const;
  // The document's line that made the place, if the place is the document's.
  std::optional<int> LineAt(int page, double x, double y) const;

 private:
  // The document is the first file the run opened, so its tag is 1; its
  // name is looked up by that tag, since the engine may have recorded it in
  // another encoding than the file system's.
  static constexpr int kDocumentTag = 1;
  synctex_scanner_s* scanner_ = nullptr;
};

}  // namespace zumoku::typeset
