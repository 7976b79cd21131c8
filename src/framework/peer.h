#pragma once

#include <memory>

#include "framework/prop.h"

namespace fw {

class Application;
class Control;
class Window;

// The platform side of one framework object: draws it and reports its input. The object
// keeps every property value; the peer reads back what changed.
class Peer {
 public:
  virtual ~Peer() = default;
  virtual void Changed(Prop prop) = 0;
};

// Makes the platform side of new objects. Without a factory the framework runs headless.
class PeerFactory {
 public:
  virtual ~PeerFactory() = default;
  virtual std::unique_ptr<Peer> CreateWindowPeer(Window& window) = 0;
  // Called when the control has been registered in its window.
  virtual std::unique_ptr<Peer> CreateControlPeer(Control& control) = 0;
  virtual std::unique_ptr<Peer> CreateApplicationPeer(Application& application) = 0;
};

void SetPeerFactory(PeerFactory* factory);
PeerFactory* ActivePeerFactory();

}  // namespace fw
