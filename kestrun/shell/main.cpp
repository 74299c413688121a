// The wizard's main block: every window is created hidden, the first one is
// shown, and the program runs until that first window is closed.
#include <QApplication>

#include "core/platform_choice.h"
#include "forms/forms.h"
#include "forms/qtrussian.h"
#include "formset.h"

int main(int argc, char* argv[]) {
  kestrun::PreferXWayland(argc, argv);
  QApplication app(argc, argv);
  kestrun::InstallQtRussian();
  // Closing any other window only hides it; the first window alone ends the
  // program, and it does so itself.
  QApplication::setQuitOnLastWindowClosed(false);
  kestrun::FormSet forms;
  kestrun::Form1->Show();
  return QApplication::exec();
}
