// A long-lived window of the wizard: built once, hidden, and afterwards only
// shown and hidden by the buttons of the other windows.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

namespace kestrun {

class Form : public QWidget {
 public:
  // outer: Left, Top, Width, Height of the whole window, frame included.
  // Controls are placed in client pixels by the derived window.
  Form(const QString& caption, const QRect& outer);

  // Makes the window visible, brings it to the front and makes it the active
  // window; FormActivate has run when this returns (unless it already was
  // the active window).
  void Show();
  void Hide();

  // Closing the main window ends the program; closing any other only hides it.
  void SetMainWindow(bool main) { main_ = main; }
  bool IsMainWindow() const { return main_; }

  const QRect& OuterRect() const { return outer_; }

 protected:
  // Runs when a button of the program shows the window, and when the user
  // clicks into it after another window of the program had the focus; never
  // when the focus only comes back from another application, a message box or
  // a dialog.
  virtual void FormActivate() {}

  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FitOuterRect();
  // Decides whether this activation begins a visit of the window.
  bool TakeActivation();

  QRect outer_;
  bool main_ = false;
  bool fitted_ = false;
  bool shown_ = false;  // shown by the program, activation still to come
};

// The font every window and control uses: a sans face with Cyrillic glyphs,
// 11 pixels high.
QFont FormFont();

}  // namespace kestrun
