#include "completion/labels.h"

#include "completion/tex_reader.h"

namespace zumoku::completion {

namespace {

bool IsHead(std::string_view name) {
  for (std::string_view head :
       {"part", "chapter", "section", "subsection", "subsubsection", "paragraph", "subparagraph"}) {
    if (name == head) return true;
  }
  return false;
}

bool IsFloat(std::string_view environment) {
  return environment.starts_with("figure") || environment.starts_with("table");
}

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t\r") - first + 1));
}

// What the reader has passed that a label may name.
struct Surroundings {
  bool inFloat = false;
  std::string caption;
  std::string head;
  int headLine = -10;
};

void Follow(std::string_view word, TexReader& reader, Surroundings& around) {
  if (word == "begin" || word == "end") {
    const auto environment = reader.Group();
    if (environment && IsFloat(*environment)) {
      around.inFloat = word == "begin";
      around.caption.clear();
    }
  } else if (word == "caption" || IsHead(word)) {
    const int line = reader.Line();
    reader.Star();
    reader.Optional();
    const auto title = reader.Group();
    if (!title) return;
    if (word == "caption") {
      around.caption = Trimmed(*title);
    } else {
      around.head = Trimmed(*title);
      around.headLine = line;
    }
  }
}

}  // namespace

std::vector<Label> ScanLabels(std::string_view text) {
  std::vector<Label> labels;
  Surroundings around;
  TexReader reader(text);
  while (const auto word = reader.NextControlWord()) {
    if (*word != "label") {
      Follow(*word, reader, around);
      continue;
    }
    const int line = reader.Line();
    const std::size_t at = reader.Position();
    const auto key = reader.Group();
    if (!key || key->empty()) continue;
    std::string labelled;
    if (around.inFloat && !around.caption.empty()) {
      labelled = around.caption;
    } else if (line - around.headLine <= 1) {
      labelled = around.head;  // on the head's line or the next
    } else {
      labelled = Trimmed(reader.LineText(at));
    }
    labels.push_back({std::string(*key), std::move(labelled), line});
  }
  return labels;
}

}  // namespace zumoku::completion
