#pragma once

#include <QEvent>
#include <QPoint>
#include <QWidget>

// Pointer events as QTest delivers them to a widget's window, less its wait for events:
// through Qt's window-system input, hit-testing and the widgets' event filters. After each
// event the loop runs once, which draws whatever the event changed; `deferred` leaves that
// drawing pending, for the caller to run when it chooses.
namespace bench {

class QtDelivery {
 public:
  explicit QtDelivery(bool deferred) : deferred_(deferred) {}

  // A pointer move with no button held, at `at` in the widget's own pixels.
  void Move(QWidget& widget, QPoint at);
  // A left click: press, then release.
  void Click(QWidget& widget, QPoint at);

 private:
  void Deliver(QWidget& widget, QEvent::Type type, Qt::MouseButtons held, Qt::MouseButton button,
               QPoint at);

  bool deferred_;
  int timestamp_ = 0;
};

// Runs whatever the loop has pending: layout, painting and deferred deletes.
void SettleQt();

}  // namespace bench
