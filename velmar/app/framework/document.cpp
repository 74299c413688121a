#include "framework/document.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

#include "framework/view.h"

namespace velmar {

QString UntitledTitle() { return QStringLiteral("Untitled"); }

Document::~Document() {
  for (View* view : views_) view->document_ = nullptr;
}

void Document::SetPathName(const QString& path) {
  pathName_ = QFileInfo(path).absoluteFilePath();
  title_ = QFileInfo(path).fileName();
}

void Document::AddView(View* view) {
  if (view->document_ != nullptr) view->document_->RemoveView(view);
  views_.push_back(view);
  view->document_ = this;
}

void Document::RemoveView(View* view) {
  views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
  if (view->document_ == this) view->document_ = nullptr;
}

void Document::UpdateAllViews(View* sender, qintptr hint, QObject* hintObject) {
  for (View* view : views_) {
    if (view != sender) view->OnUpdate(sender, hint, hintObject);
  }
}

bool Document::OnNewDocument() {
  pathName_.clear();
  title_ = UntitledTitle();
  return true;
}

FileError Document::OnOpenDocument(const QString& path) {
  QFile file(path);
  if (!QFileInfo::exists(path)) {
    return QStringLiteral("Cannot open %1.\nThe file no longer exists.").arg(path);
  }
  if (!file.open(QIODevice::ReadOnly)) {
    return QStringLiteral("Cannot open %1.\n%2").arg(path, file.errorString());
  }
  Load(file);
  return std::nullopt;
}

FileError Document::OnSaveDocument(const QString& path) {
  // Written through a temporary file, so a failure leaves whatever was there.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return QStringLiteral("Cannot save %1.\n%2").arg(path, file.errorString());
  }
  Store(file);
  if (!file.commit()) {
    return QStringLiteral("Cannot save %1.\n%2").arg(path, file.errorString());
  }
  return std::nullopt;
}

void Document::Store(QIODevice&) {}

void Document::Load(QIODevice&) {}

}  // namespace velmar
