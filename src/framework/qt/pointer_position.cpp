#include "framework/qt/pointer_position.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace fw::qt {

namespace {
// The last pointer position that its window received, in the window's logical units.
class PointerTrack : public QObject {
 public:
  explicit PointerTrack(QWindow& window) : QObject(&window) { window.installEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == parent() && IsPointerEvent(event->type())) {
      at_ = static_cast<QMouseEvent*>(event)->position();
      known_ = true;
    }
    return false;
  }

  // The kept position if Qt rounded `rounded`, a position in the same window's whole units,
  // from it; otherwise `rounded`.
  QPointF Unrounded(QPointF rounded) const {
    constexpr double kHalf = 0.5 + 1e-6;
    const bool same = known_ && std::abs(at_.x() - rounded.x()) <= kHalf &&
                      std::abs(at_.y() - rounded.y()) <= kHalf;
    return same ? at_ : rounded;
  }

 private:
  static bool IsPointerEvent(QEvent::Type type) {
    return type == QEvent::MouseMove || type == QEvent::MouseButtonPress ||
           type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick;
  }

  QPointF at_;
  bool known_ = false;
};

PointerTrack* TrackOf(const QWindow* window) {
  return window ? window->findChild<PointerTrack*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
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

void TrackPointer(QWindow& window) {
  if (TrackOf(&window) == nullptr) new PointerTrack(window);
}

ScreenPixels ScreenPixelPosition(const QWidget& widget, const QMouseEvent& event) {
  const QWidget* top = widget.window();
  const QWindow* handle = top->windowHandle();
  const double ratio = handle != nullptr ? handle->devicePixelRatio() : widget.devicePixelRatioF();
  // The widget's origin lies on a whole logical unit, which need not be a whole pixel (7 units
  // are 10.5 pixels at 1.5x): it and the pointer are both rounded in window coordinates, so
  // that the origin's share is the same for every event over the widget.
  const QPoint origin = widget.mapTo(top, QPoint(0, 0));
  QPointF inWindow = event.position() + QPointF(origin);
  if (const PointerTrack* track = TrackOf(handle)) inWindow = track->Unrounded(inWindow);
  return {Clamped(ToPixels(inWindow.x(), ratio) - ToPixels(origin.x(), ratio)),
          Clamped(ToPixels(inWindow.y(), ratio) - ToPixels(origin.y(), ratio))};
}

}  // namespace fw::qt
