#include "screen_pointer.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QTest>
#include <cmath>

namespace qttest {

namespace {
// One clock for every event sent here, so that no two clicks make a double click.
ulong g_timestamp = 1'000'000;
}  // namespace

QPoint ScreenPointer::PixelOf(QPointF logical) const {
  return {static_cast<int>(std::floor(logical.x() * Ratio() + 0.5)),
          static_cast<int>(std::floor(logical.y() * Ratio() + 0.5))};
}

void ScreenPointer::MoveTo(QPoint pixel) {
  at_ = pixel;
  Send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
}

void ScreenPointer::Click() {
  Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
  Send(QEvent::MouseButtonRelease, Qt::NoButton, Qt::LeftButton);
  g_timestamp += 2 * static_cast<ulong>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

QWindow* ScreenPointer::WindowAt(QPoint& pixel) const {
  QWindow* window = window_;
  for (bool deeper = true; deeper;) {
    deeper = false;
    // The last child lies on top.
    const QObjectList& children = window->children();
    for (auto object = children.rbegin(); object != children.rend(); ++object) {
      if (!(*object)->isWindowType()) continue;
      auto* child = static_cast<QWindow*>(*object);
      // The platform scales and rounds a child window's logical geometry.
      const QPoint size = PixelOf(QPointF(child->width(), child->height()));
      const QRect native(PixelOf(child->position()), QSize(size.x(), size.y()));
      if (!child->isVisible() || !native.contains(pixel)) continue;
      pixel -= native.topLeft();
      window = child;
      deeper = true;
      break;
    }
  }
  return window;
}

void ScreenPointer::Send(QEvent::Type type, Qt::MouseButtons held, Qt::MouseButton button) {
  // Qt's entry for test input takes logical positions and scales them to the platform's
  // pixels before it hands them on as a platform's event.
  QPoint pixel = at_;
  QWindow* target = WindowAt(pixel);
  const QPointF local = QPointF(pixel) / Ratio();
  qt_handleMouseEvent(target, local, window_->mapToGlobal(QPointF(at_) / Ratio()), held, button,
                      type, Qt::NoModifier, static_cast<int>(++g_timestamp));
  QCoreApplication::processEvents();
}

}  // namespace qttest
