// Ties the one document, the one main window and the one view together for
// the whole run: New and Open reuse them, and the window's caption follows
// the document's title.
#pragma once

#include <QString>

#include "framework/document.h"

class QWidget;

namespace velmar {

class View;

class SingleDocTemplate {
 public:
  SingleDocTemplate(Document& document, QWidget& frame, View& view, QString appTitle);

  Document& GetDocument() const { return document_; }

  void NewDocument();
  // On failure nothing changes: title, path and views stay as they were.
  FileError OpenDocumentFile(const QString& path);
  FileError SaveDocumentAs(const QString& path);

  // "<document title> - <application title>".
  QString FrameTitle() const;

 private:
  void UpdateFrameTitle();

  Document& document_;
  QWidget& frame_;
  View& view_;
  QString appTitle_;
};

}  // namespace velmar
