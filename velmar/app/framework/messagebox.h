// Every message the program shows goes through here: a box with the
// application's title as caption and one OK button. Tests install a hook so
// that no box ever blocks them, and read what would have been shown.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace velmar {

enum class MessageIcon { None, Warning };

struct Message {
  QString caption;
  QString text;
  MessageIcon icon = MessageIcon::None;
};

using MessageHook = std::function<void(const Message&)>;
// Answers a Yes/No question in place of the user; true means Yes.
using QuestionHook = std::function<bool(const Message&)>;

// Returns the hook that was installed before.
MessageHook SetMessageHook(MessageHook hook);
QuestionHook SetQuestionHook(QuestionHook hook);

// Blocks until the user closes the box (unless a hook is installed).
void ShowMessage(QWidget* owner, const QString& text, MessageIcon icon = MessageIcon::None);

// A Yes/No box with No as the default; true when the user chose Yes.
bool AskYesNo(QWidget* owner, const QString& text);

}  // namespace velmar
