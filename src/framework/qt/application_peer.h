#pragma once

#include "framework/peer.h"
#include "framework/runtime.h"

namespace fw::qt {

class QtPeerFactory;

// The application's side: its menu bar serves every window that has none of its own.
class ApplicationPeer : public Peer {
 public:
  ApplicationPeer(Application& application, QtPeerFactory& factory)
      : application_(application), factory_(factory) {}
  ~ApplicationPeer() override;
  void Changed(Prop prop) override;

 private:
  Application& application_;
  QtPeerFactory& factory_;
};

}  // namespace fw::qt
