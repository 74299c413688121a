// Small helpers for the plain controls the windows are made of: labels, push
// buttons, bevels, fonts and the tab order.
#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <initializer_list>

namespace kestrun {

struct LabelLook {
  int pixelHeight = 0;  // 0: the window's font size
  bool bold = false;
  bool italic = false;
  QColor colour;  // invalid: the window-text colour
};

// A label that sizes itself to its caption.
class Label : public QLabel {
 public:
  Label(QWidget* parent, const QString& caption, const QRect& rect, const LabelLook& look = {});
  void SetCaption(const QString& caption);
  QString Caption() const { return text(); }
};

QPushButton* MakeButton(QWidget* parent, const QString& caption, const QRect& rect);

// A lowered box frame around a drawing surface.
QFrame* MakeBevel(QWidget* parent, const QRect& rect);

// Tab moves through the widgets in the given order.
void SetTabOrder(std::initializer_list<QWidget*> widgets);

}  // namespace kestrun
