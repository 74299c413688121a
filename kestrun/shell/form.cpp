#include "form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QPalette>

#include "program.h"

namespace kestrun {

QFont FormFont() {
  // The condensed face comes closest to the narrow bitmap fonts the layouts
  // were measured with.
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setStretch(QFont::SemiCondensed);
  font.setPixelSize(11);
  return font;
}

Form::Form(const QString& caption, const QRect& outer) : outer_(outer) {
  setWindowTitle(caption);
  setFont(FormFont());
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  setPalette(palette);
  setAutoFillBackground(true);
  // Until a window manager tells us the frame's size, the client takes the
  // whole outer rectangle.
  setGeometry(outer);
  move(outer.topLeft());
}

void Form::Show() {
  show();
  FitOuterRect();
  raise();
  activateWindow();
  // The platform reports activation later, or not at all without a window
  // manager; making it active here runs FormActivate now, and the platform's
  // own report then finds the window already active and changes nothing.
  QApplication::setActiveWindow(this);
}

void Form::Hide() { hide(); }

void Form::FitOuterRect() {
  if (fitted_) return;
  const QRect frame = frameGeometry();
  const QRect client = geometry();
  if (frame == client) return;  // no frame (yet): nothing to take away
  fitted_ = true;
  resize(outer_.width() - (frame.width() - client.width()),
         outer_.height() - (frame.height() - client.height()));
  move(outer_.topLeft());
}

bool Form::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
      // A window manager reports its frame only after the window is mapped.
      if (isVisible()) FitOuterRect();
      break;
    case QEvent::WindowActivate:
      FitOuterRect();
      FormActivate();
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

void Form::closeEvent(QCloseEvent* event) {
  event->accept();
  if (main_) QuitProgram();
}

}  // namespace kestrun
