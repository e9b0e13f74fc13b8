#include "typeset/run_plan.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <set>

#include "typeset/tool_commands.h"

namespace zumoku::typeset {

namespace {

// A name starting with '-' would be read as an option, one starting with '&'
// (by TeX) as a format.
std::string AsArgument(const std::string& file) {
  return !file.empty() && (file.front() == '-' || file.front() == '&') ? "./" + file : file;
}

// A word as the shell reads it back, whatever it holds.
std::string ShellQuoted(std::string_view word) {
  std::string quoted = "'";
  for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// `name` = `text` in latexmk's Perl, as a string that takes `text` literally.
std::string PerlSetting(std::string_view name, std::string_view text) {
  std::string quoted = "$" + std::string(name) + " = '";
  for (const char c : text) {
    if (c == '\'' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "';";
}

// Every line of `text`, without its line end.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return lines;
}

// The first file whose contents differ, an absent file counting as empty.
std::optional<std::string> FirstDifference(const std::map<std::string, std::string>& before,
                                           const std::map<std::string, std::string>& after) {
  auto contents = [](const std::map<std::string, std::string>& files, const std::string& name) {
    const auto found = files.find(name);
    return found == files.end() ? std::string_view() : std::string_view(found->second);
  };
  std::set<std::string> names;
  for (const auto* files : {&before, &after}) {
    for (const auto& file : *files) names.insert(file.first);
  }
  for (const std::string& name : names) {
    if (contents(before, name) != contents(after, name)) return name;
  }
  return std::nullopt;
}

}  // namespace

RunPlan::RunPlan(std::string texFile, Toolchain tools, bool embedFonts, FileReader read, PlanCommands commands)
    : texFile_(std::move(texFile)),
      tools_(tools),
      embedFonts_(embedFonts),
      read_(std::move(read)),
      commands_(std::move(commands)),
      readBack_(ReadBackFiles()) {}

Command RunPlan::Current() const {
  switch (stage_) {
    case Stage::kLatex:
      if (commands_.latexmk) return Latexmk();
      if (!commands_.latex.empty()) return UserLatex();
      return {
          tools_.Latex(),
          {tools_.KanjiOption(), "-interaction=nonstopmode", "-file-line-error", "-synctex=1", AsArgument(texFile_)}};
    case Stage::kBibtex:
      return {tools_.Bibtex(), {tools_.KanjiOption(), AsArgument(JobName())}};
    case Stage::kMendex:
      return {"mendex", {tools_.MendexOption(), AsArgument(JobName() + ".idx")}};
    case Stage::kDvipdfmx: {
      Command dvipdfmx{commands_.dviToPdf, DviToPdfOptions()};
      dvipdfmx.arguments.push_back(AsArgument(JobName() + ".dvi"));
      return dvipdfmx;
    }
    default:
      return {};
  }
}

Command RunPlan::UserLatex() const {
  std::vector<std::string> words = WithFileName(commands_.latex, AsArgument(texFile_));
  return {words.front(), std::vector<std::string>(words.begin() + 1, words.end())};
}

std::vector<std::string> RunPlan::DviToPdfOptions() const {
  std::vector<std::string> options;
  // The map is dvipdfmx's; another tool has its own way with fonts.
  if (embedFonts_ && commands_.dviToPdf == "dvipdfmx") options = {"-f", tools_.EmbeddingMap()};
  options.insert(options.end(), commands_.dviToPdfOptions.begin(), commands_.dviToPdfOptions.end());
  return options;
}

// latexmk fills in %O (its options), %S (the source), %B (the job name)
// and %D (the output).
Command RunPlan::Latexmk() const {
  std::string dviToPdf = ShellQuoted(commands_.dviToPdf);
  for (const std::string& option : DviToPdfOptions()) dviToPdf += " " + ShellQuoted(option);
  const std::string latex =
      tools_.Latex() + " " + tools_.KanjiOption() + " -interaction=nonstopmode -file-line-error -synctex=1 %O %S";
  return {"latexmk",
          {"-pdfdvi", "-e", PerlSetting("latex", latex), "-e",
           PerlSetting("bibtex", tools_.Bibtex() + " " + tools_.KanjiOption() + " %O %B"), "-e",
           PerlSetting("makeindex", "mendex " + tools_.MendexOption() + " %O -o %D %S"), "-e",
           PerlSetting("dvipdf", dviToPdf + " %O -o %D %S"), AsArgument(texFile_)}};
}

std::vector<std::string> RunPlan::PartialOutputs() const {
  switch (stage_) {
    case Stage::kLatex:
      if (commands_.latexmk) return {JobName() + ".synctex(busy)", PdfFile()};
      return {JobName() + ".synctex(busy)"};  // renamed only when LaTeX ends
    case Stage::kBibtex:
    case Stage::kMendex:
      return {toolOutput_};
    case Stage::kDvipdfmx:
      return {PdfFile()};
    default:
      return {};
  }
}

void RunPlan::LatexFinished(int exitCode, const LogSummary& log) {
  if (exitCode != 0 || log.Count(EntryKind::kError) > 0) return Fail(exitCode);
  if (commands_.latexmk) {
    stage_ = Stage::kSucceeded;
    return;
  }
  Contents now = ReadBackFiles();
  const auto changed = FirstDifference(readBack_, now);
  readBack_ = std::move(now);
  rerunNeeded_ = changed || log.rerunRequested;
  rerunCause_ = changed.value_or("");
  ChooseNext(Stage::kLatex);
}

void RunPlan::ToolFinished(int exitCode) {
  const bool onlyWarnings = stage_ == Stage::kBibtex && exitCode == 1;
  if (exitCode != 0 && !onlyWarnings) return Fail(exitCode);
  if (stage_ == Stage::kDvipdfmx) {
    stage_ = Stage::kSucceeded;
    return;
  }
  if (Read(toolOutput_) != toolOutputBefore_ && !rerunNeeded_) {
    rerunNeeded_ = true;
    rerunCause_ = toolOutput_;
  }
  ChooseNext(stage_);
}

void RunPlan::ChooseNext(Stage done) {
  if (done == Stage::kLatex) {
    const std::string request = BibliographyRequest();
    if (!request.empty() && request != bibliographyDone_) {
      bibliographyDone_ = request;
      return StartTool(Stage::kBibtex, JobName() + ".bbl");
    }
  }
  if (done != Stage::kMendex) {
    // mendex refuses an empty index: a document that has \makeindex but no \index yet.
    const std::optional<std::string> index = read_(JobName() + ".idx");
    if (index && !index->empty() && index != indexDone_) {
      indexDone_ = index;
      return StartTool(Stage::kMendex, JobName() + ".ind");
    }
  }
  if (rerunNeeded_ && latexRuns_ < kMaxLatexRuns) {
    ++latexRuns_;
    stage_ = Stage::kLatex;
  } else {
    stage_ = Stage::kDvipdfmx;
  }
}

void RunPlan::StartTool(Stage stage, const std::string& output) {
  stage_ = stage;
  toolOutput_ = output;
  toolOutputBefore_ = Read(output);
}

void RunPlan::Fail(int exitCode) {
  const std::string logFile = stage_ == Stage::kBibtex   ? JobName() + ".blg"
                              : stage_ == Stage::kMendex ? JobName() + ".ilg"
                                                         : std::string();
  failure_ = {Current().program, exitCode, stage_, logFile};
  stage_ = Stage::kFailed;
}

std::string RunPlan::Read(const std::string& name) const { return read_(name).value_or(""); }

RunPlan::Contents RunPlan::ReadBackFiles() const {
  Contents files;
  for (const char* extension : {".aux", ".toc", ".lof", ".lot", ".out"}) {
    const std::string name = JobName() + extension;
    files[name] = Read(name);
  }
  // The .aux of each \include'd file.
  for (std::string_view line : Lines(files[JobName() + ".aux"])) {
    constexpr std::string_view kInput = "\\@input{";
    if (!line.starts_with(kInput) || !line.ends_with("}")) continue;
    const std::string name(line.substr(kInput.size(), line.size() - kInput.size() - 1));
    files[name] = Read(name);
  }
  return files;
}

std::string RunPlan::BibliographyRequest() const {
  std::string request;
  bool hasDatabase = false;
  for (const auto& [name, text] : readBack_) {
    if (!name.ends_with(".aux")) continue;
    for (std::string_view line : Lines(text)) {
      hasDatabase = hasDatabase || line.starts_with("\\bibdata{");
      if (line.starts_with("\\citation{") || line.starts_with("\\bibdata{") || line.starts_with("\\bibstyle{")) {
        request.append(line).append("\n");
      }
    }
  }
  return hasDatabase ? request : std::string();
}

int CountUndefinedReferences(const LogSummary& log) {
  return static_cast<int>(std::count_if(log.entries.begin(), log.entries.end(), [](const LogEntry& entry) {
    const std::string_view message = entry.message;
    const bool reference = message.find(" Warning: Reference `") != std::string_view::npos ||
                           message.find(" Warning: Citation `") != std::string_view::npos;
    return entry.kind == EntryKind::kWarning && reference && message.find(" undefined") != std::string_view::npos;
  }));
}

namespace {

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t at = 0;
  while ((at = line.find_first_not_of(" \t", at)) != std::string_view::npos) {
    const size_t end = std::min(line.find_first_of(" \t", at), line.size());
    fields.push_back(line.substr(at, end - at));
    at = end;
  }
  return fields;
}

bool IsFontFile(std::string_view name) {
  // ":1:file.ttc" picks a face of a collection.
  if (!name.empty() && name.front() == ':') name.remove_prefix(std::min(name.find(':', 1) + 1, name.size()));
  if (name.size() < 4) return false;
  std::string extension(name.substr(name.size() - 4));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  constexpr std::array<std::string_view, 4> kExtensions = {".otf", ".ttf", ".ttc", ".otc"};
  return std::find(kExtensions.begin(), kExtensions.end(), extension) != kExtensions.end();
}

}  // namespace

bool MapEmbedsJapaneseFonts(std::string_view map, Engine engine) {
  // "rml H <font>", "uprml-h UniJIS-UTF16-H <font>": the Mincho face every
  // document of the engine uses; a leading '!' asks dvipdfmx not to embed it.
  const std::string_view mincho = engine == Engine::kUplatex ? "uprml-h" : "rml";
  while (!map.empty()) {
    const size_t end = std::min(map.find('\n'), map.size());
    const auto fields = Fields(map.substr(0, end));
    if (fields.size() >= 3 && fields[0] == mincho) return fields[2].front() != '!' && IsFontFile(fields[2]);
    map.remove_prefix(std::min(end + 1, map.size()));
  }
  return false;
}

}  // namespace zumoku::typeset
