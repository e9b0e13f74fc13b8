// The editor's own document core on 50 MB: loading against decoding the same
// bytes, with peak memory per file byte; a keystroke in the middle against
// one in an empty document; saving from the buffer's spans against writing
// the bytes from one string; what an autosave costs the window's thread:
// taking a snapshot of the text, then the next key.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "bench_support.h"
#include "buffer/document_buffer.h"
#include "encoding/codec.h"
#include "peak_memory.h"

namespace zumoku::bench {

namespace {
constexpr std::size_t kDocumentBytes = 50u << 20;

const DocumentFile& TheSample() {
  static const DocumentFile sample(kDocumentBytes);
  return sample;
}

// Writes the pieces to `path` and closes it, as a save does.
void WriteFile(const std::filesystem::path& path, const std::vector<std::string_view>& pieces) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  for (const std::string_view piece : pieces) std::fwrite(piece.data(), 1, piece.size(), file);
  std::fclose(file);
}

void BM_DecodeDocument(benchmark::State& state) {
  const std::string& bytes = TheSample().bytes;
  for (auto _ : state) {
    const QString text = codec::Decode(bytes, Encoding::kShiftJis);
    benchmark::DoNotOptimize(text.data());
  }
}

// From the file on disk to the buffer with its line index.
void BM_LoadDocument(benchmark::State& state) {
  const DocumentFile& sample = TheSample();
  double peak = 0;
  int lines = 0;
  for (auto _ : state) {
    MemoryClipboard clipboard;
    auto buffer = std::make_unique<DocumentBuffer>(clipboard);
    const PeakMemory memory;
    const auto start = std::chrono::steady_clock::now();
    buffer->LoadOwned(ReadWhole(sample.path), Encoding::kShiftJis);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(elapsed.count());
    peak += static_cast<double>(memory.Peak());
    lines = buffer->Lines().Count();
  }
  if (lines < 700000) state.SkipWithError("the document was not loaded");
  state.counters["peak_x_file"] = peak / static_cast<double>(state.iterations()) / kDocumentBytes;
}

// A key typed at the caret, which stands in the middle of the text.
void BM_TypeInMiddle(benchmark::State& state) {
  MemoryClipboard clipboard;
  DocumentBuffer buffer(clipboard);
  if (state.range(0) > 0) buffer.Load(TheSample().bytes, Encoding::kShiftJis);
  buffer.SetSelStart(static_cast<int>(buffer.Size() / 2));
  int typed = 0;
  for (auto _ : state) {
    buffer.Type(++typed % 64 == 0 ? "\r\n" : "a");
  }
  benchmark::DoNotOptimize(buffer.Size());
}

void BM_WriteBytes(benchmark::State& state) {
  const DocumentFile& sample = TheSample();
  for (auto _ : state) WriteFile(sample.folder / "copy.tex", {sample.bytes});
}

// After an edit in the middle, so that the text is no longer the file's one block.
void BM_SaveFromSpans(benchmark::State& state) {
  const DocumentFile& sample = TheSample();
  MemoryClipboard clipboard;
  DocumentBuffer buffer(clipboard);
  buffer.Load(sample.bytes, Encoding::kShiftJis);
  buffer.SetSelStart(static_cast<int>(buffer.Size() / 2));
  buffer.Type("a");
  const ChunkedBytes::Views views = buffer.Spans(0, buffer.Size());
  for (auto _ : state) WriteFile(sample.folder / "saved.tex", views.parts);
}

// A snapshot for the autosave's worker taken, and a key typed while the
// worker would still hold it, at a caret in the middle of 50 MB.
void BM_SnapshotAndKey(benchmark::State& state) {
  MemoryClipboard clipboard;
  DocumentBuffer buffer(clipboard);
  buffer.Load(TheSample().bytes, Encoding::kShiftJis);
  buffer.SetSelStart(static_cast<int>(buffer.Size() / 2));
  for (auto _ : state) {
    const ChunkedBytes::Snapshot snapshot = buffer.Share();
    buffer.Type("a");
    benchmark::DoNotOptimize(snapshot.Size());
  }
}

}  // namespace

BENCHMARK(BM_DecodeDocument)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_TypeInMiddle)->Arg(0)->Arg(kDocumentBytes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteBytes)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SaveFromSpans)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SnapshotAndKey)->Unit(benchmark::kMicrosecond);

}  // namespace zumoku::bench

int main(int argc, char** argv) {
  const std::string large = "/" + std::to_string(zumoku::bench::kDocumentBytes);
  return zumoku::bench::RunBenchmarks(
      argc, argv,
      {
          {"loading 50 MB / decoding 50 MB", "BM_LoadDocument/iterations:3/manual_time",
           "BM_DecodeDocument/iterations:3"},
          {"a key in the middle of 50 MB / in an empty document", "BM_TypeInMiddle" + large, "BM_TypeInMiddle/0"},
          {"saving 50 MB from the spans / writing 50 MB", "BM_SaveFromSpans/iterations:5",
           "BM_WriteBytes/iterations:5"},
          {"a snapshot and a key in the middle of 50 MB / a key alone", "BM_SnapshotAndKey", "BM_TypeInMiddle" + large},
      });
}
