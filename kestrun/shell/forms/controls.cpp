#include "forms/controls.h"

#include <QPalette>

namespace kestrun {

Label::Label(QWidget* parent, const QString& caption, const QRect& rect, const LabelLook& look)
    : QLabel(caption, parent) {
  setGeometry(rect);
  QFont font = this->font();
  if (look.pixelHeight > 0) font.setPixelSize(look.pixelHeight);
  font.setBold(look.bold);
  font.setItalic(look.italic);
  setFont(font);
  if (look.colour.isValid()) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, look.colour);
    setPalette(palette);
  }
  if (!caption.isEmpty()) adjustSize();
}

void Label::SetCaption(const QString& caption) {
  setText(caption);
  adjustSize();
}

QPushButton* MakeButton(QWidget* parent, const QString& caption, const QRect& rect) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(rect);
  // Enter on the focused button presses it, as Space does: outside dialogs Qt
  // only does so for auto-default buttons.
  button->setAutoDefault(true);
  return button;
}

QFrame* MakeBevel(QWidget* parent, const QRect& rect) {
  auto* bevel = new QFrame(parent);
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(rect);
  return bevel;
}

void SetTabOrder(std::initializer_list<QWidget*> widgets) {
  QWidget* previous = nullptr;
  for (QWidget* widget : widgets) {
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

}  // namespace kestrun
