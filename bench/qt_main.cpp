#include <QWidget>

#include "bench/program.h"
#include "bench/qt_delivery.h"
#include "bench/qt_floor.h"
#include "bench/table.h"
#include "framework/qt/control_peer.h"
#include "framework/qt/platform.h"

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
  QtPlatform(fw::qt::Platform& qt, bool deferred)
      : qt_(qt), deferred_(deferred), delivery_(deferred) {}
  const char* Name() const override {
    return deferred_ ? "Qt offscreen, drawing not timed" : "Qt offscreen";
  }
  bool Draws() const override { return true; }
  bool DefersRepaint() const override { return deferred_; }
  void Install() override { qt_.Install(); }

  void Move(fw::RectControl& control, fw::Int32 x, fw::Int32 y) override {
    delivery_.Move(WidgetOf(control), QPoint(x, y));
  }

  void Click(fw::PushButton& button, fw::Int32 x, fw::Int32 y) override {
    delivery_.Click(WidgetOf(button), QPoint(x, y));
  }

  void Settle() override { bench::SettleQt(); }

 private:
  static QWidget& WidgetOf(const fw::Control& control) {
    return *fw::Nil(fw::qt::PeerOf(control)).Widget();
  }

  fw::qt::Platform& qt_;
  bool deferred_;
  bench::QtDelivery delivery_;
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
  bench::AddFloorCases();
  bench::AddReadoutCases();
  bench::AddWindowCases();
  const int status = bench::RunAll(argc, argv);
  bench::EndProgram();
  return status;
}
