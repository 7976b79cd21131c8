#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "bench/program.h"
#include "bench/table.h"
#include "framework/qt/control_peer.h"
#include "framework/qt/platform.h"
#include "framework/qt/window_peer.h"

// The benchmarks with the Qt peers on the offscreen platform: every event goes through Qt's
// window-system input, hit-testing and the peers' event filters, and every property write
// on to a widget.
namespace {

// Each event is delivered as QTest delivers it, and the event loop then runs once, which
// draws whatever the event changed. With `deferred`, the loop does not run after the
// event: the drawing waits for Settle, where Qt merges it for many events, as its loop
// does when events come faster than it draws.
class QtPlatform : public bench::Platform {
 public:
  QtPlatform(fw::qt::Platform& qt, bool deferred) : qt_(qt), deferred_(deferred) {}
  const char* Name() const override {
    return deferred_ ? "Qt offscreen, drawing not timed" : "Qt offscreen";
  }
  bool Draws() const override { return true; }
  bool DefersRepaint() const override { return deferred_; }
  void Install() override { qt_.Install(); }

  void Move(fw::RectControl& control, fw::Int32 x, fw::Int32 y) override {
    Deliver(control, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, x, y);
  }

  void Click(fw::PushButton& button, fw::Int32 x, fw::Int32 y) override {
    Deliver(button, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, x, y);
    Deliver(button, QEvent::MouseButtonRelease, Qt::NoButton, Qt::LeftButton, x, y);
  }

  void Settle() override {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

 private:
  // What QTest::mouseMove and mouseClick do for a QWindow, less the wait for events.
  void Deliver(const fw::Control& control, QEvent::Type type, Qt::MouseButtons held,
               Qt::MouseButton button, fw::Int32 x, fw::Int32 y) {
    QWidget* widget = fw::Nil(fw::qt::PeerOf(control)).Widget();
    QWindow* window = widget->window()->windowHandle();
    const QPoint local = widget->mapTo(widget->window(), QPoint(x, y));
    // Far enough apart that no two presses make a double click.
    timestamp_ += type == QEvent::MouseMove ? 1 : 1000;
    qt_handleMouseEvent(window, local, window->mapToGlobal(local), held, button, type,
                        Qt::NoModifier, timestamp_);
    if (!deferred_) QCoreApplication::processEvents();
  }

  fw::qt::Platform& qt_;
  bool deferred_;
  int timestamp_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt takes its own options out of the arguments; the rest are the benchmark's.
  fw::qt::Platform qt(argc, argv);
  QtPlatform drawnEach(qt, false);
  QtPlatform drawnLater(qt, true);
  bench::Platform& drawn = drawnEach;
  bench::Platform& deferred = drawnLater;
  for (void (*add)() : {&bench::AddReadoutEventCase, &bench::AddPressCases}) {
    for (bench::Platform* platform : {&drawn, &deferred}) {
      bench::SetPlatform(*platform);
      add();
    }
  }
  bench::SetPlatform(drawn);
  bench::AddReadoutCases();
  bench::AddWindowCases();
  const int status = bench::RunAll(argc, argv);
  bench::EndProgram();
  return status;
}
