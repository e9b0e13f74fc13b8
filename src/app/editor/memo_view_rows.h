#pragma once
// The rows each line of MemoView wraps into, for a scroll bar that counts
// rows: estimated from a line's bytes until it is measured, which happens
// when it is laid out and, for the lines near the view, in idle steps of a
// few milliseconds.
#include <QObject>
#include <QTimer>
#include <vector>

#include "app/editor/line_layouts.h"
#include "buffer/document_buffer.h"
#include "buffer/running_sums.h"

namespace zumoku {

class Rows : public QObject {
  Q_OBJECT
 public:
  Rows(DocumentBuffer& buffer, LineLayouts& layouts);

  int Total() const { return sums_.Total(); }
  int FirstRowOf(int line) const { return sums_.SumBefore(line); }
  int RowsOf(int line) const { return FirstRowOf(line + 1) - FirstRowOf(line); }
  // The line row `row` is on, and the row within it.
  RunningSums::Located LineAt(int row) const { return sums_.Locate(row); }
  // The lines an edit replaced are estimated; measuring goes back to them.
  void Follow(const TextChange& change);
  // After a new width or font: every line estimated and measured anew.
  void EstimateAll();
  // The view's top line: only lines near it are measured when idle.
  void Near(int line);
  // A line laid out with `rows` rows.
  void Measured(int line, int rows);

 signals:
  // Some line's count changed.
  void recounted();

 private:
  // Lines [first, first + count) by their bytes: a Latin letter's width per byte
  // is about a full-width character's per two bytes of Shift_JIS.
  std::vector<int> Estimates(int first, int count) const;
  // True when the line's count changed.
  bool Recount(int line, int rows);
  void MeasureSome();

  DocumentBuffer& buffer_;
  LineLayouts& layouts_;
  RunningSums sums_;
  int from_ = 0;  // the first line measured when idle
  int next_ = 0;  // the lines from from_ before it are measured, but for those edited since
  QTimer idle_;
};

}  // namespace zumoku
