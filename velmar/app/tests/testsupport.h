// Small pieces several velmar test suites need: a file with given content,
// settings kept away from the user's own, a circulant stored in a document,
// the page count of a printed PDF, and a theme's palette with the contrast
// of colours on it.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QPalette>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <algorithm>
#include <cmath>
#include <variant>

#include "circulant.h"
#include "velmardoc.h"

namespace velmar::test {

// The application palette of a desktop theme with the given ground and white
// text, for the life of the object; the palette before it comes back after.
class DesktopPalette {
 public:
  explicit DesktopPalette(const QColor& ground) : saved_(QApplication::palette()) {
    QPalette dark = saved_;
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
      dark.setColor(role, ground);
    }
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
      dark.setColor(role, Qt::white);
    }
    QApplication::setPalette(dark);
  }
  ~DesktopPalette() { QApplication::setPalette(saved_); }
  DesktopPalette(const DesktopPalette&) = delete;
  DesktopPalette& operator=(const DesktopPalette&) = delete;

 private:
  QPalette saved_;
};

// From 1 to 21, as the web's accessibility guidelines measure contrast.
inline double ContrastRatio(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto linear = [](double v) {
      return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

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
