#include "forms/conversion.h"

#include <QByteArray>

#include "forms/program.h"

namespace kestrun {
namespace {

std::string_view View(const QByteArray& utf8) {
  return std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

}  // namespace

QString NotAnIntegerMessage(const QString& text) {
  return QString::fromStdString(NotAnIntegerText(View(text.toUtf8())));
}

std::optional<std::int32_t> StrToInt(const QString& text) {
  return ConvertInteger(View(text.toUtf8()), [](const std::string& message) {
    ShowErrorMessage(QString::fromStdString(message));
  });
}

}  // namespace kestrun
