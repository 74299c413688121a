// Every window of the wizard, reachable from any handler so that it can show
// or hide any other. Set when the windows are created at start-up (FormSet);
// null before that and after the set is destroyed.
#pragma once

#include "forms/form.h"

namespace kestrun {

extern Form* Form1;  // topology type chooser, the main window
extern Form* Form2;  // binary hypercube
extern Form* Form3;  // its D/AveD chart
extern Form* Form5;  // generalized 3D cube
extern Form* Form6;  // its D/AveD chart
extern Form* Form7;  // circulant {N; 1, 3, 11, 13, 17}
extern Form* Form9;  // its D/AveD chart

// Hides `from` (if any), then shows `to` (if any): the way back and forth
// between windows everywhere except the first window's "Далее".
void SwitchForm(Form* from, Form* to);

}  // namespace kestrun
