#include "forms/program.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

namespace kestrun {
namespace {

MessageSink& Sink() {
  static MessageSink sink;
  return sink;
}

QuitHandler& Quit() {
  static QuitHandler handler;
  return handler;
}

}  // namespace

void ShowErrorMessage(const QString& text) {
  if (Sink()) {
    Sink()(text);
    return;
  }
  QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("kestrun"), text);
}

MessageSink SetMessageSink(MessageSink sink) { return std::exchange(Sink(), std::move(sink)); }

void QuitProgram() {
  if (Quit()) {
    Quit()();
    return;
  }
  QCoreApplication::quit();
}

QuitHandler SetQuitHandler(QuitHandler handler) {
  return std::exchange(Quit(), std::move(handler));
}

}  // namespace kestrun
