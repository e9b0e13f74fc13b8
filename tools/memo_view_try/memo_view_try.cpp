// MemoView in a window of its own, for checks by hand (a real input method,
// a screen reader, the reading aids): `memo_view_try OUT sjis|utf8 [IN]`
// opens IN's bytes, or an empty document, in that encoding; Ctrl+S writes
// its bytes to OUT.
#include <QApplication>
#include <QFile>
#include <QShortcut>

#include "app/editor/memo_view.h"
#include "app/editor/memo_view_aids.h"
#include "app/editor/mime_clipboard.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 3) return 2;
  const QString out = QString::fromLocal8Bit(argv[1]);
  const zumoku::Encoding encoding =
      QByteArray(argv[2]) == "utf8" ? zumoku::Encoding::kUtf8 : zumoku::Encoding::kShiftJis;
  zumoku::DocumentBuffer* shown = nullptr;
  zumoku::MemoView* view = nullptr;
  zumoku::MimeClipboard clipboard([&] { return shown->TextEncoding(); },
                                  [&](const QString& message) { emit view->refused(message); });
  zumoku::DocumentBuffer buffer(clipboard);
  QByteArray opened;
  if (argc > 3) {
    QFile in(QString::fromLocal8Bit(argv[3]));
    if (!in.open(QIODevice::ReadOnly)) return 2;
    opened = in.readAll();
  }
  buffer.Load(std::string_view(opened.constData(), static_cast<std::size_t>(opened.size())), encoding);
  zumoku::MemoView memo(buffer);
  zumoku::AddMemoViewAids(memo);
  shown = &buffer;
  view = &memo;
  // Refusals in the title, where the window shows them.
  QObject::connect(&memo, &zumoku::MemoView::refused, &memo, &QWidget::setWindowTitle);
  memo.setWindowTitle(QStringLiteral("memo_view_try"));
  memo.resize(640, 400);
  QShortcut save(QKeySequence::Save, &memo);
  QObject::connect(&save, &QShortcut::activated, [&] {
    QFile file(out);
    if (!file.open(QIODevice::WriteOnly)) return;
    const std::string bytes = buffer.Text();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  });
  memo.show();
  return QApplication::exec();
}
