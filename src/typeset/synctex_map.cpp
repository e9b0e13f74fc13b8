#include "typeset/synctex_map.h"

#include <synctex_parser.h>

#include <filesystem>

namespace zumoku::typeset {

SynctexMap::SynctexMap(const std::string& pdfPath)
    : folder_(std::filesystem::path(pdfPath).parent_path().string()),
      scanner_(synctex_scanner_new_with_output_file(pdfPath.c_str(), nullptr, 1)) {}

SynctexMap::~SynctexMap() {
  if (scanner_) synctex_scanner_free(scanner_);
}

std::string SynctexMap::PathOfTag(int tag) const {
  const char* name = scanner_ ? synctex_scanner_get_name(scanner_, tag) : nullptr;
  if (!name) return {};
  return (std::filesystem::path(folder_) / name).lexically_normal().string();
}

std::vector<PdfBox> SynctexMap::BoxesOfLine(const std::string& file, int line) const {
  const std::string wanted = std::filesystem::path(file).lexically_normal().string();
  for (int tag = 1; tag <= kMaxTags; ++tag) {
    const std::string path = PathOfTag(tag);
    if (path.empty()) break;
    if (path == wanted) return BoxesOfTag(tag, line);
  }
  return {};
}

std::vector<PdfBox> SynctexMap::BoxesOfTag(int tag, int line) const {
  std::vector<PdfBox> boxes;
  const char* name = scanner_ ? synctex_scanner_get_name(scanner_, tag) : nullptr;
  if (!name || synctex_display_query(scanner_, name, line, 0, -1) <= 0) return boxes;
  while (synctex_node_p node = synctex_scanner_next_result(scanner_)) {
    // For a line that printed nothing the query answers with the next line
    // that did: those boxes are not this line's.
    if (synctex_node_tag(node) != tag || synctex_node_line(node) != line) continue;
    const int page = synctex_node_page(node) - 1;
    if (!boxes.empty() && page != boxes.front().page) continue;
    const double height = synctex_node_box_visible_height(node);
    boxes.push_back({page, synctex_node_box_visible_h(node), synctex_node_box_visible_v(node) - height,
                     synctex_node_box_visible_width(node), height + synctex_node_box_visible_depth(node)});
  }
  return boxes;
}

std::optional<SourcePlace> SynctexMap::PlaceAt(int page, double x, double y) const {
  if (!scanner_ || synctex_edit_query(scanner_, page + 1, static_cast<float>(x), static_cast<float>(y)) <= 0) {
    return std::nullopt;
  }
  synctex_node_p node = synctex_scanner_next_result(scanner_);
  if (!node || synctex_node_line(node) <= 0) return std::nullopt;
  const int tag = synctex_node_tag(node);
  return SourcePlace{.file = PathOfTag(tag), .line = synctex_node_line(node), .isDocument = tag == kDocumentTag};
}

}  // namespace zumoku::typeset
