#include "new_document/new_document.h"

#include <optional>
#include <variant>
#include <vector>

#include "encoding/transcode.h"

namespace zumoku {

namespace {
// The template's lines; the fields come from the settings files, which are
// Shift_JIS.
std::vector<std::string> TemplateLines(const NewDocumentTemplate& fields) {
  std::vector<std::string> lines = {fields.ClassLine, fields.PreambleText, "\\begin{document}"};
  if (!fields.TitleBlock.empty()) lines.push_back(fields.TitleBlock);
  lines.insert(lines.end(), {"\r\n", "\\end{document}"});
  return lines;
}

std::optional<std::vector<std::string>> Converted(std::vector<std::string> lines, Encoding encoding) {
  for (std::string& line : lines) {
    auto converted = Transcode(line, Encoding::kShiftJis, encoding);
    if (!std::holds_alternative<std::string>(converted)) return std::nullopt;
    line = std::get<std::string>(std::move(converted));
  }
  return lines;
}
}  // namespace

void NewDocument(Document& document, EditBuffer& buffer, SettingsFiles& files, const NewDocumentTemplate& fields,
                 const ShowSettingsDialog& showDialog) {
  if (!document.MayReplaceText()) return;
  const auto loaded = files.Load();
  if (!loaded) return;
  showDialog(*loaded);
  WriteTemplate(buffer, fields, document.NewDocumentFormat().encoding);
  document.AdoptNewDocument();
}

void WriteTemplate(EditBuffer& buffer, const NewDocumentTemplate& fields, Encoding encoding) {
  std::vector<std::string> lines = TemplateLines(fields);
  // Bytes of a field that are no character keep the document in the
  // settings' own encoding.
  if (auto converted = Converted(lines, encoding)) {
    lines = std::move(*converted);
  } else {
    encoding = Encoding::kShiftJis;
  }
  buffer.Load("", encoding);
  buffer.SetModified(false);
  EditLines& editLines = buffer.Lines();
  editLines.BeginUpdate();
  for (const std::string& line : lines) editLines.Add(line);
  editLines.EndUpdate();
}

}  // namespace zumoku
