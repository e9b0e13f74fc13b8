#include "typeset/typeset_runner.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "encoding/codec.h"
#include "typeset/folder_file.h"
#include "typeset/tool_log_parser.h"

namespace zumoku::typeset {

namespace {

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The system's own map, which decides whether PDFs embed Japanese fonts;
// empty when there is none.
QByteArray SystemKanjiMap() {
  const QString kpsewhich = QStandardPaths::findExecutable(QStringLiteral("kpsewhich"));
  if (kpsewhich.isEmpty()) return {};
  QProcess lookUp;
  lookUp.start(kpsewhich, {QStringLiteral("kanjix.map")});
  if (!lookUp.waitForFinished(5000)) return {};
  return ReadFile(QString::fromLocal8Bit(lookUp.readAllStandardOutput().trimmed()));
}

// Empty when every tool is on the PATH.
QString MissingToolsMessage(const QStringList& tools) {
  QStringList missing;
  for (const QString& tool : tools) {
    if (QStandardPaths::findExecutable(tool).isEmpty()) missing << tool;
  }
  if (missing.isEmpty()) return {};
  return QStringLiteral("%1 が見つかりません。パッケージ texlive-lang-japanese をインストールしてください")
      .arg(missing.join(QStringLiteral(" と ")));
}

// A command line's words as a program's arguments, each in the file
// system's bytes: no shell reads them.
std::vector<std::string> Words(const std::string& commandLine) {
  std::vector<std::string> words;
  for (const QString& word : QProcess::splitCommand(QString::fromStdString(commandLine))) {
    words.push_back(QFile::encodeName(word).toStdString());
  }
  return words;
}

// The tool's first error in its own words, else its exit code.
QString FailureMessage(const Failure& failure, const LogSummary& toolLog, Encoding encoding) {
  const QString program = QString::fromStdString(failure.program);
  const auto error = std::find_if(toolLog.entries.begin(), toolLog.entries.end(),
                                  [](const LogEntry& entry) { return entry.kind == EntryKind::kError; });
  if (error != toolLog.entries.end()) return program + QStringLiteral(": ") + codec::Decode(error->message, encoding);
  if (failure.exitCode < 0) return QStringLiteral("%1 異常終了").arg(program);
  return QStringLiteral("%1 終了コード %2").arg(program).arg(failure.exitCode);
}

}  // namespace

TypesetRunner::TypesetRunner(QObject* parent) : QObject(parent) {
  connect(&logParser_, &AsyncLogParser::parsed, this, &TypesetRunner::LogParsed);
}

TypesetRunner::~TypesetRunner() { Abandon(); }

QProcessEnvironment TypesetRunner::ToolEnvironment(const Toolchain& tools) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  // pLaTeX writes its terminal in the locale's code unless told otherwise
  // (its log follows -kanji).
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
  environment.insert(QStringLiteral("PTEX_KANJI_ENC"), QString::fromStdString(tools.KanjiEncoding()));
  environment.insert(QStringLiteral("max_print_line"), QStringLiteral("10000"));
  return environment;
}

void TypesetRunner::Start(const QString& texPath, Encoding encoding) {
  Abandon();
  plan_.reset();
  clock_.start();
  const QByteArray text = ReadFile(texPath);
  Toolchain tools = ChooseToolchain(std::string_view(text.constData(), text.size()), encoding);
  PlanCommands commands = CommandsFor(encoding, tools);
  if (commands.latex.empty() && !tools.CanTypeset()) {
    return Finish(Outcome::kFailed, QStringLiteral("upLaTeX の文書は UTF-8 で保存してください"));
  }
  // BibTeX and mendex are looked for when a document needs them; latexmk,
  // found, looks for its tools itself.
  const std::string latex = commands.latex.empty() ? tools.Latex() : commands.latex.front();
  const QString missing =
      commands.latexmk
          ? QString()
          : MissingToolsMessage({QFile::decodeName(latex.c_str()), QFile::decodeName(commands.dviToPdf.c_str())});
  if (!missing.isEmpty()) return Finish(Outcome::kToolsMissing, missing);
  const QFileInfo info(texPath);
  folder_ = info.absolutePath();
  fileName_ = info.fileName();
  auto read = [folder = QFile::encodeName(folder_).toStdString()](const std::string& name) {
    return ReadFileInFolder(folder, name);
  };
  plan_ = std::make_unique<RunPlan>(QFile::encodeName(fileName_).toStdString(), tools, EmbedFonts(tools.engine), read,
                                    std::move(commands));
  StartStep();
}

