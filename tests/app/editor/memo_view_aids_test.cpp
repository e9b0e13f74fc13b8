// MemoView's reading aids: colours read back from the lines' layouts, the
// caret's line and brackets as byte marks, the margin, tab stops and zoom.
#include <gtest/gtest.h>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <optional>

#include "app/editor/brace_match.h"
#include "app/editor/caret_marks.h"
#include "app/editor/latex_colours.h"
#include "app/editor/memo_view.h"
#include "app/editor/memo_view_aids.h"
#include "app/editor/memo_view_caret_marks.h"
#include "app/editor/memo_view_highlighter.h"
#include "app/editor/memo_view_margin.h"

namespace zumoku::test {

namespace {
using highlight::SpanKind;

struct AidedView {
  MemoryClipboard clipboard;
  DocumentBuffer buffer{clipboard};
  MemoView memo{buffer};
  MemoViewAids aids = AddMemoViewAids(memo);
  explicit AidedView(std::string_view text) {
    buffer.Load(text, Encoding::kShiftJis);
    memo.resize(400, 300);
    memo.show();
    memo.grab();
  }
  void TypeAt(std::size_t offset, std::string_view text) {
    buffer.SetSelStart(static_cast<int>(offset));
    buffer.Type(text);
  }
  void ShowLine(int line) {
    memo.verticalScrollBar()->setValue(line);
    memo.grab();
  }
  // The kind of span whose colour the layout gives `column` of `line`.
  std::optional<SpanKind> KindAt(int line, int column) {
    const LatexFormats formats = LatexFormatsFrom(memo.palette());
    for (const QTextLayout::FormatRange& range : memo.Layouts().Layout(line).formats()) {
      if (column < range.start || column >= range.start + range.length) continue;
      for (std::size_t kind = 0; kind < formats.size(); ++kind) {
        if (formats[kind] == range.format) return static_cast<SpanKind>(kind);
      }
    }
    return std::nullopt;
  }
};

std::string Lines(int count, std::string_view line) {
  std::string text;
  for (int i = 0; i < count; ++i) text.append(line).append("\r\n");
  return text;
}
}  // namespace

TEST(MemoViewAids, ColoursComeFromTheLineStatesAndFollowChanges) {
  const std::string head = "\\section{A}\r\n% note\r\n$x$ y\r\nplain\r\n";
  struct Row {
    const char* name;
    std::string_view typed;  // at the start of line 3, "plain"
    int showFirst;           // shown after the change, from this line
    int line, column;
    std::optional<SpanKind> kind;
    bool highlighted = true;
  };
  const Row rows[] = {
      {"a command", "", 0, 0, 0, SpanKind::kCommand},
      {"a comment", "", 0, 1, 2, SpanKind::kComment},
      {"a formula", "", 0, 2, 1, SpanKind::kMath},
      {"plain text", "", 0, 3, 1, std::nullopt},
      {"turned off", "", 0, 0, 0, std::nullopt, false},
      {"an opened $ colours the line below in view", "$", 0, 4, 0, SpanKind::kMath},
      {"an opened $ reaches lines worked out before, below the view", "$", 150, 180, 0, SpanKind::kMath},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    AidedView view(head + Lines(200, "text"));
    view.aids.highlighter->SetEnabled(row.highlighted);
    view.ShowLine(170);  // lines down there get their states, then leave the view
    view.ShowLine(0);
    if (!row.typed.empty()) view.TypeAt(view.buffer.LineStarts().Start(3), row.typed);
    view.memo.grab();
    QApplication::processEvents();  // the idle steps
    view.ShowLine(row.showFirst);
    EXPECT_EQ(view.KindAt(row.line, row.column), row.kind);
  }
}

TEST(MemoViewAids, BracesAreFoundByCharactersNotBytes) {
  struct Row {
    const char* name;
    std::string text;
    std::size_t caret;
    std::optional<std::pair<std::size_t, std::size_t>> braces;
  };
  const Row rows[] = {
      {"the bracket after the caret", "{a}", 0, std::pair<std::size_t, std::size_t>{0, 2}},
      {"the bracket before the caret", "a{b}", 4, std::pair<std::size_t, std::size_t>{3, 1}},
      {"nesting", "{{}}", 0, std::pair<std::size_t, std::size_t>{0, 3}},
      {"across a line end", "{\r\n}", 0, std::pair<std::size_t, std::size_t>{0, 3}},
      {"a trail byte 0x7B is no bracket", "\x83\x7B}", 2, std::nullopt},
      {"a trail byte 0x7D is no partner", "{\x83\x7D}", 0, std::pair<std::size_t, std::size_t>{0, 3}},
      {"a partner beyond the limit", "{" + std::string(kBraceSearchLimit, 'a') + "}", 0, std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    MemoryClipboard clipboard;
    DocumentBuffer buffer(clipboard);
    buffer.Load(row.text, Encoding::kShiftJis);
    EXPECT_EQ(BracesAt(buffer, row.caret), row.braces);
  }
}

TEST(MemoViewAids, CaretMarksAreByteMarksOfTheirLayers) {
  AidedView view("a\r\n{b}\r\n");
  view.buffer.SetSelStart(3);
  view.memo.grab();
  const auto ranges = [&](MarkLayer layer) {
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    for (const ByteRange& range : view.memo.Marks().Get(layer)) pairs.emplace_back(range.from, range.to);
    return pairs;
  };
  using Pairs = std::vector<std::pair<std::size_t, std::size_t>>;
  EXPECT_EQ(ranges(MarkLayer::kCaretLine), (Pairs{{3, 8}}));
  EXPECT_EQ(ranges(MarkLayer::kBraces), (Pairs{{3, 4}, {5, 6}}));
}

TEST(MemoViewAids, TheCaretsLineIsShownAcrossTheWidthOnEveryKindOfLine) {
  struct Row {
    const char* name;
    std::string_view text;
    std::size_t caret;
  };
  const Row rows[] = {
      {"a line of text", "abc\r\n", 0},
      {"an empty line between others", "a\r\n\r\nb", 3},
      {"the empty last line", "a\r\n", 3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    AidedView view(row.text);
    view.buffer.SetSelStart(static_cast<int>(row.caret));
    const QImage shown = view.memo.viewport()->grab().toImage();
    const QRectF caret = view.memo.RectAt(row.caret);
    const QPoint right(shown.width() - 3, static_cast<int>(caret.center().y()));
    EXPECT_EQ(shown.pixel(right), CaretLineFormat(view.memo.palette()).background().color().rgb());
  }
}

TEST(MemoViewAids, MarginTabStopsAndZoomFollowTheFont) {
  AidedView view(Lines(8, "\tx"));
  auto* margin = view.memo.findChild<MemoViewMargin*>();
  const auto tabX = [&] { return view.memo.Layouts().Layout(0).lineAt(0).cursorToX(1); };
  const auto space = [&] { return QFontMetricsF(view.memo.font()).horizontalAdvance(u' '); };
  const int oneDigit = margin->width();
  EXPECT_EQ(view.memo.viewport()->x(), view.memo.contentsRect().left() + oneDigit) << "the text starts after it";
  view.TypeAt(view.buffer.Size(), "\r\n\r\n");
  EXPECT_GT(margin->width(), oneDigit) << "ten lines take two digits";
  view.memo.SetTabWidth(4);
  EXPECT_DOUBLE_EQ(tabX(), 4 * space());
  QWheelEvent wheel(QPointF(5, 5), view.memo.viewport()->mapToGlobal(QPointF(5, 5)), QPoint(),
                    QPoint(0, 3 * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton, Qt::ControlModifier,
                    Qt::NoScrollPhase, false);
  const int rowHeight = qRound(view.memo.Layouts().Height(0));
  QApplication::sendEvent(view.memo.viewport(), &wheel);
  EXPECT_GT(qRound(view.memo.Layouts().Height(0)), rowHeight) << "the layouts take the zoomed font";
  EXPECT_DOUBLE_EQ(tabX(), 4 * space()) << "tabs keep four spaces of the new font";
}

// What a key asks to repaint leaves the view as a whole repaint draws it:
// no caret line, bracket mark or selection left behind.
TEST(MemoViewAids, KeysRepaintAllTheyChange) {
  AidedView view("{\r\n}\r\n" + Lines(100, "ab{cd}ef"));
  QApplication::processEvents();
  const struct {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
  } rows[] = {
      {"the caret line moves down", Qt::Key_Down, Qt::NoModifier, ""},
      {"brackets on two lines unmarked", Qt::Key_Down, Qt::NoModifier, ""},
      {"a step within the line", Qt::Key_Right, Qt::NoModifier, ""},
      {"the caret comes beside a bracket", Qt::Key_Right, Qt::NoModifier, ""},
      {"a letter typed", Qt::Key_A, Qt::NoModifier, "a"},
      {"a character selected", Qt::Key_Right, Qt::ShiftModifier, ""},
      {"the selection collapsed", Qt::Key_Left, Qt::NoModifier, ""},
  };
  for (const auto& row : rows) {
    QKeyEvent press(QEvent::KeyPress, row.key, row.modifiers, QString::fromLatin1(row.text));
    QApplication::sendEvent(&view.memo, &press);
    QEvent paintPending(QEvent::UpdateRequest);
    QApplication::sendEvent(view.memo.window(), &paintPending);
    const QImage shown = view.memo.screen()->grabWindow(view.memo.window()->winId()).toImage();
    const QImage whole = view.memo.viewport()->grab().toImage().convertToFormat(shown.format());
    const QRect area(view.memo.viewport()->mapTo(view.memo.window(), QPoint(0, 0)), view.memo.viewport()->size());
    EXPECT_EQ(shown.copy(area), whole) << row.name;
  }
}

}  // namespace zumoku::test

namespace zumoku::test {

TEST(MemoViewRows, TheScrollBarCountsWrappedRowsEstimatedThenMeasured) {
  const std::string wrapped(3000, 'w');
  AidedView view(wrapped + "\r\n" + Lines(300, "short") + wrapped);
  QScrollBar& bar = *view.memo.verticalScrollBar();
  const int rows = view.memo.Layouts().Layout(0).lineCount();
  ASSERT_GT(rows, 3);
  EXPECT_GT(bar.maximum(), 300 + rows + 3) << "the last line, never laid out, is estimated by its bytes";
  for (int step = 0; step < 100 && bar.maximum() != 2 * rows + 299; ++step) QApplication::processEvents();
  EXPECT_EQ(bar.maximum(), 2 * rows + 299) << "every row counted once measured";
  bar.setValue(2);
  const std::size_t top = view.memo.OffsetAt({1, 1});
  EXPECT_EQ(view.memo.Layouts().Layout(0).lineForTextPosition(static_cast<int>(top)).lineNumber(), 2)
      << "a row within a wrapped line comes to the top";
}

// Measuring every line of a long document would keep a core busy.
TEST(MemoViewRows, LinesFarBelowTheViewStayEstimated) {
  AidedView view(Lines(5000, "short") + std::string(3000, 'w'));
  QScrollBar& bar = *view.memo.verticalScrollBar();
  const int estimated = bar.maximum();
  for (int step = 0; step < 300 && bar.maximum() == estimated; ++step) QApplication::processEvents();
  EXPECT_EQ(bar.maximum(), estimated);
}

}  // namespace zumoku::test
