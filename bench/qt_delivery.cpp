#include "bench/qt_delivery.h"

#include <QCoreApplication>
#include <QTest>
#include <QWindow>

namespace bench {

void QtDelivery::Move(QWidget& widget, QPoint at) {
  Deliver(widget, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, at);
}

void QtDelivery::Click(QWidget& widget, QPoint at) {
  Deliver(widget, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, at);
  Deliver(widget, QEvent::MouseButtonRelease, Qt::NoButton, Qt::LeftButton, at);
}

void QtDelivery::Deliver(QWidget& widget, QEvent::Type type, Qt::MouseButtons held,
                         Qt::MouseButton button, QPoint at) {
  QWindow* window = widget.window()->windowHandle();
  const QPoint local = widget.mapTo(widget.window(), at);
  // Far enough apart that no two presses make a double click.
  timestamp_ += type == QEvent::MouseMove ? 1 : 1000;
  qt_handleMouseEvent(window, local, window->mapToGlobal(local), held, button, type, Qt::NoModifier,
                      timestamp_);
  if (!deferred_) QCoreApplication::processEvents();
}

void SettleQt() {
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace bench
