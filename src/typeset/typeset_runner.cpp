#include "typeset/typeset_runner.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "buffer/sjis_codec.h"

namespace zumoku::typeset {

namespace {

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The system's own map decides whether PDFs embed Japanese fonts.
bool SystemEmbedsJapaneseFonts() {
  const QString kpsewhich = QStandardPaths::findExecutable(QStringLiteral("kpsewhich"));
  if (kpsewhich.isEmpty()) return false;
  QProcess lookUp;
  lookUp.start(kpsewhich, {QStringLiteral("kanjix.map")});
  if (!lookUp.waitForFinished(5000)) return false;
  const QByteArray map = ReadFile(QString::fromLocal8Bit(lookUp.readAllStandardOutput().trimmed()));
  return MapEmbedsJapaneseFonts(std::string_view(map.constData(), map.size()));
}

}  // namespace

TypesetRunner::TypesetRunner(QObject* parent) : QObject(parent) {
  connect(&logParser_, &AsyncLogParser::parsed, this, &TypesetRunner::LogParsed);
}

TypesetRunner::~TypesetRunner() { EndProcess(); }

QProcessEnvironment TypesetRunner::ToolEnvironment() {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  // pLaTeX writes its terminal in the locale's code unless told otherwise.
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
  environment.insert(QStringLiteral("PTEX_KANJI_ENC"), QStringLiteral("sjis"));
  environment.insert(QStringLiteral("max_print_line"), QStringLiteral("10000"));
  return environment;
}

void TypesetRunner::Start(const QString& texPath) {
  EndProcess();
  plan_.reset();
  clock_.start();
  QStringList missing;
  for (const char* tool : {"platex", "dvipdfmx"}) {
    if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) missing << QLatin1String(tool);
  }
  if (!missing.isEmpty()) {
    Finish(Outcome::kToolsMissing, QStringLiteral("%1 が見つかりません。パッケージ texlive-lang-japanese をインストールしてください")
                                       .arg(missing.join(QStringLiteral(" と "))));
    return;
  }
  const QFileInfo info(texPath);
  folder_ = info.absolutePath();
  fileName_ = info.fileName();
  plan_ = std::make_unique<RunPlan>(QFile::encodeName(fileName_).toStdString(), EmbedFonts());
  StartStep();
}

bool TypesetRunner::EmbedFonts() {
  if (!embedFonts_) embedFonts_ = !SystemEmbedsJapaneseFonts();
  return *embedFonts_;
}

void TypesetRunner::Stop() {
  if (!IsRunning()) return;
  EndProcess();
  Finish(Outcome::kStopped);
}

QString TypesetRunner::CurrentStep() const {
  if (!plan_) return {};
  const Command command = plan_->Current();
  if (plan_->CurrentStage() == Stage::kPlatex && plan_->PlatexRuns() > 1) {
    return QStringLiteral("platex (%1 回目)").arg(plan_->PlatexRuns());
  }
  return QString::fromStdString(command.program);
}

void TypesetRunner::StartStep() {
  const Command command = plan_->Current();
  QStringList arguments;
  for (const std::string& argument : command.arguments) arguments << QFile::decodeName(argument.c_str());
  process_ = new QProcess(this);
  process_->setWorkingDirectory(folder_);
  process_->setProcessEnvironment(ToolEnvironment());
  process_->setProcessChannelMode(QProcess::MergedChannels);
  process_->setStandardInputFile(QProcess::nullDevice());
  connect(process_, &QProcess::readyRead, this, [this] { ReadOutput(false); });
  connect(process_, &QProcess::finished, this, &TypesetRunner::StepFinished);
  connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) StepFinished(-1, QProcess::CrashExit);
  });
  const QString program = QString::fromStdString(command.program);
  emit stepStarted(CurrentStep());
  emit output(QStringLiteral("> %1 %2\n").arg(program, arguments.join(u' ')));
  process_->start(QStandardPaths::findExecutable(program), arguments);
}

void TypesetRunner::StepFinished(int exitCode, QProcess::ExitStatus status) {
  ReadOutput(true);
  EndProcess();
  if (status != QProcess::NormalExit) exitCode = exitCode == 0 ? -1 : exitCode;
  if (plan_->CurrentStage() == Stage::kPlatex) {
    platexExitCode_ = exitCode;
    logParser_.Parse(folder_ + u'/' + QFile::decodeName(plan_->LogFile().c_str()), plan_->TexFile());
    return;
  }
  plan_->DvipdfmxFinished(exitCode);
  NextStep();
}

void TypesetRunner::LogParsed(const LogSummary& log) {
  lastLog_ = log;
  plan_->PlatexFinished(platexExitCode_, lastLog_);
  NextStep();
}

void TypesetRunner::NextStep() {
  switch (plan_->CurrentStage()) {
    case Stage::kSucceeded: Finish(Outcome::kSucceeded); break;
    case Stage::kFailed: Finish(Outcome::kFailed); break;
    default: StartStep();
  }
}

void TypesetRunner::ReadOutput(bool flush) {
  if (!process_) return;
  pending_ += process_->readAll();
  // Only whole lines are decoded, so that no character is split.
  const qsizetype end = flush ? pending_.size() : pending_.lastIndexOf('\n') + 1;
  if (end <= 0) return;
  QString text = codec::Decode(std::string_view(pending_.constData(), end));
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

void TypesetRunner::Finish(Outcome outcome, const QString& message) {
  RunResult result;
  result.outcome = outcome;
  result.message = message;
  if (plan_) {
    result.log = lastLog_;
    result.platexRuns = plan_->PlatexRuns();
    if (outcome == Outcome::kSucceeded) result.pdfPath = folder_ + u'/' + QFile::decodeName(plan_->PdfFile().c_str());
  }
  result.elapsedMs = clock_.elapsed();
  plan_.reset();
  lastLog_ = {};
  emit finished(result);
}

}  // namespace zumoku::typeset
