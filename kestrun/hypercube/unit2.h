// The binary hypercube window: builds, tabulates and draws the hypercube for a
// chosen vertex count, and leads on to its D/AveD chart.
#pragma once

#include <QPushButton>

#include "forms/combobox.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/stringgrid.h"
#include "hypercube.h"

namespace kestrun {

class TForm2 : public Form {
 public:
  TForm2();

  Label* Label1;
  ComboBox* ComboBox1;
  QPushButton* Draw;
  QPushButton* Diam;
  Label* Label2;
  StringGrid* StringGrid1;
  QPushButton* Exit;
  QFrame* Bevel1;
  Image* Image1;

  void DrawClick();
  void DiamClick();
  void ExitClick();

 protected:
  void FormActivate() override;

 private:
  void ComboBox1Click();
  void Tabulate(int n, const hypercube::VertexCodes& codes);
};

}  // namespace kestrun
