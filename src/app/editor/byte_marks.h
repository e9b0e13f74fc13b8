#pragma once
// Byte ranges of the document marked by layer (the caret's line, brackets,
// find matches), each layer with its format. They follow edits: a range
// after an edit moves with its bytes, one that an edit touched is gone.
#include <QTextCharFormat>
#include <map>
#include <vector>

#include "buffer/text_change.h"

namespace zumoku {

class ByteMarks {
 public:
  struct Range {
    std::size_t from, to;
  };
  struct Shown {
    std::size_t from, to;
    const QTextCharFormat* format;
  };

  void SetFormat(int layer, const QTextCharFormat& format) { layers_[layer].format = format; }
  // Ranges in order, none overlapping another of the layer.
  void Set(int layer, std::vector<Range> ranges) { layers_[layer].ranges = std::move(ranges); }
  const std::vector<Range>& Get(int layer) { return layers_[layer].ranges; }
  void Follow(const TextChange& change);
  // The marks that reach into [from, to), lower layers first, cut to it.
  std::vector<Shown> Within(std::size_t from, std::size_t to) const;

 private:
  struct Layer {
    QTextCharFormat format;
    std::vector<Range> ranges;
  };
  std::map<int, Layer> layers_;
};

}  // namespace zumoku
