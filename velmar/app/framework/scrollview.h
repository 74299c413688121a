// A view whose drawing surface has a fixed size of its own, larger or smaller
// than the window: scroll bars appear for a direction the window cannot hold.
#pragma once

#include <QAbstractScrollArea>
#include <QSize>

namespace velmar {

class Canvas;

class ScrollView : public QAbstractScrollArea {
 public:
  explicit ScrollView(QWidget* parent = nullptr);

  // One logical unit per pixel.
  void SetScrollSizes(QSize total, QSize page, QSize line);
  QSize TotalSize() const { return total_; }
  QSize PageSize() const { return page_; }
  QSize LineSize() const { return line_; }
  QPoint ScrollPosition() const;

 protected:
  // Draws in surface coordinates: (0, 0) is the surface's top left corner.
  virtual void OnDraw(Canvas& canvas) = 0;

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateBars();

  QSize total_;
  QSize page_;
  QSize line_{10, 10};
};

}  // namespace velmar
