#pragma once

#include <memory>
#include <string>
#include <utility>

#include "framework/peer.h"
#include "framework/prop.h"

namespace fw {

// Defines a stored property: `Name()` reads the field, `SetName(v)` stores it and reports
// the write to the trace and to the peer.
#define FW_PROPERTY(Type, Name, initial)                          \
 public:                                                          \
  const Type& Name() const { return Name##_; }                    \
  void Set##Name(Type value) { Write(Name##_, std::move(value), Prop::Name); } \
                                                                  \
 private:                                                         \
  Type Name##_ = initial;                                         \
                                                                  \
 public:

// The base of every framework object that has properties.
class Object {
 public:
  Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object() = default;

  Peer* GetPeer() const { return peer_.get(); }
  void SetPeer(std::unique_ptr<Peer> peer) { peer_ = std::move(peer); }
  void DropPeer() { peer_.reset(); }

 protected:
  template <class T>
  void Write(T& field, T value, Prop prop) {
    field = std::move(value);
    Changed(prop, field);
  }

  template <class T>
  void Changed(Prop prop, const T& value) {
    if (WriteTrace* trace = ActiveWriteTrace()) Record(*trace, prop, PropValue(value));
    if (peer_) peer_->Changed(prop);
  }

  // Who the trace names for this object.
  virtual std::string TraceWindow() const { return ""; }
  virtual std::string TraceControl() const { return ""; }

 private:
  void Record(WriteTrace& trace, Prop prop, const PropValue& value) const {
    trace.Record(TraceWindow(), TraceControl(), prop, value);
  }

  std::unique_ptr<Peer> peer_;
};

}  // namespace fw
