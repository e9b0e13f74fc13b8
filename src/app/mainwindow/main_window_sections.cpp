// The section manager's entry of the text context menu: the heads of the
// whole paper when the document belongs to one.
#include "app/dialogs/section_manager.h"
#include "app/mainwindow/main_window.h"
#include "paper/paper_files.h"

namespace zumoku {

namespace {
QString FromUtf8(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

TSectionManager::Paper TForm1::SectionPaper() {
  const paper::Paper read = paper::ReadPaper(
      files_, KnownRootPath().toStdString(),
      paper::OpenText{
          .path = document_->CurrentFileName(), .text = Buffer().Text(), .encoding = Buffer().TextEncoding()});
  TSectionManager::Paper paper;
  for (const paper::PaperFile& file : read.files) {
    paper.files.push_back(
        {FromUtf8(file.path), FromUtf8(file.name), file.text, file.encoding, file.parent, file.readAt});
  }
  for (const std::string& problem : read.problems) paper.problems << FromUtf8(problem);
  return paper;
}

void TForm1::N58Click() {
  TSectionManager::PaperAccess paper;
  if (!CurrentFileName().isEmpty()) {
    paper = {.documentPath = [this] { return CurrentFileName(); },
             .read = [this] { return SectionPaper(); },
             .open = [this](const QString& path) { return OpenPaperFile(path); }};
  }
  (new TSectionManager(*this, Buffer(), StatusWriter(), std::move(paper)))->show();
}

}  // namespace zumoku
