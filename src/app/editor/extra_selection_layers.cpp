#include "app/editor/extra_selection_layers.h"

#include <QPlainTextEdit>

namespace zumoku {

void ExtraSelectionLayers::Set(MarkLayer layer, QList<QTextEdit::ExtraSelection> selections) {
  layers_.at(Index(layer)) = std::move(selections);
  QList<QTextEdit::ExtraSelection> all;
  for (const auto& each : layers_) all += each;
  editor_.setExtraSelections(all);
}

}  // namespace zumoku
