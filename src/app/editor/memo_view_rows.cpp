#include "app/editor/memo_view_rows.h"

#include <QElapsedTimer>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/editor/latex_colours.h"
#include "encoding/line_ends.h"

namespace zumoku {

namespace {
// Lines this far from the view either way are measured when idle; those
// beyond stay estimated: measuring all of 50 MB kept a core busy for half a
// minute, for a scroll bar that estimates serve as well.
constexpr int kReach = 2000;
}  // namespace

Rows::Rows(DocumentBuffer& buffer, LineLayouts& layouts) : buffer_(buffer), layouts_(layouts) {
  idle_.setInterval(0);
  idle_.setSingleShot(true);
  connect(&idle_, &QTimer::timeout, this, &Rows::MeasureSome);
  EstimateAll();
}

std::vector<int> Rows::Estimates(int first, int count) const {
  const qreal perByte = QFontMetricsF(layouts_.Font()).averageCharWidth();
  const qreal width = std::max<qreal>(1, layouts_.Width());
  const auto rowsOf = [&](std::size_t bytes) {
    return std::max(1, static_cast<int>(std::ceil(static_cast<qreal>(bytes) * perByte / width)));
  };
  std::vector<int> rows;
  rows.reserve(static_cast<std::size_t>(count));
  const LineIndex& lines = buffer_.LineStarts();
  const int last = first + count - 1;
  // One pass over the bytes of the lines before the last: looking each
  // line's start up would cost a search per line.
  const ChunkedBytes::Views views = buffer_.Spans(lines.Start(first), lines.Start(last));
  std::size_t length = 0;
  for (const std::string_view view : views.parts) {
    for (std::size_t at = 0; at < view.size();) {
      const std::size_t end = std::min(view.find('\n', at), view.size() - 1);
      length += end + 1 - at;
      at = end + 1;
      if (view[end] != '\n') break;
      rows.push_back(rowsOf(length - kLineEnd.size()));
      length = 0;
    }
  }
  const bool ended = last + 1 < lines.Count();
  rows.push_back(rowsOf(lines.Next(last) - lines.Start(last) - (ended ? kLineEnd.size() : 0)));
  return rows;
}

void Rows::EstimateAll() {
  const int count = buffer_.LineStarts().Count();
  const std::vector<int> rows = Estimates(0, count);
  sums_.Replace(0, sums_.Size(), rows);
  next_ = from_;
  idle_.start();
  emit recounted();
}

// The window moves once the view has left its middle half: lines measured
// in both are measured again.
void Rows::Near(int line) {
  if (std::abs(line - (from_ + kReach)) < kReach / 2 || (from_ == 0 && line < kReach)) return;
  from_ = std::max(0, line - kReach);
  next_ = from_;
  idle_.start();
}

void Rows::Follow(const TextChange& change) {
  const std::vector<int> rows = Estimates(change.firstLine, change.linesAdded + 1);
  sums_.Replace(change.firstLine, change.linesRemoved + 1, rows);
  next_ = std::max(from_, std::min(next_, change.firstLine));
  idle_.start();
}

void Rows::Measured(int line, int rows) {
  if (Recount(line, rows)) emit recounted();
}

bool Rows::Recount(int line, int rows) {
  if (RowsOf(line) == rows) return false;
  const int counts[] = {rows};
  sums_.Replace(line, 1, counts);
  return true;
}

void Rows::MeasureSome() {
  const int count = std::min(buffer_.LineStarts().Count(), from_ + 2 * kReach);
  QElapsedTimer clock;
  clock.start();
  bool recounted = false;
  for (; next_ < count && !clock.hasExpired(kIdleStepMilliseconds); ++next_) {
    recounted = Recount(next_, layouts_.CountRows(next_)) || recounted;
  }
  if (next_ < count) idle_.start();
  if (recounted) emit this->recounted();
}

}  // namespace zumoku
