#pragma once
// OpenDialog1 and SaveDialog1: a fresh file dialog for each use, starting
// with a preset name and the first file type of its list.
#include <QFileDialog>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>

#include "documents/file_types.h"

namespace zumoku {

// Qt's form of the file type list: "description (patterns)".
QStringList NameFilters(std::span<const FileType> types);

// The chosen full path; nullopt when cancelled. The Save dialog asks no
// overwrite question of its own and never adds an extension. A non-empty
// `folder` is where the dialog opens.
std::optional<QString> ChooseFile(QWidget* parent, QFileDialog::AcceptMode mode, std::span<const FileType> types,
                                  const QString& presetName, const QString& folder = {});

}  // namespace zumoku
