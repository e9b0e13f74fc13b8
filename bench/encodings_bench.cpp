// UTF-8 documents against Shift_JIS ones: opening the same 50 MB text from a
// file in each encoding (detection included), and typing at the end of it
// against typing in an empty UTF-8 document.
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <chrono>
#include <memory>
#include <variant>

#include "app/mainwindow/main_window.h"
#include "bench_support.h"
#include "encoding/transcode.h"

using namespace zumoku;
using namespace zumoku::bench;

namespace {

constexpr std::size_t kLarge = 50u << 20;
constexpr int kLineLength = 64;

// The same text as a Shift_JIS and as a UTF-8 file.
struct Samples {
  QTemporaryDir folder;
  QString sjis = folder.filePath(QStringLiteral("sjis.tex"));
  QString utf8 = folder.filePath(QStringLiteral("utf8.tex"));
  Samples() {
    const std::string text = MakeDocument(kLarge);
    Write(sjis, text);
    Write(utf8, std::get<std::string>(Transcode(text, Encoding::kShiftJis, Encoding::kUtf8)));
  }
  static void Write(const QString& path, const std::string& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
};

const Samples& TheSamples() {
  static const Samples samples;
  return samples;
}

void Open(benchmark::State& state) {
  const QString path = state.range(0) == 0 ? TheSamples().sjis : TheSamples().utf8;
  for (auto _ : state) {
    TForm1 window;
    window.show();
    QApplication::processEvents();
    const auto start = std::chrono::steady_clock::now();
    window.DropFiles({path});
    QApplication::processEvents();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(elapsed.count());
    if (window.Buffer().TextEncoding() != (state.range(0) == 0 ? Encoding::kShiftJis : Encoding::kUtf8)) {
      state.SkipWithError("the file was read in the wrong encoding");
    }
  }
}

std::map<bool, std::unique_ptr<TForm1>> windows;

void TypeAtEnd(benchmark::State& state) {
  auto& window = windows[state.range(0) != 0];
  window = std::make_unique<TForm1>();
  window->show();
  if (state.range(0) != 0) {
    window->DropFiles({TheSamples().utf8});
  } else {
    window->Buffer().Load("", Encoding::kUtf8);
  }
  QApplication::processEvents();
  window->memo1->SetCaretOffset(window->memo1->LineSpan(window->memo1->LineCount() - 1).to);
  int column = 0;
  for (auto _ : state) {
    const bool lineEnd = ++column % kLineLength == 0;
    QKeyEvent press(QEvent::KeyPress, lineEnd ? Qt::Key_Return : Qt::Key_A, Qt::NoModifier,
                    lineEnd ? QStringLiteral("\r") : QStringLiteral("\u3042"));
    QApplication::sendEvent(window->memo1, &press);
  }
}

}  // namespace

BENCHMARK(Open)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(TypeAtEnd)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  return RunBenchmarks(
      argc, argv,
      {
          {"opening 50 MB, UTF-8 / Shift_JIS", "Open/1/iterations:3/manual_time", "Open/0/iterations:3/manual_time"},
          {"typing at the end of 50 MB of UTF-8 / of an empty UTF-8 document", "TypeAtEnd/1", "TypeAtEnd/0"},
      },
      [] { windows.clear(); });
}
