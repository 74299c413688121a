#include "unit1.h"

#include "core/projection.h"
#include "forms/forms.h"

namespace kestrun {

TForm1::TForm1() : Form(QStringLiteral("ЛР №2"), QRect(245, 205, 304, 192)) {
  const LabelLook heading{13, false, true, QColor(255, 0, 0)};
  Label1 = new Label(this, QStringLiteral("Сравнительная оценка параметров "),
                     QRect(32, 8, 245, 16), heading);
  Label2 = new Label(this, QStringLiteral("n-мерных КС типа гиперкуб, тор и циркулянт"),
                     QRect(0, 24, 296, 16), heading);
  RadioGroup1 =
      new RadioGroup(this, QStringLiteral("Тип КС"),
                     {QStringLiteral("двоичный гиперкуб"), QStringLiteral("обобщенный гиперкуб"),
                      QStringLiteral("циркулянта")},
                     QRect(16, 56, 153, 81));
  Next = MakeButton(this, QStringLiteral("Далее"), QRect(200, 88, 75, 25));
  Exit = MakeButton(this, QStringLiteral("Выход"), QRect(200, 112, 75, 25));
  SetTabOrder({RadioGroup1, Next, Exit});

  connect(RadioGroup1, &RadioGroup::Click, this, &TForm1::RadioGroup1Click);
  connect(Next, &QPushButton::clicked, this, &TForm1::NextClick);
  connect(Exit, &QPushButton::clicked, this, &TForm1::ExitClick);
}

void TForm1::FormActivate() {
  Next->setEnabled(false);
  RadioGroup1->SetItemIndex(-1);
  ComputeProjectionConstants();
}

void TForm1::RadioGroup1Click() { Next->setEnabled(true); }

void TForm1::NextClick() {
  Form* target = nullptr;
  switch (RadioGroup1->ItemIndex()) {
    case 0:
      target = Form2;
      break;
    case 1:
      target = Form5;
      break;
    case 2:
      target = Form7;
      break;
    default:
      return;
  }
  // Without its windows (before start-up has created them) the chooser stays
  // as it is rather than hiding the only visible window.
  if (!target) return;
  // Showing the next window before hiding this one keeps a window of the
  // program on screen throughout.
  target->Show();
  Hide();
}

void TForm1::ExitClick() {
  Hide();
  close();
}

}  // namespace kestrun
