#include "framework/qt/pointer_position.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "framework/qt/guarded_application.h"

namespace fw::qt {

namespace {
bool IsPointerEvent(QEvent::Type type) {
  return type == QEvent::MouseMove || type == QEvent::MouseButtonPress ||
         type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick;
}

// The widget whose native window is `window`: `widget` itself or one of its ancestors inside
// its top-level window, or nullptr. Qt delivers a widget's pointer events from that window.
const QWidget* HostOf(const QWidget& widget, const QWindow* window) {
  if (window == nullptr) return nullptr;
  for (const QWidget* w = &widget; w != nullptr; w = w->isWindow() ? nullptr : w->parentWidget()) {
    if (w->windowHandle() == window) return w;
  }
  return nullptr;
}

// A window coordinate in whole screen pixels. Qt's logical positions are the platform's whole
// pixels divided by the ratio, so the product lies within rounding error of a whole number.
double ToPixels(double logical, double ratio) {
  return std::floor(logical * ratio + 0.5);
}

Int32 Clamped(double pixels) {
  if (std::isnan(pixels)) return 0;
  return static_cast<Int32>(std::clamp(pixels, double{std::numeric_limits<Int32>::min()},
                                       double{std::numeric_limits<Int32>::max()}));
}
}  // namespace

void PointerTrack::Saw(QObject& receiver, const QEvent& event) {
  if (!receiver.isWindowType() || !IsPointerEvent(event.type())) return;
  window_ = static_cast<QWindow*>(&receiver);
  at_ = static_cast<const QMouseEvent&>(event).position();
}

QPointF PointerTrack::Unrounded(QPointF rounded) const {
  constexpr double kHalf = 0.5 + 1e-6;
  const bool same =
      std::abs(at_.x() - rounded.x()) <= kHalf && std::abs(at_.y() - rounded.y()) <= kHalf;
  return same ? at_ : rounded;
}

ScreenPixels PointerTrack::Position(const QWidget& widget, const QMouseEvent& event) const {
  // The window that delivered the event, or without a kept event from one, the top-level
  // window and the rounded position.
  const QWidget* host = HostOf(widget, window_);
  const bool kept = host != nullptr;
  if (!kept) host = widget.window();
  const QWindow* handle = host->windowHandle();
  const double ratio = handle != nullptr ? handle->devicePixelRatio() : widget.devicePixelRatioF();
  // The widget's origin lies on a whole logical unit, which need not be a whole pixel (7 units
  // are 10.5 pixels at 1.5x): it and the pointer are both rounded in the window's coordinates,
  // so that the origin's share is the same for every event over the widget.
  const QPoint origin = widget.mapTo(host, QPoint(0, 0));
  QPointF inWindow = event.position() + QPointF(origin);
  if (kept) inWindow = Unrounded(inWindow);
  return {Clamped(ToPixels(inWindow.x(), ratio) - ToPixels(origin.x(), ratio)),
          Clamped(ToPixels(inWindow.y(), ratio) - ToPixels(origin.y(), ratio))};
}

ScreenPixels ScreenPixelPosition(const QWidget& widget, const QMouseEvent& event) {
  if (const GuardedApplication* app = GuardedApplication::Instance()) {
    return app->Pointer().Position(widget, event);
  }
  return PointerTrack().Position(widget, event);
}

}  // namespace fw::qt
