#include "typeset/tool_log_parser.h"

#include <charconv>
#include <optional>

#include "encoding/line_ends.h"

namespace zumoku::typeset {

namespace {

int NumberAt(std::string_view text) {
  int number = 0;
  std::from_chars(text.data(), text.data() + text.size(), number);
  return number;
}

struct Place {
  int line = 0;
  std::string_view file;
};

// BibTeX ends a message with where it was: "---line 4 of file refs.bib",
// "--line 4 of file refs.bib" after a warning, "---while reading file
// doc.aux". `text` keeps the message before it.
std::optional<Place> TakePlace(std::string_view& text) {
  constexpr std::string_view kLine = "--line ", kOfFile = " of file ", kReading = "---while reading file ";
  Place place;
  if (const size_t at = text.find(kLine); at != std::string_view::npos) {
    const std::string_view rest = text.substr(at + kLine.size());
    const size_t of = rest.find(kOfFile);
    place = {NumberAt(rest), of == std::string_view::npos ? std::string_view() : rest.substr(of + kOfFile.size())};
    text = text.substr(0, at);
  } else if (const size_t reading = text.find(kReading); reading != std::string_view::npos) {
    place = {0, text.substr(reading + kReading.size())};
    text = text.substr(0, reading);
  } else {
    return std::nullopt;
  }
  while (text.ends_with('-')) text.remove_suffix(1);
  return place;
}

}  // namespace

LogSummary ParseBibtexLog(std::string_view blg) {
  constexpr std::string_view kWarning = "Warning--";
  LogSummary summary;
  std::string_view previous;
  bool previousWarned = false;
  while (!blg.empty()) {
    std::string_view line = TakeLoadedLine(blg);
    const bool warning = line.starts_with(kWarning);
    if (warning) line.remove_prefix(kWarning.size());
    const std::optional<Place> place = TakePlace(line);
    // A place on a line of its own tells where the message above it was.
    if (place && line.empty() && previousWarned) {
      summary.entries.back().line = place->line;
      summary.entries.back().file = place->file;
    } else if (place || warning) {
      summary.entries.push_back({warning ? EntryKind::kWarning : EntryKind::kError, place ? place->line : 0, false,
                                 std::string(line.empty() ? previous : line),
                                 std::string(place ? place->file : std::string_view())});
    }
    previous = line;
    previousWarned = warning;
  }
  return summary;
}

LogSummary ParseIndexLog(std::string_view ilg) {
  LogSummary summary;
  while (!ilg.empty()) {
    std::string_view line = TakeLoadedLine(ilg);
    LogEntry entry;
    if (line.starts_with("Error: ")) {
      line.remove_prefix(7);
    } else if (line.starts_with("Warning: ")) {
      line.remove_prefix(9);
      entry.kind = EntryKind::kWarning;
    } else {
      continue;
    }
    // "... in doc.idx, line 1." and, on the same line, what mendex did next.
    const size_t comma = line.rfind(", line ");
    const size_t in = comma == std::string_view::npos ? comma : line.rfind(" in ", comma);
    if (in != std::string_view::npos) {
      entry.file = line.substr(in + 4, comma - in - 4);
      entry.line = NumberAt(line.substr(comma + 7));
      line = line.substr(0, in);
    }
    entry.message = line;
    summary.entries.push_back(std::move(entry));
  }
  return summary;
}

}  // namespace zumoku::typeset
