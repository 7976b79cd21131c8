#include "design/implicit.h"

namespace design {

std::shared_ptr<fw::Window> ImplicitInstance(const fw::ClassInfo& info) {
  if (std::shared_ptr<fw::Window> existing = fw::GetImplicitWindow(info.fullName)) {
    return existing;
  }
  if (!info.newWindow) throw fw::RuntimeException(info.fullName + " is not a window class");
  std::shared_ptr<fw::Window> window = info.newWindow();
  window->Constructor();
  return window;
}

std::shared_ptr<fw::Window> ImplicitInstance(const std::string& fullName) {
  const fw::ClassInfo* info = fw::KnownClass(fullName);
  if (info == nullptr) throw fw::RuntimeException("unknown class " + fullName);
  return ImplicitInstance(*info);
}

}  // namespace design
