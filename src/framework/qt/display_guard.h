#pragma once

#include <QtGlobal>
#include <string>

namespace fw::qt {

// Covers the construction of the application object, while Qt sets up its platform. Qt ends
// with a fatal message (an abort, with advice to reinstall) when the X display cannot be
// reached then: none is set, no server answers, or the server went away during the set-up.
// While a guard lives, such a fatal message ends the process with one line of the program's
// own that names the display, and status 1. A fatal message while the display can be reached,
// and any fatal message once the guard is gone, still aborts.
class DisplayGuard {
 public:
  // `argc` and `argv` as the application object will get them.
  DisplayGuard(int argc, char** argv);
  ~DisplayGuard();
  DisplayGuard(const DisplayGuard&) = delete;
  DisplayGuard& operator=(const DisplayGuard&) = delete;

 private:
  bool active_ = false;
};

}  // namespace fw::qt
