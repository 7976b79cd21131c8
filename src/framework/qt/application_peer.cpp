#include "framework/qt/application_peer.h"

#include "framework/qt/peer_factory.h"

namespace fw::qt {

ApplicationPeer::~ApplicationPeer() {
  factory_.ApplicationGone(application_);
}

void ApplicationPeer::Changed(Prop prop) {
  if (prop == Prop::MenuBar) factory_.ApplicationMenuBarChanged();
}

}  // namespace fw::qt
