#include "forms/controls.h"

#include <QPalette>

#include "core/contrast.h"

namespace kestrun {

namespace {

std::uint8_t Byte(int component) { return static_cast<std::uint8_t>(component); }

}  // namespace

Label::Label(QWidget* parent, const QString& caption, const QRect& rect, const LabelLook& look)
    : QLabel(caption, parent) {
  setGeometry(rect);
  QFont font = this->font();
  if (look.pixelHeight > 0) font.setPixelSize(look.pixelHeight);
  font.setBold(look.bold);
  font.setItalic(look.italic);
  setFont(font);
  if (look.colour.isValid()) {
    // A fixed colour was chosen for the light window it was designed on; on a
    // dark theme's window it is lightened until its letters read.
    QPalette palette = this->palette();
    const QColor ground = palette.color(QPalette::Window);
    const Rgb ink = ReadableOn(
        Rgb{Byte(look.colour.red()), Byte(look.colour.green()), Byte(look.colour.blue())},
        Rgb{Byte(ground.red()), Byte(ground.green()), Byte(ground.blue())}, kEnhancedContrast);
    palette.setColor(QPalette::WindowText, QColor(ink.r, ink.g, ink.b));
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
