#include "framework/singledoctemplate.h"

#include <QWidget>
#include <utility>

#include "framework/view.h"

namespace velmar {

SingleDocTemplate::SingleDocTemplate(Document& document, QWidget& frame, View& view,
                                     QString appTitle)
    : document_(document), frame_(frame), view_(view), appTitle_(std::move(appTitle)) {
  document_.AddView(&view_);
}

void SingleDocTemplate::NewDocument() {
  document_.OnNewDocument();
  view_.OnInitialUpdate();
  UpdateFrameTitle();
}

FileError SingleDocTemplate::OpenDocumentFile(const QString& path) {
  if (FileError error = document_.OnOpenDocument(path)) return error;
  document_.SetPathName(path);
  view_.OnInitialUpdate();
  UpdateFrameTitle();
  return std::nullopt;
}

FileError SingleDocTemplate::SaveDocumentAs(const QString& path) {
  if (FileError error = document_.OnSaveDocument(path)) return error;
  document_.SetPathName(path);
  UpdateFrameTitle();
  return std::nullopt;
}

QString SingleDocTemplate::FrameTitle() const {
  return document_.GetTitle() + QStringLiteral(" - ") + appTitle_;
}

void SingleDocTemplate::UpdateFrameTitle() { frame_.setWindowTitle(FrameTitle()); }

}  // namespace velmar
