#pragma once
// Byte ranges of the document marked by layer (the caret's line, brackets,
// find matches), each layer with its format. They follow edits: a range
// after an edit moves with its bytes, one that an edit touched is gone.
#include <QTextCharFormat>
#include <array>
#include <vector>

#include "app/editor/byte_range.h"
#include "buffer/text_change.h"

namespace zumoku {

class ByteMarks {
 public:
  struct Shown {
    std::size_t from, to;
    const QTextCharFormat* format;
  };

  void SetFormat(MarkLayer layer, const QTextCharFormat& format) { At(layer).format = format; }
  // Ranges in order, none overlapping another of the layer.
  void Set(MarkLayer layer, std::vector<ByteRange> ranges) { At(layer).ranges = std::move(ranges); }
  const std::vector<ByteRange>& Get(MarkLayer layer) const {
    return layers_.at(static_cast<std::size_t>(layer)).ranges;
  }
  void Follow(const TextChange& change);
  // The marks that reach into [from, to), lower layers first, cut to it.
  std::vector<Shown> Within(std::size_t from, std::size_t to) const;

 private:
  struct Layer {
    QTextCharFormat format;
    std::vector<ByteRange> ranges;
  };
  Layer& At(MarkLayer layer) { return layers_.at(static_cast<std::size_t>(layer)); }

  std::array<Layer, kMarkLayerCount> layers_;
};

}  // namespace zumoku
