#include "app/typesetting/typeset_log_panel.h"

#include <QSplitter>
#include <QVBoxLayout>

#include "encoding/codec.h"

namespace zumoku {

namespace {

constexpr int kLineRole = Qt::UserRole;
constexpr int kFileRole = Qt::UserRole + 1;

// pLaTeX reading UTF-8 has no half-width kana; upLaTeX has, and Shift_JIS
// documents keep them as their own codes.
const QString kHalfWidthKanaHint = QStringLiteral(
    "[ヒント] 半角カナは platex -kanji=utf8 では組めません。upLaTeX（1 行目に %#!uplatex、クラスは ujarticle）を"
    "使うか、全角カナにしてください");

QString KindLabel(typeset::EntryKind kind) {
  switch (kind) {
    case typeset::EntryKind::kError:
      return QStringLiteral("エラー");
    case typeset::EntryKind::kWarning:
      return QStringLiteral("警告");
    case typeset::EntryKind::kBadBox:
      return QStringLiteral("ボックス");
  }
  return {};
}

QString EntryText(const typeset::LogEntry& entry, const QString& fileName, Encoding encoding) {
  const QString file = entry.inDocument      ? fileName
                       : !entry.file.empty() ? codec::Decode(entry.file, encoding)
                                             : QStringLiteral("(別のファイル)");
  const QString where = entry.line > 0 ? QStringLiteral("%1:%2: ").arg(file).arg(entry.line) : QString();
  return QStringLiteral("[%1] %2%3").arg(KindLabel(entry.kind), where, codec::Decode(entry.message, encoding));
}

}  // namespace

LogPanel::LogPanel(QWidget* parent)
    : QWidget(parent), output_(new QPlainTextEdit(this)), entries_(new QListWidget(this)) {
  setObjectName(QStringLiteral("LogPanel1"));
  output_->setObjectName(QStringLiteral("LogMemo1"));
  output_->setReadOnly(true);
  output_->setLineWrapMode(QPlainTextEdit::NoWrap);
  entries_->setObjectName(QStringLiteral("ErrorList1"));
  auto* splitter = new QSplitter(Qt::Horizontal, this);
  splitter->addWidget(entries_);
  splitter->addWidget(output_);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);
  connect(entries_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    emit placeActivated(item->data(kFileRole).toByteArray(), item->data(kLineRole).toInt());
  });
}

void LogPanel::Clear() {
  output_->clear();
  entries_->clear();
}

void LogPanel::AppendOutput(const QString& text) {
  output_->moveCursor(QTextCursor::End);
  output_->insertPlainText(text);
  output_->ensureCursorVisible();
}

void LogPanel::ShowEntries(const typeset::LogSummary& log, const QString& fileName, Encoding encoding) {
  entries_->clear();
  bool hinted = false;
  for (const typeset::LogEntry& entry : log.entries) {
    const QByteArray file = entry.inDocument ? QByteArray() : QByteArray::fromStdString(entry.file);
    const int line = entry.inDocument || !file.isEmpty() ? entry.line : 0;
    AddEntry(EntryText(entry, fileName, encoding), file, line, entry.kind == typeset::EntryKind::kError);
    if (!hinted && typeset::IsHalfWidthKanaError(entry)) {
      AddEntry(kHalfWidthKanaHint, file, line, false);
      hinted = true;
    }
  }
}

void LogPanel::AddEntry(const QString& text, const QByteArray& file, int line, bool error) {
  // Filled before it joins the list, which then signals no change of it.
  auto* item = new QListWidgetItem(text);
  item->setData(kLineRole, line);
  item->setData(kFileRole, file);
  if (error) item->setForeground(QColor(190, 0, 0));
  entries_->addItem(item);
}

}  // namespace zumoku
