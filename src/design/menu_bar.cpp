#include "design/menu_bar.h"

namespace design {

namespace {
MenuBarAccessor& Installed() {
  static MenuBarAccessor accessor = nullptr;
  return accessor;
}
}  // namespace

void InstallMenuBarAccessor(MenuBarAccessor accessor) {
  Installed() = accessor;
}

std::shared_ptr<fw::MenuBar> MenuBar1() {
  MenuBarAccessor accessor = Installed();
  return accessor ? accessor() : nullptr;
}

}  // namespace design
