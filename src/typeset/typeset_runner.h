#pragma once
// Runs the commands of a RunPlan one after another with QProcess, in the
// document's folder, without blocking the event loop. The tools' output is
// passed on in whole lines, decoded from the document's encoding.
#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>
#include <memory>
#include <optional>

#include "typeset/log_parser.h"
#include "typeset/log_parser_async.h"
#include "typeset/run_plan.h"
#include "typeset/tool_commands.h"

namespace zumoku::typeset {

enum class Outcome { kSucceeded, kFailed, kStopped, kToolsMissing };

struct RunResult {
  Outcome outcome = Outcome::kFailed;
  LogSummary log;      // of the last LaTeX run
  LogSummary toolLog;  // of the BibTeX or mendex run that failed, in its own words
  QString pdfPath;     // where the PDF is, after a success
  // Why the run could not start, or which step failed (and why, when its own log says).
  QString message;
  int latexRuns = 0;
  qint64 elapsedMs = 0;
};

class TypesetRunner : public QObject {
  Q_OBJECT
 public:
  explicit TypesetRunner(QObject* parent = nullptr);
  ~TypesetRunner() override;

  // Typesets the file at texPath, whose bytes are in `encoding`, with the
  // engine the file asks for; a run still going is ended first.
  void Start(const QString& texPath, Encoding encoding);
  // The user's commands, for the runs that start from now on.
  void SetCommands(const ToolCommands& commands) { commands_ = commands; }
  const ToolCommands& Commands() const { return commands_; }
  // Ends the run going on, if any; it finishes as stopped.
  void Stop();
  bool IsRunning() const { return plan_ != nullptr; }
  // What runs now, e.g. "platex (2 回目)" or "upbibtex".
  QString CurrentStep() const;
  qint64 ElapsedMs() const { return clock_.elapsed(); }

  // The environment the tools run in: their messages in the document's
  // encoding and unwrapped, so that file names and messages stay on one line.
  static QProcessEnvironment ToolEnvironment(const Toolchain& tools);

 signals:
  void output(const QString& lines);
  void stepStarted(const QString& step);
  void finished(const zumoku::typeset::RunResult& result);

 private:
  void StartStep();
  void StepFinished(int exitCode, QProcess::ExitStatus status);
  // The log of the LaTeX step that ended, read off the GUI thread.
  void LogParsed(const LogSummary& log);
  void NextStep();
  void ReadOutput(bool flush);
  void Finish(Outcome outcome, const QString& message = {}, const LogSummary& toolLog = {});
  // Ends the run after a failed step, with what the step's own log says.
  void FinishFailed();
  // Ends the process, or the reading of its log, without letting it report.
  void EndProcess();
  // Ends the process and removes what it was writing.
  void Abandon();
  QString RerunReason() const;
  // Whether the engine's PDFs need our map to embed Japanese fonts.
  bool EmbedFonts(Engine engine);

  // The plan's commands for a document in `encoding`; `tools` takes a
  // forced engine.
  PlanCommands CommandsFor(Encoding encoding, Toolchain& tools) const;

  ToolCommands commands_;
  std::unique_ptr<RunPlan> plan_;
  QProcess* process_ = nullptr;
  QString folder_;
  QString fileName_;
  QByteArray pending_;
  AsyncLogParser logParser_;
  int latexExitCode_ = 0;
  LogSummary lastLog_;
  QElapsedTimer clock_;
  std::optional<QByteArray> systemKanjiMap_;  // read at the first run
};

}  // namespace zumoku::typeset
