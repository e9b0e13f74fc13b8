#include "app/desktop/file_dialog.h"

namespace zumoku {

QStringList NameFilters(std::span<const FileType> types) {
  QStringList filters;
  for (const FileType& type : types) {
    const QString patterns = QString::fromUtf8(type.patterns.data(), type.patterns.size()).replace(u';', u' ');
    filters << QString::fromUtf8(type.description.data(), type.description.size()) + QStringLiteral(" (") + patterns +
                   u')';
  }
  return filters;
}

std::optional<QString> ChooseFile(QWidget* parent, QFileDialog::AcceptMode mode, std::span<const FileType> types,
                                  const QString& presetName, const QString& folder) {
  const bool opening = mode == QFileDialog::AcceptOpen;
  QFileDialog dialog(parent, opening ? QStringLiteral("開く") : QStringLiteral("名前を付けて保存"));
  dialog.setObjectName(opening ? QStringLiteral("OpenDialog1") : QStringLiteral("SaveDialog1"));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(opening ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  // The program asks its own overwrite question; the descriptions already
  // show their patterns.
  dialog.setOptions(QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails);
  dialog.setNameFilters(NameFilters(types));
  if (!folder.isEmpty()) dialog.setDirectory(folder);
  if (!presetName.isEmpty()) dialog.selectFile(presetName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

}  // namespace zumoku
