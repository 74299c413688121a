#include "velmarview.h"

#include <QPainter>
#include <QPalette>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "framework/messagebox.h"
#include "framework/paintercanvas.h"
#include "ringgeometry.h"
#include "velmardoc.h"

CVelmarView::CVelmarView(QWidget* parent) : velmar::ScrollView(parent) {
  // The ring's pen is black whatever the desktop's colours, so its ground is
  // the white of the page it prints on: the palette's base of a dark theme
  // would leave black lines on near black.
  QPalette page = viewport()->palette();
  page.setColor(QPalette::Base, Qt::white);
  viewport()->setPalette(page);
}

CVelmarDoc* CVelmarView::GetDocument() const {
  return dynamic_cast<CVelmarDoc*>(velmar::View::GetDocument());
}

void CVelmarView::OnUpdate(velmar::View*, qintptr, QObject*) {
  const CVelmarDoc* document = GetDocument();
  if (document == nullptr) return;
  const velmar::ScrollSizes sizes = velmar::RingScrollSizes(document->GetVertexCount());
  SetScrollSizes(QSize(sizes.total.width, sizes.total.height),
                 QSize(sizes.page.width, sizes.page.height),
                 QSize(sizes.line.width, sizes.line.height));
  viewport()->update();
}

void CVelmarView::OnDraw(velmar::Canvas& canvas) { DrawPicture(canvas); }

void CVelmarView::DrawPicture(velmar::Canvas& canvas) const {
  const CVelmarDoc* document = GetDocument();
  if (document == nullptr || document->GetVertexCount() == 0) return;
  const velmar::AdjacencyMatrix* held = document->GetMatrix();
  if (held == nullptr) return;
  // A private copy for this paint only: nothing is kept between paints.
  const velmar::AdjacencyMatrix copy = *held;
  velmar::DrawCirculant(canvas, copy);
}

bool CVelmarView::PrintDirect(QPrinter& printer) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  velmar::PainterCanvas canvas(painter);
  DrawPicture(canvas);
  return painter.end();
}

void CVelmarView::OnFilePrint(QPrinter& printer) {
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!PrintDirect(printer)) {
    velmar::ShowMessage(this, QStringLiteral("The picture could not be printed."),
                        velmar::MessageIcon::Warning);
  }
}

void CVelmarView::OnFilePrintPreview(QPrinter& printer) {
  QPrintPreviewDialog preview(&printer, this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* target) { PrintDirect(*target); });
  preview.exec();
}
