#include "forms/forms.h"

namespace kestrun {

Form* Form1 = nullptr;
Form* Form2 = nullptr;
Form* Form3 = nullptr;
Form* Form5 = nullptr;
Form* Form6 = nullptr;
Form* Form7 = nullptr;
Form* Form9 = nullptr;

void SwitchForm(Form* from, Form* to) {
  if (from) from->Hide();
  if (to) to->Show();
}

}  // namespace kestrun
