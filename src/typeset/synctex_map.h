#pragma once
// Look-ups between lines of the typeset document and places in its PDF,
// through the SyncTeX file platex wrote beside it. Plain C++ over the
// SyncTeX parser library. Places are in PDF points from the page's top left.
#include <optional>
#include <string>
#include <vector>

typedef struct synctex_scanner_t synctex_scanner_s;

namespace zumoku::typeset {

// A line of a file the run read: `file` is its path as the run recorded
// it, made absolute from the PDF's folder ("." and ".." taken out).
struct SourcePlace {
  std::string file;
  int line = 0;
  bool isDocument = false;  // the typeset file itself, whatever its recorded name

  bool operator==(const SourcePlace&) const = default;
};

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
  std::vector<PdfBox> BoxesOfLine(int line) const { return BoxesOfTag(kDocumentTag, line); }
  // The same for a line of another file the run read, by its absolute path.
  std::vector<PdfBox> BoxesOfLine(const std::string& file, int line) const;
  // The line that made the place, in whichever file holds it.
  std::optional<SourcePlace> PlaceAt(int page, double x, double y) const;

 private:
  std::vector<PdfBox> BoxesOfTag(int tag, int line) const;
  // The recorded name of a tag as an absolute path.
  std::string PathOfTag(int tag) const;

  // The document is the first file the run opened, so its tag is 1; its
  // name is looked up by that tag, since the engine may have recorded it in
  // another encoding than the file system's.
  static constexpr int kDocumentTag = 1;
  static constexpr int kMaxTags = 10000;
  std::string folder_;  // the PDF's
  synctex_scanner_s* scanner_ = nullptr;
};

}  // namespace zumoku::typeset
