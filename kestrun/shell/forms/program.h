// Program-wide services behind seams: the general error handler's message box
// and the end of the program. Tests replace both to observe them.
#pragma once

#include <QString>
#include <functional>

namespace kestrun {

using MessageSink = std::function<void(const QString&)>;
using QuitHandler = std::function<void()>;

// Shows an error in a message box (or hands it to the installed sink).
void ShowErrorMessage(const QString& text);
// Installs a sink; an empty one restores the message box. Returns the old one.
MessageSink SetMessageSink(MessageSink sink);

// Ends the event loop (or calls the installed handler).
void QuitProgram();
QuitHandler SetQuitHandler(QuitHandler handler);

}  // namespace kestrun
