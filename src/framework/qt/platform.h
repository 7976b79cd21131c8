#pragma once

#include <memory>

#include "framework/qt/guarded_application.h"
#include "framework/qt/peer_factory.h"
#include "framework/run_state.h"

namespace fw::qt {

// The Qt platform under the framework: the QApplication (Fusion style, a CJK application
// font, every pointer motion delivered unmerged), the peer factory, the event loop and the
// picture decoder. One per process, made on main's stack: it keeps the framework's run
// (windows, application object, loop), which a process exit then never tears down while
// Qt and the widgets still live.
class Platform {
 public:
  // Raises std::runtime_error if Qt keeps merging pointer motion events.
  Platform(int& argc, char** argv);
  ~Platform();
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;

  // Installs the peer factory, a fresh event loop and the picture decoder into the
  // framework (the constructor does so; a test that reset the framework does it again).
  void Install();
  // Takes them out again; the framework runs headless afterwards.
  void Uninstall();

  GuardedApplication& Application() { return *app_; }
  QtPeerFactory& Factory() { return factory_; }

  // The constructed platform, or nullptr.
  static Platform* Current();

 private:
  std::unique_ptr<GuardedApplication> app_;
  QtPeerFactory factory_;
  RunState run_;
};

}  // namespace fw::qt
