#pragma once

#include <functional>
#include <memory>
#include <string>
#include <typeinfo>
#include <utility>

#include "framework/types.h"

namespace fw {

class Control;

// False once Quit has been called: from then on no event reaches a handler.
bool EventsDelivered();

// The class-testing cast.
template <class T, class From>
T& Cast(From& object) {
  T* result = dynamic_cast<T*>(&object);
  if (result == nullptr) {
    throw IllegalCastException(std::string("not a ") + typeid(T).name());
  }
  return *result;
}

// One event of a control, bound at most once, to a handler that receives the control.
template <class Sig>
class Event;

template <class R, class... A>
class Event<R(A...)> {
 public:
  using Handler = std::function<R(Control&, A...)>;

  explicit Event(Control& owner) : owner_(owner) {}

  // The handler's signature text is kept for introspection.
  void Bind(std::string signature, Handler handler);
  bool IsBound() const { return static_cast<bool>(handler_); }
  const std::string& Signature() const { return signature_; }

  // Calls the handler; without one, or after Quit, nothing runs and the result is R{}.
  R Raise(A... args) const {
    if (!handler_ || !EventsDelivered()) return R();
    return handler_(owner_, args...);
  }

 private:
  Control& owner_;
  std::string signature_;
  Handler handler_;
};

// A delegate of a window's handler operation that holds the window weakly: once the window
// is gone, raising the event calls nothing.
template <class W, class C, class R, class... A>
std::function<R(Control&, A...)> MakeDelegate(const std::shared_ptr<W>& target,
                                              R (W::*method)(C&, A...)) {
  std::weak_ptr<W> weak = target;
  return [weak, method](Control& sender, A... args) -> R {
    std::shared_ptr<W> window = weak.lock();
    if (!window) return R();
    return ((*window).*method)(Cast<C>(sender), args...);
  };
}

}  // namespace fw
