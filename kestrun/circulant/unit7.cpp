#include "unit7.h"

#include "circulant_drawing.h"
#include "circulant_graph.h"
#include "circulant_series.h"
#include "forms/forms.h"

namespace kestrun {

namespace {

QStringList ItemTexts() {
  QStringList items;
  for (const CirculantCount& count : kCirculantCounts) items << QString::fromUtf8(count.itemText);
  return items;
}

}  // namespace

TForm7::TForm7()
    : Form(QStringLiteral("Циркулянта {N; 1, 3, 11, 13, 17}"), QRect(175, 90, 495, 411)) {
  Label1 = new Label(this, QString(), QRect(8, 8, 11, 13), {0, true, true, {}});
  Bevel1 = MakeBevel(this, QRect(104, 24, 377, 353));
  Image1 = new Image(this, QRect(112, 32, kCirculantImageWidth, kCirculantImageHeight));
  Exit = MakeButton(this, QStringLiteral("Назад"), QRect(8, 272, 89, 25));
  RadioGroup1 =
      new RadioGroup(this, QStringLiteral("Выберите N"), ItemTexts(), QRect(8, 56, 89, 137));
  Next = MakeButton(this, QStringLiteral("График D/AveD"), QRect(8, 248, 89, 25));
  SetTabOrder({Exit, RadioGroup1, Next});

  connect(Exit, &QPushButton::clicked, this, &TForm7::ExitClick);
  connect(Next, &QPushButton::clicked, this, &TForm7::NextClick);
  connect(RadioGroup1, &RadioGroup::Click, this, &TForm7::RadioGroup1Click);
}

void TForm7::FormActivate() {
  RadioGroup1->SetItemIndex(-1);
  Canvas& canvas = Image1->canvas();
  canvas.SetBrushColor(kWhite);
  canvas.SetPenColor(kBlack);
  canvas.FillRect(0, 0, kCirculantImageWidth, kCirculantImageHeight);
  ResetCirculantGenerators();
}

void TForm7::RadioGroup1Click() {
  const int k = RadioGroup1->ItemIndex();
  if (k < 0 || k >= static_cast<int>(kCirculantCounts.size())) return;
  const CirculantCount& count = kCirculantCounts[k];
  Label1->SetCaption(QString::fromUtf8(count.labelText));
  DrawCirculant(Image1->canvas(), count.n, CirculantGenerators);
}

void TForm7::ExitClick() { SwitchForm(this, Form1); }

void TForm7::NextClick() {
  FillCirculantSeries();
  SwitchForm(this, Form9);
}

}  // namespace kestrun
