#pragma once

#include <QTimer>
#include <unordered_map>

#include "framework/event_loop.h"
#include "framework/qt/guarded_application.h"

namespace fw::qt {

// The framework's event loop on QApplication: Run is exec(), each running framework Timer is
// a QTimer. An exception kept by the application during the loop is raised again from Run.
class QtLoop : public EventLoop {
 public:
  explicit QtLoop(GuardedApplication& app) : app_(app) {}
  ~QtLoop() override;

  void Run() override;
  void Quit() override;
  void TimerChanged(Timer& timer) override;
  void TimerGone(Timer& timer) override;

  // The QTimer behind a framework timer, or nullptr when it never ran.
  const QTimer* TimerFor(const Timer& timer) const;

 private:
  GuardedApplication& app_;
  std::unordered_map<const Timer*, QTimer*> timers_;
};

}  // namespace fw::qt
