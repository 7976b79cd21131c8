#include "framework/run_state.h"

#include <utility>

namespace fw {

namespace {
RunState* g_kept = nullptr;

RunState& StaticRun() {
  static RunState state;
  return state;
}
}  // namespace

void RunState::Release() {
  // The lists are empty before the first window goes, so that nothing running meanwhile
  // finds a window half gone.
  implicit_windows.clear();
  std::vector<std::shared_ptr<Window>> going;
  going.swap(windows);
  going.clear();
  application.reset();
  loop.reset();
}

RunState& CurrentRun() {
  return g_kept != nullptr ? *g_kept : StaticRun();
}

RunState* KeepRunIn(RunState* state) {
  return std::exchange(g_kept, state);
}

}  // namespace fw
