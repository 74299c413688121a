// The circulant {N; 1, 3, 11, 13, 17} window: pick N, see the ring with its
// numbered vertices and chords, or go on to the D/AveD chart.
#pragma once

#include <QFrame>
#include <QPushButton>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/radiogroup.h"

namespace kestrun {

class TForm7 : public Form {
 public:
  TForm7();

  Label* Label1;
  QFrame* Bevel1;
  Image* Image1;
  QPushButton* Exit;  // "Назад"
  RadioGroup* RadioGroup1;
  QPushButton* Next;  // "График D/AveD"

  // Clears the selection and the picture and resets the generators; Label1
  // keeps the text of the last selection.
  void FormActivate() override;
  void RadioGroup1Click();
  void ExitClick();
  void NextClick();
};

}  // namespace kestrun
