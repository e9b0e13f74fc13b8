#pragma once
// The commands of one typesetting run: platex, again while its log asks for
// a rerun (at most kMaxReruns more times), then dvipdfmx. The plan only
// decides; the runner starts the processes and reads the logs.
#include <optional>
#include <string>
#include <vector>

#include "typeset/log_parser.h"
#include "typeset/output_names.h"

namespace zumoku::typeset {

inline constexpr int kMaxReruns = 3;
// Harano Aji, which TeX Live ships; passed when the system's own map
// embeds no Japanese font.
inline constexpr const char* kEmbeddingMap = "ptex-haranoaji.map";

struct Command {
  std::string program;
  std::vector<std::string> arguments;

  bool operator==(const Command&) const = default;
};

enum class Stage { kPlatex, kDvipdfmx, kSucceeded, kFailed };

class RunPlan {
 public:
  // `texFile` is the document's name inside its folder, where the commands run.
  RunPlan(std::string texFile, bool embedFonts);

  Stage CurrentStage() const { return stage_; }
  // The command to run now; only in the platex and dvipdfmx stages.
  Command Current() const;
  int PlatexRuns() const { return platexRuns_; }

  // The current command ended; `log` is platex's log, read after it ended.
  void PlatexFinished(int exitCode, const LogSummary& log);
  void DvipdfmxFinished(int exitCode);

  const std::string& TexFile() const { return texFile_; }
  // What the commands write next to the document.
  std::string JobName() const { return JobNameOf(texFile_); }
  std::string LogFile() const { return JobName() + ".log"; }
  std::string PdfFile() const { return PdfFileOf(texFile_); }

 private:
  std::string texFile_;
  bool embedFonts_;
  Stage stage_ = Stage::kPlatex;
  int platexRuns_ = 1;
};

// Whether a dvipdfmx map (the system's kanjix.map) names a font file for
// the Japanese Mincho face, that is whether PDFs get Japanese fonts
// embedded without our own map.
bool MapEmbedsJapaneseFonts(std::string_view map);

}  // namespace zumoku::typeset
