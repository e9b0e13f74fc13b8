// Autosave against typing: typing at the end of a 50 MB document while the
// worker thread writes its recovery file, one write after another, against
// typing with autosave off; and what one autosave costs the window's thread
// (taking the bytes, handing them to the worker).
#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <atomic>
#include <memory>

#include "app/desktop/autosave.h"
#include "app/desktop/disk_files.h"
#include "app/desktop/recovery_writer.h"
#include "app/mainwindow/main_window.h"
#include "bench_support.h"
#include "recovery/recovery_folder.h"

using namespace zumoku;
using namespace zumoku::bench;

namespace {

constexpr std::size_t kLarge = 50u << 20;
constexpr int kLineLength = 64;  // lines end now and then, as when a person types

struct Sample {
  QTemporaryDir data;
  std::unique_ptr<TForm1> window;
  std::string bytes = MakeDocument(kLarge);
  Sample() {
    window = std::make_unique<TForm1>(TForm1::StartUp{.dataFolder = data.path()});
    window->show();
    window->Buffer().Load(bytes, Encoding::kShiftJis);
    window->Buffer().SetModified(true);
    window->memo1->SetCaretOffset(bytes.size());
    QApplication::processEvents();
  }
};
std::unique_ptr<Sample> sample;

Sample& TheSample() {
  if (!sample) sample = std::make_unique<Sample>();
  return *sample;
}

// Writes the document's bytes to a recovery file over and over, on the
// worker thread, while it lives.
class BusyWriter {
 public:
  explicit BusyWriter(const Sample& s)
      : folder_(files_, s.data.filePath(QStringLiteral("busy")).toStdString()),
        slot_(folder_.SlotFor("/bench/main.tex", ThisProcess())),
        bytes_(s.bytes),
        writer_([this](std::error_code) {
          ++writes_;
          if (!stopping_) writer_.Post(Job());
        }) {
    writer_.Post(Job());
  }
  ~BusyWriter() { stopping_ = true; }
  int Writes() const { return writes_; }

 private:
  RecoveryWriter::Job Job() {
    return [this] { return folder_.Write(slot_, {ThisProcess(), 0, "/bench/main.tex"}, bytes_); };
  }
  DiskFiles files_;
  RecoveryFolder folder_;
  RecoverySlot slot_;
  const std::string& bytes_;
  std::atomic<bool> stopping_ = false;
  std::atomic<int> writes_ = 0;
  RecoveryWriter writer_;  // last: its thread ends first
};

// Arg 1: with the recovery file being written all the while.
void TypeAtEnd(benchmark::State& state) {
  Sample& s = TheSample();
  std::unique_ptr<BusyWriter> busy;
  if (state.range(0) == 1) busy = std::make_unique<BusyWriter>(s);
  int column = 0;
  for (auto _ : state) {
    const bool lineEnd = ++column % kLineLength == 0;
    QKeyEvent press(QEvent::KeyPress, lineEnd ? Qt::Key_Return : Qt::Key_A, Qt::NoModifier,
                    lineEnd ? QStringLiteral("\r") : QStringLiteral("a"));
    QApplication::sendEvent(s.window->memo1, &press);
  }
  if (busy) state.counters["recovery_writes"] = busy->Writes();
}

// One autosave's share of the window's thread: the bytes as Save would
// write them, handed to the worker; the write itself is waited for outside
// the timing.
void AutosaveOnTheWindowsThread(benchmark::State& state) {
  Sample& s = TheSample();
  auto* autosave = s.window->findChild<Autosave*>(QStringLiteral("Autosave1"));
  for (auto _ : state) {
    QSignalSpy written(autosave, &Autosave::written);
    autosave->SaveNow();
    state.PauseTiming();
    written.wait(60000);
    state.ResumeTiming();
  }
}

}  // namespace

BENCHMARK(TypeAtEnd)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(3);
BENCHMARK(AutosaveOnTheWindowsThread)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
  return RunBenchmarks(argc, argv,
                       {{"typing at the end of 50 MB, recovery file being written / autosave off",
                         "TypeAtEnd/1/repeats:3", "TypeAtEnd/0/repeats:3"}},
                       [] { sample.reset(); });
}
