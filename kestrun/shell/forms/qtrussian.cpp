#include "forms/qtrussian.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <clocale>

namespace kestrun {

bool InstallQtRussian() {
  static bool installed = false;
  if (installed) return true;
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  // The system's own reasons (strerror) follow the messages locale; the
  // numbers, dates and character set stay the user's.
  std::setlocale(LC_MESSAGES, "ru_RU.UTF-8");
  installed = true;
  return true;
}

QString SystemReason(const QString& reason) {
  // Qt reports the commonest reasons (no such file, permission denied, disk
  // full) in fixed English words that its catalogue translates; any other
  // comes from the C library already in the messages locale.
  return QCoreApplication::translate("QIODevice", reason.toUtf8().constData());
}

}  // namespace kestrun
