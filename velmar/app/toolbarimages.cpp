#include "toolbarimages.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <cmath>

#include "resources.h"

namespace {

// The sixteen-colour palette the images keep to.
const QColor kInk(0, 0, 0);
const QColor kPaper(255, 255, 255);
const QColor kShade(128, 128, 128);
const QColor kFolder(255, 255, 0);
const QColor kNavy(0, 0, 128);
const QColor kTeal(0, 128, 128);

void DrawPage(QPainter& p, int left, int top, int width, int height) {
  const int right = left + width - 1;
  const int bottom = top + height - 1;
  p.setPen(kInk);
  p.setBrush(kPaper);
  p.drawPolygon(QPolygon({QPoint(left, top), QPoint(right - 3, top), QPoint(right, top + 3),
                          QPoint(right, bottom), QPoint(left, bottom)}));
  p.drawLine(right - 3, top, right - 3, top + 3);
  p.drawLine(right - 3, top + 3, right, top + 3);
}

void DrawNew(QPainter& p) { DrawPage(p, 3, 1, 10, 13); }

void DrawOpen(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(kFolder);
  p.drawPolygon(QPolygon({QPoint(1, 3), QPoint(5, 3), QPoint(6, 4), QPoint(11, 4), QPoint(11, 6),
                          QPoint(14, 6), QPoint(12, 13), QPoint(1, 13)}));
  p.setBrush(kShade);
  p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(14, 7), QPoint(12, 13), QPoint(1, 13)}));
}

void DrawSave(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(kNavy);
  p.drawRect(1, 1, 13, 13);
  p.setBrush(kPaper);
  p.drawRect(4, 1, 7, 5);
  p.setBrush(kShade);
  p.drawRect(4, 9, 7, 5);
}

void DrawCut(QPainter& p) {
  p.setPen(kInk);
  p.drawLine(5, 1, 9, 9);
  p.drawLine(10, 1, 6, 9);
  p.setBrush(Qt::NoBrush);
  p.setPen(kNavy);
  p.drawEllipse(2, 9, 4, 4);
  p.drawEllipse(9, 9, 4, 4);
}

void DrawCopy(QPainter& p) {
  DrawPage(p, 1, 1, 8, 10);
  DrawPage(p, 6, 4, 8, 10);
}

void DrawPaste(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(QColor(128, 128, 0));
  p.drawRect(1, 2, 10, 12);
  p.setBrush(kShade);
  p.drawRect(4, 1, 4, 2);
  DrawPage(p, 6, 5, 9, 10);
}

void DrawPrint(QPainter& p) {
  DrawPage(p, 4, 0, 8, 6);
  p.setPen(kInk);
  p.setBrush(QColor(192, 192, 192));
  p.drawRect(1, 6, 14, 6);
  p.setBrush(kPaper);
  p.drawRect(4, 10, 8, 4);
  p.setPen(QColor(0, 255, 0));
  p.drawPoint(13, 8);
}

void DrawAbout(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(QColor(255, 255, 128));
  p.drawEllipse(1, 0, 13, 12);
  p.drawLine(4, 11, 2, 14);
  QFont font = p.font();
  font.setPixelSize(10);
  font.setBold(true);
  p.setFont(font);
  p.setPen(kNavy);
  p.drawText(QRect(1, 0, 14, 13), Qt::AlignCenter, QStringLiteral("?"));
}

using Painter = void (*)(QPainter&);

Painter PainterFor(int commandId) {
  switch (commandId) {
    case velmar::ID_FILE_NEW:
      return DrawNew;
    case velmar::ID_FILE_OPEN:
      return DrawOpen;
    case velmar::ID_FILE_SAVE:
      return DrawSave;
    case velmar::ID_EDIT_CUT:
      return DrawCut;
    case velmar::ID_EDIT_COPY:
      return DrawCopy;
    case velmar::ID_EDIT_PASTE:
      return DrawPaste;
    case velmar::ID_FILE_PRINT:
      return DrawPrint;
    case velmar::ID_APP_ABOUT:
      return DrawAbout;
    default:
      return nullptr;
  }
}

QPixmap RingIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const int vertices = 8;
  const double radius = size * 0.42;
  const QPointF center(size / 2.0, size / 2.0);
  QPolygonF ring;
  for (int k = 0; k < vertices; ++k) {
    const double angle = k * 2.0 * M_PI / vertices;
    ring << center + QPointF(radius * std::sin(angle), -radius * std::cos(angle));
  }
  p.setPen(QPen(kTeal, size / 16.0));
  for (int k = 0; k < vertices; ++k) {
    p.drawLine(ring[k], ring[(k + 1) % vertices]);
    p.drawLine(ring[k], ring[(k + 3) % vertices]);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(kNavy);
  for (const QPointF& vertex : ring) p.drawEllipse(vertex, size / 14.0, size / 14.0);
  return pixmap;
}

bool TouchesInk(const QImage& image, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const QPoint neighbour(x + dx, y + dy);
      if (image.valid(neighbour) && qAlpha(image.pixel(neighbour)) > 0) return true;
    }
  }
  return false;
}

// The images outline their shapes in black for a light toolbar. A white rim
// around every drawn pixel keeps the outlines visible on a dark bar, and
// survives the style's greying of a disabled image, which keeps black black
// and white white; on a light bar the rim is all but invisible.
QImage WithLightRim(const QImage& drawn) {
  QImage result(drawn.size(), QImage::Format_ARGB32_Premultiplied);
  result.fill(Qt::transparent);
  for (int y = 0; y < drawn.height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) {
      if (TouchesInk(drawn, x, y)) result.setPixel(x, y, kPaper.rgba());
    }
  }
  QPainter p(&result);
  p.drawImage(0, 0, drawn);
  return result;
}

}  // namespace

QPixmap ToolbarImage(int commandId) {
  const Painter painter = PainterFor(commandId);
  if (painter == nullptr) return QPixmap();
  QImage image(kButtonImageWidth, kButtonImageHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  painter(p);
  p.end();
  return QPixmap::fromImage(WithLightRim(image));
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (int size : {16, 32, 48}) icon.addPixmap(RingIcon(size));
  return icon;
}
