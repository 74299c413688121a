// Qt's own dialogs and messages in Russian, like the rest of the program:
// the file dialogs, their replace confirmation, the standard buttons, and the
// reasons Qt gives when a file cannot be written.
#pragma once

#include <QString>

namespace kestrun {

// Loads Qt's Russian catalogue from the system's Qt translations, once, and
// asks the C library for its messages in Russian where that locale exists.
// False when the catalogue is missing: Qt then speaks English.
bool InstallQtRussian();

// A reason Qt reported for a failed file operation, in Russian as far as
// the catalogue and the system's messages go.
QString SystemReason(const QString& reason);

}  // namespace kestrun
