#include "framework/dialogunits.h"

#include <QFont>
#include <QFontMetrics>

namespace velmar {

namespace {

int MulDivRounded(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  const long long rounded =
      product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
  return static_cast<int>(rounded);
}

}  // namespace

int DialogXToPixels(int dluX, const DialogBaseUnits& units) {
  return MulDivRounded(dluX, units.baseX, 4);
}

int DialogYToPixels(int dluY, const DialogBaseUnits& units) {
  return MulDivRounded(dluY, units.charHeight, 8);
}

int AverageCharWidth(int alphabetWidth) { return (alphabetWidth / 26 + 1) / 2; }

DialogBaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int alphabet = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return DialogBaseUnits{AverageCharWidth(alphabet), metrics.height()};
}

DialogUnits::DialogUnits(const QFont& font) : units_(BaseUnitsOf(font)) {}

QRect DialogUnits::ToPixels(int x, int y, int width, int height) const {
  // Position and size are converted each on its own, as the template loader
  // does, so a control keeps the size its template gives wherever it sits.
  return QRect(DialogXToPixels(x, units_), DialogYToPixels(y, units_),
               DialogXToPixels(width, units_), DialogYToPixels(height, units_));
}

QSize DialogUnits::ToPixels(int width, int height) const {
  return QSize(DialogXToPixels(width, units_), DialogYToPixels(height, units_));
}

QFont DialogFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSize(8);
  return font;
}

}  // namespace velmar
