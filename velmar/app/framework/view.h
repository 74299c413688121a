// A view shows one document and is told when the document changes.
#pragma once

#include <QtGlobal>

class QObject;

namespace velmar {

class Document;

class View {
 public:
  virtual ~View();

  Document* GetDocument() const { return document_; }

  // The update handler with no sender and no hint, run once a document has
  // been made or opened.
  virtual void OnInitialUpdate();
  virtual void OnUpdate(View* sender, qintptr hint, QObject* hintObject) = 0;

 private:
  friend class Document;
  Document* document_ = nullptr;
};

}  // namespace velmar
