// The generalized 3D cube window: pick N = 24, 27 or 30, see the vertex table
// and the grid drawn from cube glyphs, or go on to the D/AveD chart.
#pragma once

#include <QFrame>
#include <QPushButton>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/radiogroup.h"
#include "forms/stringgrid.h"

namespace kestrun {

struct GenCubeConfig;

class TForm5 : public Form {
 public:
  TForm5();

  Label* Label1;
  QFrame* Bevel1;
  Image* Image1;
  Label* Label2;
  Label* Label3;
  QPushButton* Button1;  // "Назад"
  QPushButton* Next;     // "График D/AveD"
  StringGrid* Tab;
  RadioGroup* RadioGroup1;

  // Only restores the drawing colours; what is shown stays as it was.
  void FormActivate() override;
  void RadioGroup1Click();
  void Button1Click();
  void NextClick();

 private:
  void FillTab(const GenCubeConfig& config);
};

}  // namespace kestrun
