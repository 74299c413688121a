#include "unit5.h"

#include "core/diameter_series.h"
#include "forms/forms.h"
#include "gencube.h"
#include "gencube_series.h"
#include "mykub.h"

namespace kestrun {

namespace {

QStringList ItemTexts() {
  QStringList items;
  for (const GenCubeConfig& config : kGenCubeConfigs) items << QString::fromUtf8(config.itemText);
  return items;
}

}  // namespace

TForm5::TForm5() : Form(QStringLiteral("КС типа обобщенный 3D куб"), QRect(114, 184, 465, 370)) {
  Label1 = new Label(this, QString(), QRect(8, 8, 11, 13), {0, true, true, {}});
  Bevel1 = MakeBevel(this, QRect(104, 24, 345, 305));
  Image1 = new Image(this, QRect(112, 32, kCubeImageWidth, kCubeImageHeight));
  Label2 = new Label(this, QStringLiteral("Декартовы"), QRect(8, 104, 58, 13));
  Label3 = new Label(this, QStringLiteral("произведения"), QRect(8, 120, 72, 13));
  Button1 = MakeButton(this, QStringLiteral("Назад"), QRect(8, 304, 89, 25));
  Next = MakeButton(this, QStringLiteral("График D/AveD"), QRect(8, 280, 89, 25));
  Tab = new StringGrid(this, QRect(8, 136, 89, 137), 5, 5, 15, 15);
  RadioGroup1 =
      new RadioGroup(this, QStringLiteral("Выберите N"), ItemTexts(), QRect(8, 32, 81, 65));
  SetTabOrder({Button1, Next, Tab, RadioGroup1});

  connect(Button1, &QPushButton::clicked, this, &TForm5::Button1Click);
  connect(Next, &QPushButton::clicked, this, &TForm5::NextClick);
  connect(RadioGroup1, &RadioGroup::Click, this, &TForm5::RadioGroup1Click);
}

void TForm5::FormActivate() {
  Image1->canvas().SetBrushColor(kWhite);
  Image1->canvas().SetPenColor(kBlack);
}

void TForm5::RadioGroup1Click() {
  const int k = RadioGroup1->ItemIndex();
  if (k < 0 || k >= static_cast<int>(kGenCubeConfigs.size())) return;
  const GenCubeConfig& config = kGenCubeConfigs[k];

  ClearCubeImage(Image1->canvas());
  Tab->SetColCount(4);
  Label1->SetCaption(QString::fromUtf8(config.labelText));
  FillTab(config);
  DrawGenCube(Image1->canvas(), config, LastKub);
}

void TForm5::FillTab(const GenCubeConfig& config) {
  Tab->SetRowCount(config.n + 1);
  const auto rows = TabRows(config);
  for (int r = 1; r <= config.n; ++r) {
    for (int col = 0; col < 4; ++col) {
      Tab->SetCell(col, r, QString::fromStdString(rows[r - 1][col]));
    }
  }
}

void TForm5::Button1Click() { SwitchForm(this, Form1); }

void TForm5::NextClick() {
  FillGenCubeSeries();
  SwitchForm(this, Form6);
}

}  // namespace kestrun
