#include "app/desktop/file_dialog.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>

#include "modal_script.h"

namespace zumoku::test {

// The file types as the dialog lists them, the selected one first.
QStringList ShownTypes(QFileDialog* dialog) {
  QStringList shown;
  const auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  if (combo == nullptr) return shown;
  shown << combo->currentText();
  for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
  return shown;
}

class FileDialog : public ::testing::Test {
 protected:
  QTemporaryDir folder;
  QString Path(const QString& name) { return folder.filePath(name); }
  void Touch(const QString& name) {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
};

TEST_F(FileDialog, OpenDialogOffersItsListAndStartsWithThePresetName) {
  Touch(QStringLiteral("論文.tex"));
  ModalScript script({[&](QDialog* dialog) {
    auto* files = qobject_cast<QFileDialog*>(dialog);
    ASSERT_NE(files, nullptr);
    EXPECT_EQ(files->objectName(), QStringLiteral("OpenDialog1"));
    EXPECT_EQ(files->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(ShownTypes(files),
              (QStringList{QStringLiteral("テキスト系ファイル（*.tex;*.txt;*.dat）"),
                           QStringLiteral("テキスト系ファイル（*.tex;*.txt;*.dat）"),
                           QStringLiteral("TeXファイル（*.tex）"), QStringLiteral("テキストファイル（*.txt）"),
                           QStringLiteral("データファイル（*.dat）"), QStringLiteral("任意ファイル（*.*）")}));
    // Qt reads the patterns from the bracketed tail.
    EXPECT_EQ(files->nameFilters().front(),
              QStringLiteral("テキスト系ファイル（*.tex;*.txt;*.dat） (*.tex *.txt *.dat)"));
    EXPECT_EQ(files->selectedFiles(), QStringList{Path(QStringLiteral("論文.tex"))});
    dialog->accept();
  }});
  EXPECT_EQ(ChooseFile(nullptr, QFileDialog::AcceptOpen, kOpenFileTypes, Path(QStringLiteral("論文.tex"))),
            Path(QStringLiteral("論文.tex")));
}

TEST_F(FileDialog, SaveDialogOffersItsOwnList) {
  ModalScript script({[&](QDialog* dialog) {
    auto* files = qobject_cast<QFileDialog*>(dialog);
    EXPECT_EQ(files->objectName(), QStringLiteral("SaveDialog1"));
    EXPECT_EQ(files->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(ShownTypes(files),
              (QStringList{QStringLiteral("テキスト系ファイル（*.txt;*.tex;*.dat）"),
                           QStringLiteral("テキスト系ファイル（*.txt;*.tex;*.dat）"),
                           QStringLiteral("TeXファイル（*.tex）"), QStringLiteral("テキストファイル（*.txt）"),
                           QStringLiteral("datファイル（*.dat）"), QStringLiteral("全てのファイル（*.*）")}));
    files->reject();
  }});
  EXPECT_EQ(ChooseFile(nullptr, QFileDialog::AcceptSave, kSaveFileTypes, QString()), std::nullopt);
}

TEST_F(FileDialog, SaveDialogAddsNoExtensionAndAsksNothingAboutExistingFiles) {
  Touch(QStringLiteral("exists.tex"));
  ModalScript script({Choose(Path(QStringLiteral("plain"))), Choose(Path(QStringLiteral("exists.tex")))});
  EXPECT_EQ(ChooseFile(nullptr, QFileDialog::AcceptSave, kSaveFileTypes, QString()), Path(QStringLiteral("plain")));
  EXPECT_EQ(ChooseFile(nullptr, QFileDialog::AcceptSave, kSaveFileTypes, QString()),
            Path(QStringLiteral("exists.tex")));
}

}  // namespace zumoku::test
