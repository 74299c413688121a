// The most recently opened or saved files, latest first, kept in the
// application's settings so that they survive a restart.
#pragma once

#include <QString>
#include <QStringList>

namespace velmar {

class RecentFileList {
 public:
  explicit RecentFileList(int capacity, QString section = QStringLiteral("Recent File List"));

  void ReadList();
  void WriteList() const;

  // Moves an entry already present to the front instead of repeating it.
  void Add(const QString& path);
  void Remove(int index);

  const QStringList& Entries() const { return entries_; }

 private:
  int capacity_;
  QString section_;
  QStringList entries_;
};

}  // namespace velmar
