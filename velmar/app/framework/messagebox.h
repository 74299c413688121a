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

// Returns the hook that was installed before.
MessageHook SetMessageHook(MessageHook hook);

// Blocks until the user closes the box (unless a hook is installed).
void ShowMessage(QWidget* owner, const QString& text, MessageIcon icon = MessageIcon::None);

}  // namespace velmar
