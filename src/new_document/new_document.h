#pragma once
// New: a fresh LaTeX skeleton from the stored document settings, always
// through the document settings dialog.
#include <functional>

#include "buffer/edit_buffer.h"
#include "documents/document.h"
#include "new_document/document_settings.h"
#include "new_document/settings_files.h"

namespace zumoku {

// Shows the document settings dialog modally with the loaded settings and
// returns once it has closed; its OK fills the template fields.
using ShowSettingsDialog = std::function<void(const DocumentSettings& loaded)>;

// Asks before unsaved changes are lost, loads the settings, shows the
// dialog, then replaces the text with the template and names the document
// "NEW_File.tex". A refused question, a failed save or a settings file that
// cannot be read stops it with the text untouched.
void NewDocument(Document& document, EditBuffer& buffer, SettingsFiles& files, const NewDocumentTemplate& fields,
                 const ShowSettingsDialog& showDialog);

// The template appended line by line to a buffer emptied for a document in
// `encoding`; the caret ends at the very end.
void WriteTemplate(EditBuffer& buffer, const NewDocumentTemplate& fields, Encoding encoding);

}  // namespace zumoku
