#pragma once
// The one place that sets an editor's extra selections: each source (the
// caret's line, matching braces, ...) keeps its own layer with its format,
// and the editor shows all layers together, the later ones drawn over the
// earlier.
#include <QList>
#include <QTextEdit>
#include <array>

#include "app/editor/byte_range.h"

class QPlainTextEdit;

namespace zumoku {

class ExtraSelectionLayers {
 public:
  explicit ExtraSelectionLayers(QPlainTextEdit& editor) : editor_(editor) {}
  void Set(MarkLayer layer, QList<QTextEdit::ExtraSelection> selections);
  const QList<QTextEdit::ExtraSelection>& Get(MarkLayer layer) const { return layers_.at(Index(layer)); }
  void SetFormat(MarkLayer layer, const QTextCharFormat& format) { formats_.at(Index(layer)) = format; }
  const QTextCharFormat& Format(MarkLayer layer) const { return formats_.at(Index(layer)); }

 private:
  static std::size_t Index(MarkLayer layer) { return static_cast<std::size_t>(layer); }

  QPlainTextEdit& editor_;
  std::array<QList<QTextEdit::ExtraSelection>, kMarkLayerCount> layers_;
  std::array<QTextCharFormat, kMarkLayerCount> formats_;
};

}  // namespace zumoku
