#pragma once

#include <memory>
#include <string>

#include "framework/framework.h"

namespace design {

// The accessor of a window class's implicit instance: the window registered under the
// class's full name, or else a new one, built and opened before it is returned. The window
// is registered from the start of its construction, so a reference made while it is being
// built (in its Open handler) gives the window being built.
std::shared_ptr<fw::Window> ImplicitInstance(const fw::ClassInfo& info);

// The same accessor for a class known only by its full name. This lets one window module
// reach the other window without linking the other's code; it raises RuntimeException if
// no such class has been made known.
std::shared_ptr<fw::Window> ImplicitInstance(const std::string& fullName);

// The typed accessor: the implicit instance cast to W with the class-testing cast.
template <class W>
std::shared_ptr<W> ImplicitInstanceOf(const fw::ClassInfo& info) {
  std::shared_ptr<fw::Window> window = ImplicitInstance(info);
  fw::Cast<W>(*window);
  return std::static_pointer_cast<W>(window);
}

}  // namespace design
