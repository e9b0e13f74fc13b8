#include "setup/new_document.h"

namespace zumoku {

void NewDocument(Document& document, EditBuffer& buffer, SettingsFiles& files, const NewDocumentTemplate& fields,
                 const ShowSettingsDialog& showDialog) {
  if (!document.MayReplaceText()) return;
  const auto loaded = files.Load();
  if (!loaded) return;
  showDialog(*loaded);
  WriteTemplate(buffer, fields);
  document.AdoptNewDocument();
}

void WriteTemplate(EditBuffer& buffer, const NewDocumentTemplate& fields) {
  buffer.Clear();
  EditLines& lines = buffer.Lines();
  lines.BeginUpdate();
  lines.Add(fields.ClassLine);
  lines.Add(fields.PreambleText);
  lines.Add("\\begin{document}");
  if (!fields.TitleBlock.empty()) lines.Add(fields.TitleBlock);
  lines.Add("\r\n");
  lines.Add("\\end{document}");
  lines.EndUpdate();
}

}  // namespace zumoku