PlanCommands TypesetRunner::CommandsFor(Encoding encoding, Toolchain& tools) const {
  const std::string& engine = commands_.EngineFor(encoding);
  if (engine == "platex") tools.engine = Engine::kPlatex;
  if (engine == "uplatex") tools.engine = Engine::kUplatex;
  PlanCommands commands;
  if (IsCommandLine(engine)) commands.latex = Words(engine);
  commands.latexmk = commands_.useLatexmk && commands.latex.empty() &&
                     !QStandardPaths::findExecutable(QStringLiteral("latexmk")).isEmpty();
  // The DVI-to-PDF command line's own options come before the extra ones;
  // a blank one keeps the standard tool.
  std::vector<std::string> dviToPdf = Words(commands_.dviToPdf);
  if (!dviToPdf.empty()) {
    commands.dviToPdf = dviToPdf.front();
    commands.dviToPdfOptions.assign(dviToPdf.begin() + 1, dviToPdf.end());
  }
  const std::vector<std::string> extra = Words(commands_.dviToPdfOptions);
  commands.dviToPdfOptions.insert(commands.dviToPdfOptions.end(), extra.begin(), extra.end());
  return commands;
}

bool TypesetRunner::EmbedFonts(Engine engine) {
  if (!systemKanjiMap_) systemKanjiMap_ = SystemKanjiMap();
  return !MapEmbedsJapaneseFonts(std::string_view(systemKanjiMap_->constData(), systemKanjiMap_->size()), engine);
}

void TypesetRunner::Stop() {
  if (!IsRunning()) return;
  Abandon();
  Finish(Outcome::kStopped);
}

void TypesetRunner::Abandon() {
  // Between two tools only the log is being read: nothing is half-written.
  const bool toolRunning = process_ != nullptr;
  const std::vector<std::string> partial = toolRunning ? plan_->PartialOutputs() : std::vector<std::string>{};
  EndProcess();
  for (const std::string& name : partial) QFile::remove(folder_ + u'/' + QFile::decodeName(name.c_str()));
}

QString TypesetRunner::CurrentStep() const {
  if (!plan_) return {};
  const QString program = QString::fromStdString(plan_->Current().program);
  if (plan_->CurrentStage() == Stage::kLatex && plan_->LatexRuns() > 1) {
    return QStringLiteral("%1 (%2 回目)").arg(program).arg(plan_->LatexRuns());
  }
  return program;
}

void TypesetRunner::StartStep() {
  const Command command = plan_->Current();
  const QString program = QString::fromStdString(command.program);
  const QString missing = MissingToolsMessage({program});
  if (!missing.isEmpty()) return Finish(Outcome::kToolsMissing, missing);
  QStringList arguments;
  for (const std::string& argument : command.arguments) arguments << QFile::decodeName(argument.c_str());
  process_ = new QProcess(this);
  process_->setWorkingDirectory(folder_);
  process_->setProcessEnvironment(ToolEnvironment(plan_->Tools()));
  process_->setProcessChannelMode(QProcess::MergedChannels);
  process_->setStandardInputFile(QProcess::nullDevice());
  connect(process_, &QProcess::readyRead, this, [this] { ReadOutput(false); });
  connect(process_, &QProcess::finished, this, &TypesetRunner::StepFinished);
  connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) StepFinished(-1, QProcess::CrashExit);
  });
  emit stepStarted(CurrentStep());
  if (plan_->CurrentStage() == Stage::kLatex && plan_->LatexRuns() > 1) emit output(RerunReason());
  emit output(QStringLiteral("> %1 %2\n").arg(program, arguments.join(u' ')));
  process_->start(QStandardPaths::findExecutable(program), arguments);
}

