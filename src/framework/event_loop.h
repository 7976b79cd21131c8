#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "framework/types.h"

namespace fw {

class Timer;

// The event loop behind the framework: runs until Quit and drives the timers.
class EventLoop {
 public:
  virtual ~EventLoop() = default;
  // Runs until Quit. Returns at once if Quit came before.
  virtual void Run() = 0;
  virtual void Quit() = 0;
  // The timer's Mode or Period was written: start a fresh interval, or stop it.
  virtual void TimerChanged(Timer& timer) = 0;
  // The timer is being destroyed.
  virtual void TimerGone(Timer& timer) = 0;
};

void SetEventLoop(std::unique_ptr<EventLoop> loop);
// The installed loop; a HeadlessLoop if none was installed.
EventLoop& Loop();
// The installed loop, or nullptr; makes none.
EventLoop* InstalledLoop();

// A loop without a platform: a virtual clock that moves only when told, and a queue of
// scripted events that Run works through.
class HeadlessLoop : public EventLoop {
 public:
  void Run() override;
  void Quit() override { quit_ = true; }
  void TimerChanged(Timer& timer) override;
  void TimerGone(Timer& timer) override;

  // A scripted event for Run, in order.
  void Post(std::function<void()> event) { queue_.push_back(std::move(event)); }
  // Moves the clock on by `ms`, firing every tick that falls due, in time order.
  void Advance(std::int64_t ms);
  std::int64_t Now() const { return now_; }
  bool QuitCalled() const { return quit_; }
  // Milliseconds until the timer's next tick, or -1 when it is stopped.
  std::int64_t NextTickIn(const Timer& timer) const;

 private:
  struct Scheduled {
    Timer* timer;
    std::int64_t due;
  };
  Scheduled* Find(const Timer& timer);
  const Scheduled* Find(const Timer& timer) const;

  std::vector<Scheduled> timers_;
  std::vector<std::function<void()>> queue_;
  std::int64_t now_ = 0;
  bool quit_ = false;
};

// The installed loop as a HeadlessLoop, or nullptr when another loop runs.
HeadlessLoop* Headless();

}  // namespace fw
