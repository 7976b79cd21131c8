#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/event_loop.h"
#include "framework/types.h"

namespace fw {

class Application;
class Window;

// What the framework keeps for one run: the course's flags, the application object, the event
// loop, and the open windows with the implicit-window registry.
//
// Where it lies decides what a process exit tears down. `exit` (Qt calls it when its display
// goes away) runs the destructors of static objects, but of nothing on the stack. A platform
// whose objects reach native ones keeps the run in an object of main's stack, so that no
// window is torn down under a platform that still lives; a headless run keeps it in static
// storage.
class RunState {
 public:
  RunState() = default;
  RunState(const RunState&) = delete;
  RunState& operator=(const RunState&) = delete;
  ~RunState() { Release(); }

  // Releases the windows, then the application object, then the loop, which the windows'
  // timers leave as they go.
  void Release();

  struct Course {
    ExceptionHelper helper = nullptr;
    bool quit = false;
    Int32 exit_code = 0;
    bool unhandled = false;
    std::string last_unhandled;
  };
  Course course;
  std::unique_ptr<EventLoop> loop;
  std::shared_ptr<Application> application;
  std::vector<std::shared_ptr<Window>> windows;
  std::unordered_map<std::string, std::weak_ptr<Window>> implicit_windows;
};

// The run's state: the one given to KeepRunIn, or the framework's static one.
RunState& CurrentRun();
// Keeps the run's state in `state` from now on; nullptr goes back to the static one. Nothing is
// moved between them. `state` must outlive its use. Gives the state kept before (nullptr: the
// static one).
RunState* KeepRunIn(RunState* state);

}  // namespace fw
