#pragma once
// The commands of one typesetting run, decided one at a time: the engine's
// LaTeX (platex or uplatex); its BibTeX (pbibtex or upbibtex) when the .aux
// asks for a bibliography; mendex when there is an index; LaTeX again while
// what it reads back (.aux, .toc, .lof, .lot, .out, the .bbl and the .ind)
// changes, at most kMaxLatexRuns runs in all; then dvipdfmx. Each tool reads
// and writes the document's encoding. The plan only decides, reading the files through a function it
// is given; the runner starts the processes and reads the logs.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "typeset/log_parser.h"
#include "typeset/output_names.h"
#include "typeset/toolchain.h"

namespace zumoku::typeset {

inline constexpr int kMaxLatexRuns = 5;

// The user's commands in place of the standard ones, split into words.
struct PlanCommands {
  std::vector<std::string> latex;  // empty: the engine's own; "%f" stands for the document
  std::string dviToPdf = "dvipdfmx";
  std::vector<std::string> dviToPdfOptions;  // before the DVI file
  // One latexmk run does all steps with the engine's tools; only with the
  // engine's own LaTeX.
  bool latexmk = false;
};

struct Command {
  std::string program;
  std::vector<std::string> arguments;

  bool operator==(const Command&) const = default;
};

enum class Stage { kLatex, kBibtex, kMendex, kDvipdfmx, kSucceeded, kFailed };

// The step that ended the run in failure.
struct Failure {
  std::string program;
  int exitCode = 0;  // negative when the tool crashed or could not start
  Stage stage = Stage::kLatex;
  std::string logFile = {};  // BibTeX's .blg or mendex's .ilg, which says why; empty for the others
};

// A file of the document's folder by its name; nullopt when there is none.
using FileReader = std::function<std::optional<std::string>(const std::string& name)>;

class RunPlan {
 public:
  // `texFile` is the document's name inside its folder, where the commands
  // run. The files LaTeX reads back are remembered as they are now.
  RunPlan(std::string texFile, Toolchain tools, bool embedFonts, FileReader read, PlanCommands commands = {});

  Stage CurrentStage() const { return stage_; }
  // The command to run now; only while a tool runs.
  Command Current() const;
  int LatexRuns() const { return latexRuns_; }
  // What made LaTeX run again: the file that changed, or empty when only
  // its log asked for it.
  const std::string& RerunCause() const { return rerunCause_; }
  const Failure& FailedStep() const { return failure_; }
  // What the current command leaves half-written when it is ended.
  std::vector<std::string> PartialOutputs() const;

  // The current command ended; `log` is LaTeX's log, read after it ended.
  void LatexFinished(int exitCode, const LogSummary& log);
  // BibTeX, mendex or dvipdfmx ended.
  void ToolFinished(int exitCode);

  const Toolchain& Tools() const { return tools_; }
  const std::string& TexFile() const { return texFile_; }
  // What the commands write next to the document.
  std::string JobName() const { return JobNameOf(texFile_); }
  std::string LogFile() const { return JobName() + ".log"; }
  std::string PdfFile() const { return PdfFileOf(texFile_); }

 private:
  // File name to contents, an absent file read as empty.
  using Contents = std::map<std::string, std::string>;

  // The user's LaTeX command line, on the document.
  Command UserLatex() const;
  Command Latexmk() const;
  // The DVI-to-PDF tool's options, before the DVI file.
  std::vector<std::string> DviToPdfOptions() const;
  std::string Read(const std::string& name) const;
  Contents ReadBackFiles() const;
  // The .aux lines BibTeX reads; empty when no bibliography is asked for.
  std::string BibliographyRequest() const;
  // After LaTeX, BibTeX or mendex: the next step, each check starting
  // from the step after `done`.
  void ChooseNext(Stage done);
  void Fail(int exitCode);
  // Starts a tool whose output LaTeX reads back, remembering that output.
  void StartTool(Stage stage, const std::string& output);

  std::string texFile_;
  Toolchain tools_;
  bool embedFonts_;
  FileReader read_;
  PlanCommands commands_;
  Stage stage_ = Stage::kLatex;
  int latexRuns_ = 1;
  Contents readBack_;                            // as the next LaTeX run finds them
  std::optional<std::string> bibliographyDone_;  // the request BibTeX last answered
  std::optional<std::string> indexDone_;         // the .idx mendex last read
  std::string toolOutput_;                       // of BibTeX or mendex, while it runs
  std::string toolOutputBefore_;
  bool rerunNeeded_ = false;
  std::string rerunCause_;
  Failure failure_;
};

// Warnings of references and citations left undefined, in any package's words.
int CountUndefinedReferences(const LogSummary& log);

// Whether a dvipdfmx map (the system's kanjix.map) names a font file for
// the engine's Japanese Mincho face, that is whether its PDFs get Japanese
// fonts embedded without our own map.
bool MapEmbedsJapaneseFonts(std::string_view map, Engine engine);

}  // namespace zumoku::typeset
