#include "framework/qt/peer_factory.h"

#include "framework/qt/application_peer.h"
#include "framework/qt/control_peer.h"
#include "framework/qt/window_peer.h"
#include "framework/window.h"

namespace fw::qt {

std::unique_ptr<Peer> QtPeerFactory::CreateWindowPeer(Window& window) {
  return std::make_unique<WindowPeer>(window, *this);
}

std::unique_ptr<Peer> QtPeerFactory::CreateControlPeer(Control& control) {
  return MakeControlPeer(control);
}

std::unique_ptr<Peer> QtPeerFactory::CreateApplicationPeer(Application& application) {
  application_ = &application;
  return std::make_unique<ApplicationPeer>(application, *this);
}

void QtPeerFactory::ApplicationGone(const Application& application) {
  if (application_ == &application) application_ = nullptr;
}

void QtPeerFactory::ApplicationMenuBarChanged() {
  for (const std::shared_ptr<Window>& window : Windows()) {
    if (auto* peer = dynamic_cast<WindowPeer*>(window->GetPeer())) peer->RefreshShortcuts();
  }
}

}  // namespace fw::qt
