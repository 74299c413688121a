#include "unit2.h"

#include "forms/conversion.h"
#include "forms/forms.h"
#include "forms/program.h"
#include "hypercube.h"
#include "hypercube_layout.h"
#include "hypercube_series.h"

namespace kestrun {
namespace {

constexpr int kImageWidth = 417;
constexpr int kImageHeight = 353;

QString CountOutOfRangeMessage(int n) {
  return QStringLiteral("Количество вершин %1 недопустимо: гиперкуб строится для 1..%2 вершин")
      .arg(n)
      .arg(hypercube::kMaxVertices);
}

}  // namespace

TForm2::TForm2()
    : Form(QStringLiteral("КС типа n-мерный двоичный гиперкуб"), QRect(141, 90, 580, 419)) {
  Label1 = new Label(this, QStringLiteral("Количество вершин"), QRect(8, 24, 100, 13));
  ComboBox1 = new ComboBox(this, {"2", "4", "8", "16", "32"}, QRect(8, 40, 113, 21));
  Draw = MakeButton(this, QStringLiteral("Построить"), QRect(8, 80, 89, 25));
  Diam = MakeButton(this, QStringLiteral("График D/AveD"), QRect(8, 104, 89, 25));
  Label2 = new Label(this, QStringLiteral("Вершины"), QRect(8, 168, 47, 13));
  StringGrid1 = new StringGrid(this, QRect(8, 184, 113, 153), 5, 5, 15, 15);
  Exit = MakeButton(this, QStringLiteral("Назад"), QRect(8, 352, 75, 25));
  Bevel1 = MakeBevel(this, QRect(136, 8, 433, 369));
  Image1 = new Image(this, QRect(144, 16, kImageWidth, kImageHeight));
  SetTabOrder({Exit, ComboBox1, Draw, Diam, StringGrid1});

  connect(ComboBox1, &ComboBox::Click, this, &TForm2::ComboBox1Click);
  connect(Draw, &QPushButton::clicked, this, &TForm2::DrawClick);
  connect(Diam, &QPushButton::clicked, this, &TForm2::DiamClick);
  connect(Exit, &QPushButton::clicked, this, &TForm2::ExitClick);
}

void TForm2::FormActivate() {
  if (ComboBox1->Text().isEmpty()) Draw->setEnabled(false);
  Image1->canvas().SetBrushColor(kWhite);
  Image1->canvas().SetPenColor(kBlack);
}

void TForm2::ComboBox1Click() { Draw->setEnabled(true); }

void TForm2::DrawClick() {
  Canvas& canvas = Image1->canvas();
  canvas.SetBrushColor(kWhite);
  canvas.FillRect(0, 0, kImageWidth, kImageHeight);
  canvas.SetPenColor(kBlack);

  const auto n = StrToInt(ComboBox1->Text());
  if (!n) return;
  // The codes have five digits and the tables room for 35 vertices: any other
  // count is refused before it reaches them, and the table stays as it was.
  if (*n < 1 || *n > hypercube::kMaxVertices) {
    ShowErrorMessage(CountOutOfRangeMessage(*n));
    return;
  }
  hypercube::VertexCodes codes{};
  hypercube::Matrix adjacency{};
  hypercube::FillVertexCodes(codes, *n);
  Tabulate(*n, codes);
  hypercube::FillAdjacency(codes, *n, adjacency);
  hypercube::DrawHypercube(canvas, *n, adjacency);
}

void TForm2::Tabulate(int n, const hypercube::VertexCodes& codes) {
  StringGrid1->SetRowCount(n + 1);
  StringGrid1->SetColCount(hypercube::kDigits + 1);
  for (int v = 0; v < n; ++v) {
    StringGrid1->SetCell(0, v + 1, QString::number(v));
    for (int c = 1; c <= hypercube::kDigits; ++c) {
      StringGrid1->SetCell(c, v + 1, QString::number(codes[v][c - 1]));
    }
  }
}

void TForm2::DiamClick() {
  hypercube::ComputeHypercubeSeries(HypercubeSeries);
  SwitchForm(this, Form3);
}

void TForm2::ExitClick() { SwitchForm(this, Form1); }

}  // namespace kestrun
