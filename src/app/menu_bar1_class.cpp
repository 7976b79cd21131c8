#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/menu_bar1.h"
#include "design/class_decl.h"

namespace app {

namespace {
design::DeclarationSlot g_declaration;
}  // namespace

MenuBar1::ImplicitInstance MenuBar1::_implicitInstance;

void MenuBar1::ImplicitInstance::Exit() {
  std::shared_ptr<MenuBar1> held = std::exchange(instance_, nullptr);
  held.reset();
}

void MenuBar1::ctblinit() {
  g_declaration.Build([] {
    const fw::ClassInfo& base = fw::MenuBarClass();
    fw::ClassInfo info =
        design::DeclareClass("MenuBar1.MenuBar1", base,
                             {{"Constructor", "()"}, {"Untitled0", "()"}, {"Untitled1", "()"}});
    // The own Constructor takes the inherited constructor's slot instead of adding one.
    std::vector<std::string>& ops = info.operations;
    auto own = ops.begin() + static_cast<std::ptrdiff_t>(base.operations.size());
    if (std::find(ops.begin(), own, "Constructor") != own) {
      ops.erase(std::find(own, ops.end(), "Constructor"));
    }
    return info;
  });
}

const fw::ClassInfo& MenuBar1::Lookup() {
  ctblinit();
  return g_declaration.Get();
}

std::shared_ptr<class MenuBar1> MenuBar1() {
  if (const std::shared_ptr<class MenuBar1>& existing = MenuBar1::_implicitInstance.Get()) {
    return existing;
  }
  MenuBar1::Lookup();
  auto bar = std::make_shared<class MenuBar1>();
  bar->Constructor();
  MenuBar1::_implicitInstance.Set(bar);
  return bar;
}

}  // namespace app
