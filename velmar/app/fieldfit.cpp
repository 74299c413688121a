#include "fieldfit.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace {

// The line edit keeps this many pixels free at each side of its text, and one
// more for the cursor behind the last character.
constexpr int kLineEditTextMargin = 2;
constexpr int kCursorWidth = 1;
constexpr int kSmallestPointSize = 6;

int WidestNumber(const QFont& font, int digits) {
  const QFontMetrics metrics(font);
  int widest = 0;
  // Every digit in every place: the glyphs of a proportional face differ.
  for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
    widest = std::max(widest, metrics.horizontalAdvance(QString(digits, QChar(digit))));
  }
  return widest;
}

}  // namespace

int FieldTextRoom(const QLineEdit& field) {
  QStyleOptionFrame option;
  option.initFrom(&field);
  option.rect = field.rect();
  option.lineWidth = field.hasFrame()
                         ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field)
                         : 0;
  option.state |= QStyle::State_Sunken;
  const QRect contents =
      field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
  const QMargins margins = field.textMargins();
  return contents.width() - margins.left() - margins.right() - 2 * kLineEditTextMargin -
         kCursorWidth;
}

QFont FontFittingDigits(QFont font, int room, int digits) {
  const auto fits = [&](const QFont& f) { return WidestNumber(f, digits) <= room; };
  if (fits(font)) return font;
  const int initialStretch = font.stretch() > 0 ? font.stretch() : int{QFont::Unstretched};
  for (int stretch = initialStretch; stretch >= QFont::Condensed; stretch -= 3) {
    font.setStretch(stretch);
    if (fits(font)) return font;
  }
  font.setStretch(QFont::Condensed);
  while (font.pointSizeF() > kSmallestPointSize && !fits(font))
    font.setPointSizeF(font.pointSizeF() - 0.5);
  return font;
}
