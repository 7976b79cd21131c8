#pragma once

#include <memory>

#include "framework/peer.h"
#include "framework/runtime.h"

namespace fw::qt {

// Makes the Qt peer of every framework object: a top-level widget per window, a widget per
// control (a timer has none: the loop runs it), and the application's menu shortcuts.
class QtPeerFactory : public PeerFactory {
 public:
  std::unique_ptr<Peer> CreateWindowPeer(Window& window) override;
  std::unique_ptr<Peer> CreateControlPeer(Control& control) override;
  std::unique_ptr<Peer> CreateApplicationPeer(Application& application) override;

  // The application whose peer this factory made last, while that peer lives.
  Application* CurrentApplication() const { return application_; }
  void ApplicationGone(const Application& application);
  // The menu bar a window without one of its own takes its shortcuts from changed.
  void ApplicationMenuBarChanged();

 private:
  Application* application_ = nullptr;
};

}  // namespace fw::qt
