// Small pieces several velmar test suites need: a file with given content,
// settings kept away from the user's own, a circulant stored in a document
// and the page count of a printed PDF.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <variant>

#include "circulant.h"
#include "velmardoc.h"

namespace velmar::test {

inline bool WriteFile(const QString& path, const QByteArray& content) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Every QSettings of this process reads and writes below `folder`.
inline void IsolateSettings(const QString& folder) {
  QStandardPaths::setTestModeEnabled(true);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

// Stores the circulant as a successful build in the dialog does, without
// updating the views.
inline void StoreCirculant(CVelmarDoc& document, const char* vertices, const char* generators) {
  const auto model = std::get<CirculantModel>(BuildCirculant(vertices, generators));
  document.SetVertexCount(model.vertexCount);
  document.AllocateMatrix();
  document.CopyMatrix(model.adjacency);
}

inline int CountPdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QString content = QString::fromLatin1(file.readAll());
  return static_cast<int>(content.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

}  // namespace velmar::test
