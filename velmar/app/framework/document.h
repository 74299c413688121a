// The document half of document/view: a title, the file it belongs to, the
// views that show it, and hooks for new, open and save. Reading and writing a
// file are errors-as-values: a message for the user, or nothing on success.
#pragma once

#include <QString>
#include <optional>
#include <vector>

class QIODevice;
class QObject;

namespace velmar {

class View;

using FileError = std::optional<QString>;

class Document {
 public:
  Document() = default;
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;
  virtual ~Document();

  const QString& GetTitle() const { return title_; }
  void SetTitle(const QString& title) { title_ = title; }
  const QString& GetPathName() const { return pathName_; }
  // The title follows the file's name, without its folder.
  void SetPathName(const QString& path);

  void AddView(View* view);
  void RemoveView(View* view);
  // Every view's update handler has run when this returns.
  void UpdateAllViews(View* sender, qintptr hint = 0, QObject* hintObject = nullptr);

  // Back to an untitled document without a file. Content is the derived
  // class's business.
  virtual bool OnNewDocument();
  FileError OnOpenDocument(const QString& path);
  FileError OnSaveDocument(const QString& path);

 protected:
  virtual void Store(QIODevice& file);
  virtual void Load(QIODevice& file);

 private:
  QString title_;
  QString pathName_;
  std::vector<View*> views_;
};

// The title an untitled document shows.
QString UntitledTitle();

}  // namespace velmar
