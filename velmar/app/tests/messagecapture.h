// Collects the message boxes the code under test would show, so that none
// blocks the test and each can be checked.
#pragma once

#include <QList>

#include "framework/messagebox.h"

namespace velmar::test {

class MessageCapture {
 public:
  MessageCapture() {
    previous_ = SetMessageHook([this](const Message& message) { messages.append(message); });
  }
  ~MessageCapture() { SetMessageHook(previous_); }
  MessageCapture(const MessageCapture&) = delete;
  MessageCapture& operator=(const MessageCapture&) = delete;

  QStringList Texts() const {
    QStringList texts;
    for (const Message& message : messages) texts << message.text;
    return texts;
  }

  QList<Message> messages;

 private:
  MessageHook previous_;
};

}  // namespace velmar::test
