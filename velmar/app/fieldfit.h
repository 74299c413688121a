// Numbers in a one-line field at the size its template gives it. The dialog
// font's digits are wider than those of the font the templates were drawn
// with, so a field that must show a long number gets a narrower face.
#pragma once

#include <QFont>

class QLineEdit;

// Pixels a text may take in the field and still show whole, from its start,
// with the cursor after it.
int FieldTextRoom(const QLineEdit& field);

// `font` itself when every number of `digits` digits fits `room`; otherwise
// the same face narrowed (down to condensed), and only then smaller (down to
// 6 points), until they fit.
QFont FontFittingDigits(QFont font, int room, int digits);
