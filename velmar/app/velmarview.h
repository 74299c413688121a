// The main window's client area: the held circulant drawn as a ring, on a
// scrolling surface whose size depends on N alone. Printing and preview use
// the same drawing at one printer dot per unit.
#pragma once

#include "framework/scrollview.h"
#include "framework/view.h"

class CVelmarDoc;
class QPrinter;

class CVelmarView : public velmar::ScrollView, public velmar::View {
 public:
  explicit CVelmarView(QWidget* parent = nullptr);

  CVelmarDoc* GetDocument() const;

  void OnUpdate(velmar::View* sender, qintptr hint, QObject* hintObject) override;

  // The print dialog, then one page; nothing when the dialog is cancelled.
  // The printer carries the page set-up from one print to the next.
  void OnFilePrint(QPrinter& printer);
  void OnFilePrintPreview(QPrinter& printer);
  // One page on the given printer, no dialog; false when the printer could
  // not be started.
  bool PrintDirect(QPrinter& printer);

  // Draws the held circulant; shared by screen, printer and preview.
  void DrawPicture(velmar::Canvas& canvas) const;

 protected:
  void OnDraw(velmar::Canvas& canvas) override;
};
