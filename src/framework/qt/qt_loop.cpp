#include "framework/qt/qt_loop.h"

#include "framework/controls.h"
#include "framework/runtime.h"

namespace fw::qt {

namespace {
void RethrowKept(GuardedApplication& app) {
  if (std::exception_ptr error = app.TakeFailure()) std::rethrow_exception(error);
}
}  // namespace

QtLoop::~QtLoop() {
  for (auto& [timer, qtimer] : timers_)
    delete qtimer;
}

void QtLoop::Run() {
  RethrowKept(app_);
  // Qt forgets an exit() made before exec(): a Quit that came first ends the run here.
  if (QuitRequested()) return;
  app_.exec();
  RethrowKept(app_);
}

void QtLoop::Quit() {
  QCoreApplication::exit(0);
}

void QtLoop::TimerChanged(Timer& timer) {
  auto it = timers_.find(&timer);
  if (timer.Mode() != kTimerModeMultiple || timer.Period() <= 0) {
    if (it != timers_.end()) it->second->stop();
    return;
  }
  if (it == timers_.end()) {
    auto* qtimer = new QTimer();
    qtimer->setTimerType(Qt::PreciseTimer);
    QObject::connect(qtimer, &QTimer::timeout, qtimer,
                     [&timer] { Deliver([&timer] { timer.Action.Raise(); }); });
    it = timers_.emplace(&timer, qtimer).first;
  }
  // start() on a running timer starts a fresh interval from now.
  it->second->start(timer.Period());
}

void QtLoop::TimerGone(Timer& timer) {
  auto it = timers_.find(&timer);
  if (it == timers_.end()) return;
  QTimer* qtimer = it->second;
  timers_.erase(it);
  qtimer->stop();
  QObject::disconnect(qtimer, nullptr, nullptr, nullptr);
  // The timer may be going from inside its own tick.
  qtimer->deleteLater();
}

const QTimer* QtLoop::TimerFor(const Timer& timer) const {
  auto it = timers_.find(&timer);
  return it == timers_.end() ? nullptr : it->second;
}

}  // namespace fw::qt
