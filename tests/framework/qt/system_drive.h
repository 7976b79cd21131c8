#pragma once

#include <QObject>
#include <QPoint>
#include <QWindow>
#include <functional>
#include <utility>
#include <vector>

#include "framework/framework.h"
#include "qt_fixture.h"

// Driving the real program's windows through Qt's window-system input, as the device would.
namespace qttest {

// Steps carried out one after another inside the running event loop, each after the given
// pause, so that the events of one step are handled before the next begins. Steps still
// pending when the script goes are dropped.
class Script {
 public:
  Script& Then(std::function<void()> step, int pauseMs = 0) {
    steps_.emplace_back(pauseMs, std::move(step));
    return *this;
  }
  // Schedules the first step; the loop runs them.
  void Start() { RunFrom(0); }
  bool Finished() const { return finished_; }

 private:
  void RunFrom(std::size_t index);

  std::vector<std::pair<int, std::function<void()>>> steps_;
  bool finished_ = false;
  QObject context_;
};

// Whole runs of the program, app::main() to its exit status, on the real widgets.
class ProgramRun : public QtTest {
 protected:
  void TearDown() override;
  // Runs the program with the script started inside its loop; a run that hangs is ended.
  fw::Int32 Run(Script& script, bool toTheEnd = true);
};

// The window registered under a class's full name; raises NilObjectException without one.
fw::Window& WindowNamed(const char* fullName);
QWindow* HandleNamed(const char* fullName);

// The device's read-out of `bits` over the start window's real "設　定" button: a click, then
// each step as one pointer move.
void ReadoutThroughButton(const std::vector<int>& bits);

// The settings window's description panel: a pointer move to `at` in its own pixels, and
// the device's presses as moves from the current position there.
class Panel {
 public:
  void MoveTo(QPoint at);
  void ShortPress() { Steps({{0, -3}, {0, 3}}); }
  void LongPress() { Steps({{-3, 0}, {3, 0}}); }
  QPoint At() const { return at_; }

 private:
  void Steps(const std::vector<QPoint>& steps);
  QPoint at_;
};

// Bits that carry hardware version 4.5 and leave the switch-on test clear.
std::vector<int> Version45Bits();

}  // namespace qttest
