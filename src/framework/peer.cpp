#include "framework/peer.h"

namespace fw {

namespace {
PeerFactory* g_factory = nullptr;
}

void SetPeerFactory(PeerFactory* factory) { g_factory = factory; }
PeerFactory* ActivePeerFactory() { return g_factory; }

}  // namespace fw
