#include <gtest/gtest.h>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>

#include "form_test.h"
#include "modal_script.h"

namespace zumoku::test {

namespace {
const std::string kText = "\\documentclass{jsarticle}\r\n\\begin{document}\r\n\\end{document}\r\n";
}  // namespace

class Form1Pictures : public FormTest {
 protected:
  Form1Pictures() {
    QFile file(Path("doc.tex"));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kText.data(), static_cast<qint64>(kText.size()));
    file.close();
    form.OpenFile(Path("doc.tex"));
    // Into the body, as the user places the caret before pasting.
    form.Buffer().SetSelStart(static_cast<int>(kText.find("\\end{document}")));
  }
  ~Form1Pictures() override { QGuiApplication::clipboard()->clear(); }

  QString Path(const char* name) { return folder.filePath(QString::fromUtf8(name)); }

  QTemporaryDir folder;
};

TEST_F(Form1Pictures, ClipboardImageBecomesAPngBesideTheDocument) {
  QImage image(4, 3, QImage::Format_RGB32);
  image.fill(Qt::red);
  QGuiApplication::clipboard()->setImage(image);
  ChooseInPopupMenu1("N53");

  EXPECT_EQ(QImage(Path("fig1.png")).size(), QSize(4, 3));
  const std::string text = form.Buffer().Text();
  EXPECT_NE(text.find("\\usepackage[dvipdfmx]{graphicx}\r\n\\begin{document}\r\n\\begin{figure}[htbp]"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("{fig1.png}\r\n"), std::string::npos) << text;
  // Below the block, which the package line above has moved down.
  EXPECT_EQ(form.Buffer().SelStart(), static_cast<int>(text.find("\\end{document}")));
  EXPECT_EQ(form.StatusPanelText(0), QStringLiteral("画像を fig1.png に保存しました"));
  // Figure and package line are one step.
  Trigger("N4");
  EXPECT_EQ(form.Buffer().Text(), kText);
}

TEST_F(Form1Pictures, WithoutAnImageTheOpenDialogStartsInTheDocumentsFolder) {
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("img")));
  QImage(2, 2, QImage::Format_RGB32).save(Path("img/plot.png"));
  QGuiApplication::clipboard()->setText(QStringLiteral("text, not a picture"));
  ModalScript script({[&](QDialog* dialog) {
    auto* files = qobject_cast<QFileDialog*>(dialog);
    ASSERT_NE(files, nullptr);
    EXPECT_EQ(files->objectName(), QStringLiteral("OpenDialog1"));
    EXPECT_EQ(files->directory().absolutePath(), QDir(folder.path()).absolutePath());
    EXPECT_EQ(files->nameFilters().front(),
              QStringLiteral("画像ファイル（*.png;*.jpg;*.jpeg;*.pdf;*.eps） (*.png *.jpg *.jpeg *.pdf *.eps)"));
    files->selectFile(Path("img/plot.png"));
    dialog->accept();
  }});
  ChooseInPopupMenu1("N53");
  EXPECT_NE(form.Buffer().Text().find("{img/plot.png}"), std::string::npos) << form.Buffer().Text();
}

}  // namespace zumoku::test
