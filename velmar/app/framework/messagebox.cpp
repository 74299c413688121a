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

QuestionHook& InstalledQuestionHook() {
  static QuestionHook hook;
  return hook;
}

}  // namespace

QuestionHook SetQuestionHook(QuestionHook hook) {
  return std::exchange(InstalledQuestionHook(), std::move(hook));
}

bool AskYesNo(QWidget* owner, const QString& text) {
  const Message message{QCoreApplication::applicationName(), text, MessageIcon::Warning};
  if (InstalledQuestionHook()) return InstalledQuestionHook()(message);
  QMessageBox box(QMessageBox::Warning, message.caption, message.text,
                  QMessageBox::Yes | QMessageBox::No, owner);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

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
