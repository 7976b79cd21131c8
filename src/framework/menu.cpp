#include "framework/menu.h"

#include "framework/event.h"
#include "framework/runtime.h"

namespace fw {

void MenuItem::Append(std::shared_ptr<MenuItem> item) {
  if (!item) throw NilObjectException("menu item");
  children_.push_back(std::move(item));
}

MenuItem* MenuItem::Child(const std::string& name) const {
  for (const auto& child : children_) {
    if (child->Name() == name) return child.get();
  }
  return nullptr;
}

bool QuitMenuAction() {
  Quit(0);
  return true;
}

bool QuitMenuItem::Action() { return QuitMenuAction(); }

bool ChooseMenuItem(MenuItem& item) {
  if (!EventsDelivered()) return false;
  return item.Action();
}

}  // namespace fw
