// The most recently opened or saved files, latest first, kept in the
// application's settings so that they survive a restart.
#pragma once

#include <QString>
#include <QStringList>

namespace velmar {

// A text that can name a file in the list: absolute, without characters that
// no file name holds, and without the marks of undecodable bytes.
bool IsListablePath(const QString& path);

class RecentFileList {
 public:
  explicit RecentFileList(int capacity, QString section = QStringLiteral("Recent File List"));

  // Entries that are not absolute file names (empty, relative, or text that
  // was not valid UTF-8 in the settings file) are left out.
  void ReadList();
  // False when the settings file could not be written (a read-only folder, a
  // full disk); the list in memory is kept either way.
  bool WriteList() const;
  // Where the list is kept, for messages.
  static QString SettingsFileName();

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
