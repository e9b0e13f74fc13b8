// A paper of many files: "親ファイルを設定..." and "親ファイルを解除" in the
// typesetting menu, the root in status panel 4 and in the menu, and the root
// that "タイプセット" runs on, asked for once when several files read the
// document.
#include <QDesktopServices>
#include <QInputDialog>
#include <QMenu>
#include <QStatusBar>
#include <QUrl>

#include "app/desktop/error_box.h"
#include "app/desktop/file_dialog.h"
#include "app/mainwindow/main_window.h"
#include "app/widgets/menu_items.h"
#include "app/widgets/status_panel.h"
#include "encoding/codec.h"
#include "paper/named_file_at.h"
#include "paper/paper_paths.h"

namespace zumoku {

namespace {
QString FromUtf8(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

void TForm1::SetUpPaper(QMenu* typesetMenu) {
  typesetMenu->addSeparator()->setObjectName(QStringLiteral("RootSeparator1"));
  RootInfo1 = AddItem(typesetMenu, "RootInfo1", {});
  RootInfo1->setEnabled(false);
  connect(AddItem(typesetMenu, "SetRoot1", QStringLiteral("親ファイルを設定...")), &QAction::triggered, this,
          &TForm1::SetRoot1Click);
  ClearRoot1 = AddItem(typesetMenu, "ClearRoot1", QStringLiteral("親ファイルを解除"));
  connect(ClearRoot1, &QAction::triggered, this, &TForm1::ClearRoot1Click);
  rootPanel_ = new StatusPanel("StatusBar1Panel4", statusBar());
  statusBar()->addWidget(rootPanel_);
  connect(this, &QWidget::windowTitleChanged, this, &TForm1::ShowRoot);
  connect(typesetMenu, &QMenu::aboutToShow, this, &TForm1::ShowRoot);
  ShowRoot();
}

QString TForm1::ChosenRoot() const { return programSettings_->PaperRoot(CurrentFileName()); }

paper::Root TForm1::DocumentRoot(const std::string& text) {
  return paper::FindRoot(files_, {.documentPath = document_->CurrentFileName(),
                                  .text = text,
                                  .encoding = Buffer().TextEncoding(),
                                  .chosen = ChosenRoot().toStdString()});
}

void TForm1::ShowRoot() {
  QString caption;
  if (!CurrentFileName().isEmpty()) {
    const paper::Root root = DocumentRoot(Buffer().Text());
    if (!root.error.empty()) {
      caption = QStringLiteral("親: (使えません)");
    } else if (!root.candidates.empty()) {
      caption = QStringLiteral("親: (候補 %1 件)").arg(root.candidates.size());
    } else if (!root.IsDocument(document_->CurrentFileName())) {
      caption = QStringLiteral("親: ") + FromUtf8(paper::FileNameOf(root.path));
    }
  }
  rootPanel_->setText(caption);
  rootPanel_->setVisible(!caption.isEmpty());
  RootInfo1->setText(caption.isEmpty() ? QStringLiteral("親: この文書") : caption);
  ClearRoot1->setEnabled(!ChosenRoot().isEmpty());
}

void TForm1::SetRoot1Click() {
  if (CurrentFileName().isEmpty()) {
    SetStatusPanelText(0, QStringLiteral("親ファイルは文書を保存してから設定してください"));
    return;
  }
  const auto root = ChooseFile(this, QFileDialog::AcceptOpen, kOpenFileTypes, {},
                               FromUtf8(paper::FolderOf(document_->CurrentFileName())));
  if (!root) return;
  programSettings_->SetPaperRoot(CurrentFileName(), *root);
  ShowRoot();
}

void TForm1::ClearRoot1Click() {
  programSettings_->SetPaperRoot(CurrentFileName(), {});
  ShowRoot();
}

// Several files read the document: the user picks one, once.
paper::Root TForm1::ChooseRootAmong(const std::vector<std::string>& candidates, const std::string& text) {
  const std::string folder = paper::FolderOf(document_->CurrentFileName());
  QStringList names;
  for (const std::string& path : candidates) names << FromUtf8(paper::RelativeName(path, folder));
  bool chosen = false;
  const QString name = QInputDialog::getItem(
      this, QStringLiteral("親ファイルの選択"),
      QStringLiteral("この文書を読み込むファイルが複数あります。タイプセットするファイルを選んでください。"), names, 0,
      false, &chosen);
  if (!chosen) return {};
  programSettings_->SetPaperRoot(CurrentFileName(), FromUtf8(candidates[names.indexOf(name)]));
  return DocumentRoot(text);
}

std::optional<Typesetting::Target> TForm1::RootToTypeset() {
  const std::string text = Buffer().Text();
  paper::Root root = DocumentRoot(text);
  if (!root.candidates.empty()) root = ChooseRootAmong(root.candidates, text);
  ShowRoot();
  const paper::RootEncoding encoding =
      root.path.empty()
          ? paper::RootEncoding{}
          : paper::EncodingOfRoot(
                files_, root.path,
                {.documentPath = document_->CurrentFileName(), .text = text, .encoding = Buffer().TextEncoding()});
  const std::string error = root.error.empty() ? encoding.error : root.error;
  if (!error.empty()) {
    SetStatusPanelText(0, QStringLiteral("タイプセットしませんでした"));
    ShowErrorBox(this, FromUtf8(error));
  }
  if (root.path.empty() || !error.empty()) return std::nullopt;
  return Typesetting::Target{.path = FromUtf8(root.path), .encoding = encoding.encoding};
}

QString TForm1::KnownRootPath() {
  if (CurrentFileName().isEmpty()) return {};
  const paper::Root root = DocumentRoot(Buffer().Text());
  return root.path.empty() ? CurrentFileName() : FromUtf8(root.path);
}

bool TForm1::OpenPaperFile(const QString& path) {
  document_->OpenListedFile(path.toStdString());
  DocumentCommandDone();
  return CurrentFileName() == path;
}

void TForm1::OpenNamedFile1Click() {
  if (!OpenNamedFileAt(Buffer().SelStart()))
    SetStatusPanelText(0, QStringLiteral("カーソルの位置にファイル名を持つコマンドがありません"));
}

bool TForm1::OpenNamedFileAt(int offset) {
  const std::string text = Buffer().Text();
  const Encoding encoding = Buffer().TextEncoding();
  const auto named = paper::NamedFileAt(text, encoding, static_cast<std::size_t>(offset));
  if (!named) return false;
  const QString root = KnownRootPath();
  if (root.isEmpty()) {
    SetStatusPanelText(0, QStringLiteral("先に文書を保存してください"));
    return true;
  }
  const auto path = paper::FindNamedFile(files_, paper::FolderOf(root.toStdString()), *named, encoding);
  if (!path) {
    SetStatusPanelText(0, QStringLiteral("%1 が見つかりません").arg(codec::Decode(named->name, encoding)));
  } else if (named->kind == paper::NameKind::kGraphics || path->ends_with(".pdf")) {
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(FromUtf8(*path)))) {
      SetStatusPanelText(0, QStringLiteral("%1 を開くアプリケーションが見つかりません").arg(FromUtf8(*path)));
    }
  } else {
    OpenPaperFile(FromUtf8(*path));
  }
  return true;
}

}  // namespace zumoku
