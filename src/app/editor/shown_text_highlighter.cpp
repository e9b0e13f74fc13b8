#include "app/editor/shown_text_highlighter.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <optional>
#include <utility>

#include "app/editor/memo.h"

namespace zumoku {

namespace {
using highlight::LineState;

// A block's user state: the states its line started and ended in, and
// whether its colours are those of its current text. -1 (Qt's default): never
// highlighted.
struct Record {
  LineState start;
  LineState end;
  bool current;
};
constexpr int kCurrentBit = 1 << 16;

int Pack(const Record& record) {
  return static_cast<int>(record.end) | static_cast<int>(record.start) << 8 | (record.current ? kCurrentBit : 0);
}

std::optional<Record> RecordOf(const QTextBlock& block) {
  const int packed = block.userState();
  if (packed < 0) return std::nullopt;
  return Record{static_cast<LineState>((packed >> 8) & 0xFF), static_cast<LineState>(packed & 0xFF),
                (packed & kCurrentBit) != 0};
}

bool IsCurrent(const QTextBlock& block) {
  const auto record = RecordOf(block);
  return record && record->current;
}

// What a line after `block` starts in, as far as is known.
LineState StateAfter(const QTextBlock& block) {
  const auto record = block.isValid() ? RecordOf(block) : std::nullopt;
  return record ? record->end : LineState::kText;
}

// Where the last waiting line goes after a change: past the replaced lines
// it moves with them, inside them to the change's last line; -1 stays.
int LineAfter(const TextChange& change, int line) {
  if (line < change.firstLine) return line;
  if (line > change.firstLine + change.linesRemoved) return line + change.linesAdded - change.linesRemoved;
  return std::min(line, change.firstLine + change.linesAdded);
}

}  // namespace

ShownTextHighlighter::ShownTextHighlighter(Memo& memo)
    : QObject(&memo), memo_(memo), formats_(LatexFormatsFrom(memo.palette())) {
  propagation_.setInterval(0);
  propagation_.setSingleShot(true);
  connect(&propagation_, &QTimer::timeout, this, &ShownTextHighlighter::Propagate);
  connect(&memo, &Memo::changed, this, &ShownTextHighlighter::Changed);
  memo.viewport()->installEventFilter(this);
}

void ShownTextHighlighter::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  propagation_.stop();
  pendingFirst_ = -1;
  pendingLast_ = -1;
  // Every block forgets its colours and states: turned on again, each is
  // highlighted as if never shown.
  QTextDocument& document = *memo_.document();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    block.layout()->clearFormats();
    block.setUserState(-1);
  }
  document.markContentsDirty(0, document.characterCount());
  memo_.viewport()->update();
}

bool ShownTextHighlighter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint && enabled_) HighlightShown();
  return QObject::eventFilter(watched, event);
}

void ShownTextHighlighter::HighlightShown() {
  const auto shown = memo_.ShownBlocks();
  if (shown.empty()) return;
  LineState state = StateBefore(shown.front().block);
  for (const auto& [block, bounds] : shown) {
    const bool changed = Highlight(block, state);
    if (block == shown.back().block && changed) SchedulePropagation(block.blockNumber() + 1);
  }
}

LineState ShownTextHighlighter::StateAtStartOf(const QTextBlock& block) {
  if (enabled_) return StateBefore(block);
  // No block keeps a state while highlighting is off, and none is written.
  QTextBlock from = block;
  for (int back = 0; back < kLookBack && from.previous().isValid(); ++back) from = from.previous();
  LineState state = LineState::kText;
  for (QTextBlock line = from; line != block; line = line.next()) state = EndStateOf(line.text(), state);
  return state;
}

// Reads the lines back to the nearest up-to-date one for their states only:
// colours for them would cost a layout each.
LineState ShownTextHighlighter::StateBefore(const QTextBlock& first) {
  QTextBlock from = first;
  for (int back = 0; back < kLookBack && from.previous().isValid() && !IsCurrent(from.previous()); ++back) {
    from = from.previous();
  }
  LineState state = StateAfter(from.previous());
  for (QTextBlock block = from; block != first; block = block.next()) {
    const LineState start = state;
    state = EndStateOf(block.text(), start);
    block.setUserState(Pack({start, state, false}));
  }
  return state;
}

bool ShownTextHighlighter::Highlight(const QTextBlock& block, LineState& state) {
  const auto record = RecordOf(block);
  if (record && record->current && record->start == state) {
    state = record->end;
    return false;
  }
  const ColouredLine scanned = ColourLine(block.text(), state, formats_);
  block.layout()->setFormats(scanned.ranges);
  // As QSyntaxHighlighter does: lays the block out again without counting
  // as a change of the text.
  memo_.document()->markContentsDirty(block.position(), block.length());
  QTextBlock(block).setUserState(Pack({state, scanned.end, true}));
  const bool changed = !record || record->end != scanned.end;
  state = scanned.end;
  return changed;
}

void ShownTextHighlighter::Changed(const TextChange& change) {
  if (!enabled_) return;
  // The first waiting line gives way to the change's first line anyway.
  pendingLast_ = LineAfter(change, pendingLast_);
  QTextBlock block = memo_.document()->findBlockByNumber(change.firstLine);
  for (int line = 0; line <= change.linesAdded && block.isValid(); ++line, block = block.next()) {
    if (const auto record = RecordOf(block)) block.setUserState(Pack({record->start, record->end, false}));
  }
  SchedulePropagation(change.firstLine);
}

void ShownTextHighlighter::SchedulePropagation(int fromLine) {
  if (fromLine >= memo_.document()->blockCount()) return;
  if (pendingFirst_ < 0 || fromLine < pendingFirst_) pendingFirst_ = fromLine;
  pendingLast_ = std::max(pendingLast_, fromLine);
  propagation_.start();
}

void ShownTextHighlighter::Propagate() {
  if (pendingFirst_ < 0) return;
  int line = std::exchange(pendingFirst_, -1);
  QTextBlock block = memo_.document()->findBlockByNumber(line);
  LineState state = StateAfter(block.previous());
  QElapsedTimer clock;
  clock.start();
  for (;; ++line, block = block.next()) {
    if (!block.isValid()) return;
    // Blocks never shown get their colours when they are; a later change
    // may still wait beyond them.
    if (!RecordOf(block)) {
      if (pendingLast_ > line) SchedulePropagation(pendingLast_);
      return;
    }
    if (!Highlight(block, state) && line >= pendingLast_) {
      pendingLast_ = -1;
      return;
    }
    if (clock.hasExpired(kIdleStepMilliseconds)) break;
  }
  SchedulePropagation(line + 1);
}

}  // namespace zumoku
