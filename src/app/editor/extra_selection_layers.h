#pragma once
// The one place that sets an editor's extra selections: each source (the
// caret's line, matching braces, ...) keeps its own layer, and the editor
// shows all layers together, the later ones drawn over the earlier.
#include <QList>
#include <QTextEdit>
#include <array>

class QPlainTextEdit;

namespace zumoku {

class ExtraSelectionLayers {
 public:
  enum Layer { kCaretLine, kFindMatches, kBraces, kLayerCount };

  explicit ExtraSelectionLayers(QPlainTextEdit& editor) : editor_(editor) {}
  void Set(Layer layer, QList<QTextEdit::ExtraSelection> selections);
  const QList<QTextEdit::ExtraSelection>& Get(Layer layer) const { return layers_.at(layer); }

 private:
  QPlainTextEdit& editor_;
  std::array<QList<QTextEdit::ExtraSelection>, kLayerCount> layers_;
};

}  // namespace zumoku
