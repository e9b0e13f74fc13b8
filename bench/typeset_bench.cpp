// Typesetting: the time from the command to the PDF shown, against the same
// commands run in a shell; and typing in the editor while a run is going,
// against typing while idle.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPdfDocument>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cstdlib>
#include <memory>

#include "app/mainwindow/main_window.h"
#include "app/typesetting/typeset_pdf_panel.h"
#include "app/typesetting/typesetting.h"
#include "bench_support.h"
#include "typeset/run_plan.h"

using namespace zumoku;
using namespace zumoku::bench;

namespace {

// About ten pages of Japanese prose with sections and formulas.
std::string TenPages() {
  std::string text = "\\documentclass{jsarticle}\r\n\\begin{document}\r\n";
  for (int section = 1; section <= 20; ++section) {
    text += Sjis("\\section{節の見出し}\r\n");
    for (int paragraph = 0; paragraph < 6; ++paragraph) {
      text += Sjis(
          "日本語の文章が続きます。組版の速さを測るための本文で、式 $a^2 + b^2 = c^2$ も含みます。"
          "段落は数行にわたり、禁則処理と行分割が働きます。\r\n\r\n");
    }
  }
  return text + "\\end{document}\r\n";
}

// Never ends: keeps platex busy until it is stopped.
const std::string kEndless = "\\documentclass{jsarticle}\r\n\\begin{document}\r\n\\def\\loop{\\loop}\\loop\r\n";

struct Sample {
  QTemporaryDir folder;
  QString Write(const QString& name, const std::string& bytes) const {
    QFile file(folder.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return folder.filePath(name);
  }
};

const Sample& TheSample() {
  static const Sample sample;
  return sample;
}

std::unique_ptr<TForm1> WindowWith(const QString& path) {
  auto form = std::make_unique<TForm1>();
  form->resize(1200, 760);
  form->show();
  form->DropFiles({path});
  QApplication::processEvents();
  return form;
}

typeset::TypesetRunner& RunnerOf(TForm1& form) { return form.findChild<Typesetting*>()->Runner(); }

void ShellRun(benchmark::State& state) {
  TheSample().Write(QStringLiteral("shell.tex"), TenPages());
  const std::string command =
      "cd '" + TheSample().folder.path().toStdString() +
      "' && LC_ALL=C PTEX_KANJI_ENC=sjis max_print_line=10000 platex -kanji=sjis -interaction=nonstopmode "
      "-file-line-error -synctex=1 shell.tex >/dev/null && dvipdfmx -f " +
      typeset::Toolchain{}.EmbeddingMap() + " shell.dvi >/dev/null 2>&1";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("the shell run failed");
  }
}

void TypesetToPdfShown(benchmark::State& state) {
  auto form = WindowWith(TheSample().Write(QStringLiteral("editor.tex"), TenPages()));
  QPdfDocument* pdf = form->findChild<PdfPanel*>()->Document();
  for (auto _ : state) {
    QSignalSpy finished(&RunnerOf(*form), &typeset::TypesetRunner::finished);
    form->Typeset1Click();
    if (!finished.wait(60000) || pdf->pageCount() < 5) state.SkipWithError("no PDF shown");
  }
  state.counters["pages"] = pdf->pageCount();
}

// One keystroke and the events that follow it, the run's output included.
void TypeLetters(benchmark::State& state, TForm1& form) {
  for (auto _ : state) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(form.memo1, &press);
    QApplication::processEvents();
  }
}

void TypeIdle(benchmark::State& state) {
  auto form = WindowWith(TheSample().Write(QStringLiteral("idle.tex"), TenPages()));
  TypeLetters(state, *form);
}

void TypeWhileRunning(benchmark::State& state) {
  auto form = WindowWith(TheSample().Write(QStringLiteral("busy.tex"), kEndless));
  form->Typeset1Click();
  TypeLetters(state, *form);
  if (!RunnerOf(*form).IsRunning()) state.SkipWithError("the run ended while typing");
  form->StopTypeset1Click();
}

}  // namespace

BENCHMARK(ShellRun)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(TypesetToPdfShown)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(TypeIdle)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(TypeWhileRunning)->Unit(benchmark::kMicrosecond)->UseRealTime();

int main(int argc, char** argv) {
  return RunBenchmarks(
      argc, argv,
      {
          {"command to PDF shown / the same commands in a shell", "TypesetToPdfShown/iterations:5/real_time",
           "ShellRun/iterations:5/real_time"},
          {"typing while a run is going / typing while idle", "TypeWhileRunning/real_time", "TypeIdle/real_time"},
      });
}
