#include "app/typesetting/typeset_pdf_panel.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace zumoku {

namespace {
constexpr qreal kZoomStep = 1.25;
}  // namespace

PdfPanel::PdfPanel(QWidget* parent) : QWidget(parent), document_(new QPdfDocument(this)), view_(new PdfView(this)) {
  setObjectName(QStringLiteral("PdfPanel1"));
  view_->setDocument(document_);
  auto* tools = new QToolBar(this);
  tools->setObjectName(QStringLiteral("PdfToolBar1"));
  auto addAction = [&](const char* name, const QString& caption, const QKeySequence& keys, auto slot) {
    QAction* action = tools->addAction(caption, this, slot);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  };
  addAction("ZoomIn1", QStringLiteral("拡大"), QKeySequence::ZoomIn, [this] { Zoom(kZoomStep); });
  addAction("ZoomOut1", QStringLiteral("縮小"), QKeySequence::ZoomOut, [this] { Zoom(1 / kZoomStep); });
  addAction("FitWidth1", QStringLiteral("幅に合わせる"), QKeySequence(),
            [this] { view_->setZoomMode(QPdfView::ZoomMode::FitToWidth); });
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tools);
  layout->addWidget(view_, 1);
}

void PdfPanel::Zoom(qreal factor) {
  if (document_->pageCount() == 0) return;
  // From fit width on, zoom starts at the scale shown.
  const qreal current = view_->ShownZoom();
  view_->setZoomMode(QPdfView::ZoomMode::Custom);
  view_->setZoomFactor(std::clamp(current * factor, 0.1, 10.0));
}

void PdfPanel::Clear() {
  view_->ShowBoxes({}, false);
  document_->close();
  shown_.reset();
}

bool PdfPanel::Load(const QString& path) {
  QFile source(path);
  auto copy = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/zumoku-XXXXXX.pdf"));
  if (!source.open(QIODevice::ReadOnly) || !copy->open() || copy->write(source.readAll()) != source.size()) {
    return false;
  }
  copy->close();
  const int top = view_->verticalScrollBar()->value();
  const int left = view_->horizontalScrollBar()->value();
  if (document_->load(copy->fileName()) != QPdfDocument::Error::None) {
    if (shown_) document_->load(shown_->fileName());
    return false;
  }
  shown_ = std::move(copy);
  view_->verticalScrollBar()->setValue(top);

  view_->horizontalScrollBar()->setValue(left);
  return true;
}

}  // namespace zumoku
