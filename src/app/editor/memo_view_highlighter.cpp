#include "app/editor/memo_view_highlighter.h"

#include <QElapsedTimer>
#include <algorithm>
#include <utility>

#include "app/editor/memo_view.h"

namespace zumoku {

using highlight::LineState;

MemoViewHighlighter::MemoViewHighlighter(MemoView& view)
    : QObject(&view),
      view_(view),
      formats_(LatexFormatsFrom(view.palette())),
      ends_(static_cast<std::size_t>(view.Buffer().LineStarts().Count()), kUnknown) {
  idle_.setInterval(0);
  idle_.setSingleShot(true);
  connect(&idle_, &QTimer::timeout, this, &MemoViewHighlighter::Propagate);
  view.Buffer().AddChangeListener([this](const TextChange& change) { Follow(change); });
  view.Layouts().SetFormatter(Colours());
  view.viewport()->update();
}

LineLayouts::Formatter MemoViewHighlighter::Colours() {
  return [this](int line, const QString& text) { return Colour(line, text); };
}

void MemoViewHighlighter::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  idle_.stop();
  pending_ = pendingLast_ = -1;
  std::fill(ends_.begin(), ends_.end(), kUnknown);
  view_.Layouts().SetFormatter(enabled ? Colours() : LineLayouts::Formatter());
  view_.viewport()->update();
}

LineState MemoViewHighlighter::EndStateOf(int line, LineState start) const {
  DocumentBuffer& buffer = view_.Buffer();
  return highlight::ScanLine(buffer.Lines().Get(line), start, buffer.TextEncoding()).end;
}

// Reads the lines back to the nearest known one for their states only:
// colours for them would cost a layout each.
LineState MemoViewHighlighter::StateBefore(int line) {
  int from = line;
  while (from > 0 && line - from < kLookBack && ends_[from - 1] == kUnknown) --from;
  LineState state =
      from > 0 && ends_[from - 1] != kUnknown ? static_cast<LineState>(ends_[from - 1]) : LineState::kText;
  for (; from < line; ++from) {
    state = EndStateOf(from, state);
    ends_[from] = static_cast<std::uint8_t>(state);
  }
  return state;
}

QList<QTextLayout::FormatRange> MemoViewHighlighter::Colour(int line, const QString& text) {
  // A layout asked for by another listener of a change before this one heard of it.
  if (ends_.size() != static_cast<std::size_t>(view_.Buffer().LineStarts().Count())) return {};
  ColouredLine coloured = ColourLine(text, StateBefore(line), formats_);
  if (Settle(line, coloured.end)) Schedule(line + 1);
  return std::move(coloured.ranges);
}

bool MemoViewHighlighter::Settle(int line, LineState end) {
  const auto state = static_cast<std::uint8_t>(end);
  const bool changed = std::exchange(ends_[line], state) != state;
  const auto next = static_cast<std::size_t>(line) + 1;
  if (!changed || next >= ends_.size() || ends_[next] == kUnknown) return false;
  view_.Layouts().Drop(line + 1);
  return true;
}

// The changed lines are worked out when shown; the last keeps the end state
// the lines after it started in, so that an edit which leaves it as it was
// carries nothing on. It is looked at again when idle, in case it changed.
void MemoViewHighlighter::Follow(const TextChange& change) {
  const auto at = ends_.begin() + change.firstLine;
  const std::uint8_t lastEnd = at[change.linesRemoved];
  if (change.linesAdded > change.linesRemoved) {
    ends_.insert(at, static_cast<std::size_t>(change.linesAdded - change.linesRemoved), kUnknown);
  } else {
    ends_.erase(at, at + (change.linesRemoved - change.linesAdded));
  }
  const int last = change.firstLine + change.linesAdded;
  std::fill(ends_.begin() + change.firstLine, ends_.begin() + last, kUnknown);
  ends_[static_cast<std::size_t>(last)] = lastEnd;
  const auto moved = [&change](int line) {
    return line > change.firstLine ? std::max(change.firstLine, line + change.linesAdded - change.linesRemoved) : line;
  };
  pending_ = moved(pending_);
  pendingLast_ = moved(pendingLast_);
  if (lastEnd != kUnknown) Schedule(last);
}

void MemoViewHighlighter::Schedule(int line) {
  if (pending_ < 0 || line < pending_) pending_ = line;
  pendingLast_ = std::max(pendingLast_, line);
  idle_.start();
}

// From the first waiting line on, through the last, and on while a line's
// end state changes what the next one starts in.
void MemoViewHighlighter::Propagate() {
  if (pending_ < 0) return;
  int line = std::exchange(pending_, -1);
  const int last = std::exchange(pendingLast_, -1);
  const int count = static_cast<int>(ends_.size());
  if (line >= count) return;
  LineState state = StateBefore(line);
  // The first line's start state may have changed with the lines before it.
  bool redraw = view_.Layouts().Drop(line);
  QElapsedTimer clock;
  clock.start();
  while (line < count) {
    state = EndStateOf(line, state);
    const bool carries = Settle(line, state);
    redraw = redraw || carries;
    if (!carries && line >= last) break;
    if (++line < count && clock.hasExpired(kIdleStepMilliseconds)) {
      Schedule(line);
      pendingLast_ = std::max(pendingLast_, last);
      break;
    }
  }
  if (redraw) view_.viewport()->update();
}

}  // namespace zumoku
