#include <algorithm>

#include "framework/controls.h"
#include "framework/event_loop.h"
#include "framework/run_state.h"

namespace fw {

void SetEventLoop(std::unique_ptr<EventLoop> loop) {
  CurrentRun().loop = std::move(loop);
}

EventLoop& Loop() {
  auto& loop = CurrentRun().loop;
  if (!loop) loop = std::make_unique<HeadlessLoop>();
  return *loop;
}

EventLoop* InstalledLoop() {
  return CurrentRun().loop.get();
}

HeadlessLoop* Headless() {
  return dynamic_cast<HeadlessLoop*>(&Loop());
}

void HeadlessLoop::Run() {
  std::size_t next = 0;
  while (!quit_ && next < queue_.size()) {
    auto event = std::move(queue_[next++]);
    event();
  }
  queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(next));
}

HeadlessLoop::Scheduled* HeadlessLoop::Find(const Timer& timer) {
  auto it = std::find_if(timers_.begin(), timers_.end(),
                         [&](const Scheduled& s) { return s.timer == &timer; });
  return it == timers_.end() ? nullptr : &*it;
}

const HeadlessLoop::Scheduled* HeadlessLoop::Find(const Timer& timer) const {
  return const_cast<HeadlessLoop*>(this)->Find(timer);
}

void HeadlessLoop::TimerChanged(Timer& timer) {
  Scheduled* s = Find(timer);
  if (timer.Mode() != kTimerModeMultiple || timer.Period() <= 0) {
    if (s) TimerGone(timer);
    return;
  }
  std::int64_t due = now_ + timer.Period();
  if (s) {
    s->due = due;
  } else {
    timers_.push_back({&timer, due});
  }
}

void HeadlessLoop::TimerGone(Timer& timer) {
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                               [&](const Scheduled& s) { return s.timer == &timer; }),
                timers_.end());
}

std::int64_t HeadlessLoop::NextTickIn(const Timer& timer) const {
  const Scheduled* s = Find(timer);
  return s ? s->due - now_ : -1;
}

void HeadlessLoop::Advance(std::int64_t ms) {
  const std::int64_t end = now_ + ms;
  while (!quit_) {
    auto earliest =
        std::min_element(timers_.begin(), timers_.end(),
                         [](const Scheduled& a, const Scheduled& b) { return a.due < b.due; });
    if (earliest == timers_.end() || earliest->due > end) break;
    Timer& timer = *earliest->timer;
    now_ = earliest->due;
    // The next interval starts now; a handler that writes Mode or Period replaces it.
    earliest->due = now_ + timer.Period();
    timer.Action.Raise();
  }
  if (!quit_) now_ = end;
}

}  // namespace fw
