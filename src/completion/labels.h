#pragma once
// The labels of a file, each with the text it labels: the caption of the
// figure or table it stands in, the head it follows, or else its own line.
#include <string>
#include <string_view>
#include <vector>

namespace zumoku::completion {

struct Label {
  std::string key;
  std::string text;
  int line = 0;  // from 1
  bool operator==(const Label&) const = default;
};

// `text` decoded to UTF-8.
std::vector<Label> ScanLabels(std::string_view text);

}  // namespace zumoku::completion
