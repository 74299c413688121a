#include "framework/recentfilelist.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <utility>

namespace velmar {

namespace {

QString EntryKey(int index) { return QStringLiteral("File%1").arg(index + 1); }

}  // namespace

bool IsListablePath(const QString& path) {
  if (path.isEmpty() || !QDir::isAbsolutePath(path)) return false;
  return !path.contains(QChar::ReplacementCharacter) && !path.contains(QChar::Null);
}

RecentFileList::RecentFileList(int capacity, QString section)
    : capacity_(capacity), section_(std::move(section)) {}

void RecentFileList::ReadList() {
  QSettings settings;
  settings.beginGroup(section_);
  entries_.clear();
  for (int i = 0; i < capacity_; ++i) {
    const QString path = settings.value(EntryKey(i)).toString();
    if (IsListablePath(path) && !entries_.contains(path)) entries_.append(path);
  }
}

bool RecentFileList::WriteList() const {
  QSettings settings;
  settings.remove(section_);
  settings.beginGroup(section_);
  for (int i = 0; i < entries_.size(); ++i) settings.setValue(EntryKey(i), entries_[i]);
  settings.endGroup();
  settings.sync();
  return settings.status() == QSettings::NoError;
}

QString RecentFileList::SettingsFileName() { return QSettings().fileName(); }

void RecentFileList::Add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  entries_.removeAll(absolute);
  entries_.prepend(absolute);
  while (entries_.size() > capacity_) entries_.removeLast();
}

void RecentFileList::Remove(int index) {
  if (index >= 0 && index < entries_.size()) entries_.removeAt(index);
}

}  // namespace velmar
