#include "framework/messagebox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <utility>

namespace velmar {

namespace {

MessageHook& InstalledHook() {
  static MessageHook hook;
  return hook;
}

}  // namespace

MessageHook SetMessageHook(MessageHook hook) {
  return std::exchange(InstalledHook(), std::move(hook));
}

void ShowMessage(QWidget* owner, const QString& text, MessageIcon icon) {
  const Message message{QCoreApplication::applicationName(), text, icon};
  if (InstalledHook()) {
    InstalledHook()(message);
    return;
  }
  QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                  message.caption, message.text, QMessageBox::Ok, owner);
  box.exec();
}

}  // namespace velmar
