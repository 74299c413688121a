#include <QApplication>

#include "platformchoice.h"
#include "velmar.h"

int main(int argc, char* argv[]) {
  velmar::PreferXWayland(argc, argv);
  QApplication application(argc, argv);
  CVelmarApp::SetApplicationNames();
  CVelmarApp theApp;
  switch (theApp.InitInstance(QApplication::arguments())) {
    case CVelmarApp::StartResult::Run:
      return QApplication::exec();
    case CVelmarApp::StartResult::Done:
      return 0;
    case CVelmarApp::StartResult::Failed:
      break;
  }
  return 1;
}
