// Opening a 50 MB Shift_JIS document into the editor, against the floor of
// the widget itself (the same bytes decoded by the converter and put into a
// plain QPlainTextEdit), with peak memory; and saving it back.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <chrono>
#include <functional>
#include <memory>

#include "app/desktop/disk_files.h"
#include "app/mainwindow/main_window.h"
#include "bench_support.h"
#include "documents/document.h"
#include "encoding/codec.h"
#include "peak_memory.h"

namespace zumoku::bench {

namespace {
constexpr std::size_t kDocumentBytes = 50u << 20;

struct Sample {
  QTemporaryDir folder;
  QString path = folder.filePath(QStringLiteral("大きな文書.tex"));
  std::string bytes = MakeDocument(kDocumentBytes);
  Sample() {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
};

const Sample& TheSample() {
  static const Sample sample;
  return sample;
}

struct Figures {
  double seconds = 0;
  double peakBytes = 0;
};
Figures floorFigures;

// Times `open` on a fresh, shown widget from `make`, which is dropped
// afterwards; reports time and peak memory per run.
template <typename Widget>
Figures MeasureOpen(benchmark::State& state, const std::function<std::unique_ptr<Widget>()>& make,
                    const std::function<void(Widget&)>& open) {
  Figures total;
  for (auto _ : state) {
    auto widget = make();
    widget->resize(637, 450);
    widget->show();
    QApplication::processEvents();
    const PeakMemory memory;
    const auto start = std::chrono::steady_clock::now();
    open(*widget);
    QApplication::processEvents();  // the layout work the widget defers
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(elapsed.count());
    total.seconds += elapsed.count();
    total.peakBytes += static_cast<double>(memory.Peak());
  }
  const auto runs = static_cast<double>(state.iterations());
  const Figures mean{total.seconds / runs, total.peakBytes / runs};
  state.counters["peak_x_file"] = mean.peakBytes / static_cast<double>(TheSample().bytes.size());
  state.counters["peak_MB"] = mean.peakBytes / 1e6;
  return mean;
}

std::string ReadWhole(const QString& path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  return file.readAll().toStdString();
}

void BM_OpenFloor(benchmark::State& state) {
  const Sample& sample = TheSample();
  floorFigures = MeasureOpen<QPlainTextEdit>(
      state, [] { return std::make_unique<QPlainTextEdit>(); },
      [&](QPlainTextEdit& editor) {
        QFile file(sample.path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        QStringDecoder decoder("Shift_JIS");
        editor.setPlainText(decoder.decode(bytes));
      });
}

void BM_OpenEditor(benchmark::State& state) {
  const Sample& sample = TheSample();
  int blocks = 0;
  const Figures editor = MeasureOpen<TForm1>(
      state, [] { return std::make_unique<TForm1>(); },
      [&](TForm1& form) {
        form.DropFiles({sample.path});
        blocks = form.memo1->LineCount();
      });
  if (blocks < 700000) state.SkipWithError("the document was not loaded");
  state.counters["lines"] = blocks;
  if (floorFigures.seconds > 0) {
    state.counters["time_x_floor"] = editor.seconds / floorFigures.seconds;
    state.counters["peak_x_floor"] = editor.peakBytes / floorFigures.peakBytes;
  }
}

// Saves to one chosen name, answering Yes to the overwrite question.
class SaveToPath : public Prompts {
 public:
  explicit SaveToPath(std::string path) : path_(std::move(path)) {}
  Answer Ask(std::string_view) override { return Answer::kYes; }
  Answer AskNoByDefault(std::string_view) override { return Answer::kYes; }
  UnsavedAnswer AskUnsavedChanges(std::string_view) override { return UnsavedAnswer::kYes; }
  bool AskToReload(std::string_view) override { return false; }
  std::optional<std::string> ChooseFileToOpen(std::span<const FileType>, std::string_view) override { return {}; }
  std::optional<std::string> ChooseFileToSave(std::span<const FileType>, std::string_view) override { return path_; }
  void ShowError(std::string_view) override {}
  void ShowStatus(std::string_view) override {}
  void ShowFormat(std::string_view) override {}
  void SetCaption(std::string_view) override {}
  void EnableSave(bool) override {}

 private:
  std::string path_;
};

void BM_SaveEditor(benchmark::State& state) {
  const Sample& sample = TheSample();
  TForm1 form;
  form.DropFiles({sample.path});
  const QString copy = sample.folder.filePath(QStringLiteral("写し.tex"));
  SaveToPath prompts(copy.toStdString());
  DiskFiles files;
  Document document(form.Buffer(), files, prompts);
  for (auto _ : state) {
    if (!document.SaveAs()) state.SkipWithError("not written");
  }
  if (ReadWhole(copy) != sample.bytes) state.SkipWithError("written bytes differ");
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(sample.bytes.size()));
}

// The two decoders alone, to see where the open time goes.
void BM_DecodeConverter(benchmark::State& state) {
  const QByteArray bytes = QByteArray::fromStdString(TheSample().bytes);
  for (auto _ : state) {
    QStringDecoder decoder("Shift_JIS");
    const QString text = decoder.decode(bytes);
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_DecodeLossless(benchmark::State& state) {
  const std::string& bytes = TheSample().bytes;
  for (auto _ : state) {
    const QString text = codec::Decode(bytes, Encoding::kShiftJis);
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

}  // namespace

BENCHMARK(BM_OpenFloor)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_OpenEditor)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_SaveEditor)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DecodeConverter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeLossless)->Unit(benchmark::kMillisecond);

}  // namespace zumoku::bench

int main(int argc, char** argv) { return zumoku::bench::RunBenchmarks(argc, argv); }
