#pragma once
// PdfDock1's contents: the PDF of the last good run in PdfView1, with zoom
// in, zoom out and fit width. A reload keeps the page, place and zoom.
#include <QPdfDocument>
#include <QTemporaryFile>
#include <QWidget>
#include <memory>

#include "app/typesetting/typeset_pdf_view.h"

namespace zumoku {

class PdfPanel : public QWidget {
  Q_OBJECT
 public:
  explicit PdfPanel(QWidget* parent = nullptr);

  // Shows the PDF at path; false (and the last PDF kept) when it cannot be read.
  bool Load(const QString& path);
  // Shows no PDF, as before the first run.
  void Clear();
  PdfView* View() const { return view_; }
  QPdfDocument* Document() const { return document_; }

 private:
  void Zoom(qreal factor);

  QPdfDocument* document_;
  PdfView* view_;
  // The view reads a private copy, so that the next run may rewrite the PDF.
  std::unique_ptr<QTemporaryFile> shown_;
};

}  // namespace zumoku
