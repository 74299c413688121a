// Dialog templates are laid out in dialog units, which scale with the
// dialog's font: a quarter of the average character width across, an eighth
// of the character height down.
#pragma once

#include <QRect>

class QFont;

namespace velmar {

struct DialogBaseUnits {
  int baseX = 0;       // average character width in pixels
  int charHeight = 0;  // character height in pixels
};

// Rounds halves away from zero, as the template loader does.
int DialogXToPixels(int dluX, const DialogBaseUnits& units);
int DialogYToPixels(int dluY, const DialogBaseUnits& units);

// The average width comes from the 52 letters of the Latin alphabet, rounded
// to a whole pixel.
int AverageCharWidth(int alphabetWidth);

DialogBaseUnits BaseUnitsOf(const QFont& font);

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  explicit DialogUnits(DialogBaseUnits units) : units_(units) {}

  QRect ToPixels(int x, int y, int width, int height) const;
  QSize ToPixels(int width, int height) const;

 private:
  DialogBaseUnits units_;
};

// The sans font with Cyrillic glyphs at 8 points that the dialogs use.
QFont DialogFont();

}  // namespace velmar
