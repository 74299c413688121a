#include "forms/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QPalette>
#include <QPointer>

#include "forms/program.h"

namespace kestrun {
namespace {

// The window of the program that had the focus last. Only forms count: the
// focus that goes to another application, a message box or a dialog and comes
// back is no move between the program's windows.
QPointer<Form>& LastActiveForm() {
  static QPointer<Form> form;
  return form;
}

}  // namespace

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
  if (!isVisible() || !isActiveWindow()) shown_ = true;
  show();
  FitOuterRect();
  raise();
  activateWindow();
  // The platform reports activation later, or not at all without a window
  // manager; making it active here runs FormActivate now, and the platform's
  // own report then finds the window already active and changes nothing.
  QApplication::setActiveWindow(this);
  // Hidden and shown again while it stayed the active window: no activation
  // was reported, yet the window was shown by the program.
  if (shown_ && isActiveWindow() && TakeActivation()) FormActivate();
}

bool Form::TakeActivation() {
  // A hidden window cannot have been clicked into: a late report for a window
  // that a button has just hidden is no visit.
  if (!isVisible()) return false;
  const bool visit = shown_ || LastActiveForm() != this;
  shown_ = false;
  LastActiveForm() = this;
  return visit;
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
      if (TakeActivation()) FormActivate();
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
