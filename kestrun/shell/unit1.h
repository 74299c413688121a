// The first window: the choice of topology type, and the main window.
#pragma once

#include <QPushButton>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/radiogroup.h"

namespace kestrun {

class TForm1 : public Form {
 public:
  TForm1();

  Label* Label1;
  Label* Label2;
  RadioGroup* RadioGroup1;
  QPushButton* Next;
  QPushButton* Exit;

  void NextClick();
  void ExitClick();

 protected:
  // Starts every visit afresh: no type checked, "Далее" disabled.
  void FormActivate() override;

 private:
  void RadioGroup1Click();
};

}  // namespace kestrun
