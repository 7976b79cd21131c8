#pragma once

#include <QPoint>
#include <QWindow>

namespace qttest {

// The pointer as a platform reports it: whole screen pixels of a window's content, handed to
// Qt's window-system input, which turns them into logical positions (fractional on a scaled
// screen) exactly as it does for the platform's own events. As a window system does, it sends
// each event to the innermost native child window under the pointer, in that window's pixels.
class ScreenPointer {
 public:
  explicit ScreenPointer(QWindow* window) : window_(window) {}

  void MoveTo(QPoint pixel);
  void MoveBy(QPoint step) { MoveTo(at_ + step); }
  // A left press and release where the pointer is.
  void Click();
  QPoint At() const { return at_; }

  // Screen pixels per logical unit of the window.
  double Ratio() const { return window_->devicePixelRatio(); }
  // The screen pixel on which a logical point of the window's content lies.
  QPoint PixelOf(QPointF logical) const;

 private:
  void Send(QEvent::Type type, Qt::MouseButtons held, Qt::MouseButton button);
  // The window under the pointer; `pixel` becomes the position in its own pixels.
  QWindow* WindowAt(QPoint& pixel) const;

  QWindow* window_;
  QPoint at_;
};

}  // namespace qttest