void TypesetRunner::StepFinished(int exitCode, QProcess::ExitStatus status) {
  ReadOutput(true);
  EndProcess();
  if (status != QProcess::NormalExit) exitCode = -1;
  if (plan_->CurrentStage() == Stage::kLatex) {
    latexExitCode_ = exitCode;
    logParser_.Parse(folder_ + u'/' + QFile::decodeName(plan_->LogFile().c_str()), plan_->TexFile());
    return;
  }
  plan_->ToolFinished(exitCode);
  NextStep();
}

void TypesetRunner::LogParsed(const LogSummary& log) {
  lastLog_ = log;
  plan_->LatexFinished(latexExitCode_, lastLog_);
  NextStep();
}

void TypesetRunner::NextStep() {
  switch (plan_->CurrentStage()) {
    case Stage::kSucceeded:
      Finish(Outcome::kSucceeded);
      break;
    case Stage::kFailed:
      FinishFailed();
      break;
    default:
      StartStep();
  }
}

QString TypesetRunner::RerunReason() const {
  const std::string& cause = plan_->RerunCause();
  const QString latex = QString::fromStdString(plan_->Tools().Latex());
  if (cause.empty()) return QStringLiteral("ログが再実行を求めたため %1 をもう一度実行します\n").arg(latex);
  return QStringLiteral("%1 が変わったため %2 をもう一度実行します\n").arg(QFile::decodeName(cause.c_str()), latex);
}

void TypesetRunner::ReadOutput(bool flush) {
  if (!process_) return;
  pending_ += process_->readAll();
  // Only whole lines are decoded, so that no character is split.
  const qsizetype end = flush ? pending_.size() : pending_.lastIndexOf('\n') + 1;
  if (end <= 0) return;
  QString text = codec::Decode(std::string_view(pending_.constData(), end), plan_->Tools().encoding);
  pending_.remove(0, end);
  if (flush && !text.isEmpty() && !text.endsWith(u'\n')) text += u'\n';
  emit output(text);
}

void TypesetRunner::EndProcess() {
  logParser_.Cancel();
  if (!process_) return;
  process_->disconnect(this);
  if (process_->state() != QProcess::NotRunning) {
    process_->kill();
    process_->waitForFinished(3000);
  }
  process_->deleteLater();
  process_ = nullptr;
  pending_.clear();
}

void TypesetRunner::FinishFailed() {
  const Failure& failure = plan_->FailedStep();
  LogSummary toolLog;
  if (!failure.logFile.empty()) {
    const std::string text = ReadFileInFolder(QFile::encodeName(folder_).toStdString(), failure.logFile).value_or("");
    toolLog = failure.stage == Stage::kBibtex ? ParseBibtexLog(text) : ParseIndexLog(text);
  }
  Finish(Outcome::kFailed, FailureMessage(failure, toolLog, plan_->Tools().encoding), toolLog);
}

void TypesetRunner::Finish(Outcome outcome, const QString& message, const LogSummary& toolLog) {
  RunResult result;
  result.outcome = outcome;
  result.message = message;
  result.toolLog = toolLog;
  if (plan_) {
    result.log = lastLog_;
    result.latexRuns = plan_->LatexRuns();
    if (outcome == Outcome::kSucceeded) result.pdfPath = folder_ + u'/' + QFile::decodeName(plan_->PdfFile().c_str());
  }
  result.elapsedMs = clock_.elapsed();
  plan_.reset();
  lastLog_ = {};
  emit finished(result);
}

}  // namespace zumoku::typeset
