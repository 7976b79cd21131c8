#include "framework/class_info.h"

#include <unordered_map>

namespace fw {

namespace {
ClassInfo Root(std::string name, const ClassInfo* base, std::vector<std::string> ownOps) {
  ClassInfo info;
  if (base) {
    info = DeriveClass(std::move(name), *base);
  } else {
    info.fullName = std::move(name);
  }
  for (auto& op : ownOps) info.operations.push_back(std::move(op));
  info.isPublic = true;
  return info;
}
}  // namespace


namespace {
std::unordered_map<std::string, const ClassInfo*>& Known() {
  static std::unordered_map<std::string, const ClassInfo*> known;
  return known;
}
}  // namespace

void MakeClassKnown(const ClassInfo& info) { Known()[info.fullName] = &info; }

const ClassInfo* KnownClass(const std::string& fullName) {
  auto it = Known().find(fullName);
  return it == Known().end() ? nullptr : it->second;
}

ClassInfo DeriveClass(std::string fullName, const ClassInfo& base) {
  ClassInfo info;
  info.fullName = std::move(fullName);
  info.base = &base;
  info.operations = base.operations;
  info.events = base.events;
  return info;
}

const ClassInfo& ObjectClass() {
  static const ClassInfo info = Root("Object", nullptr, {"Destructor"});
  return info;
}

const ClassInfo& WindowClass() {
  static const ClassInfo info =
      Root("Window", &ObjectClass(),
           {"Constructor", "Show", "ShowModal", "Hide", "Close", "Refresh", "SetFocus", "__New",
            "_AddControl", "_ControlByName", "Control", "ControlCount", "FocusNext",
            "FocusPrevious", "Maximize", "Minimize", "Restore"});
  return info;
}

const ClassInfo& ApplicationClass() {
  static const ClassInfo info =
      Root("Application", &ObjectClass(), {"Constructor", "Quit", "DoEvents", "Window",
                                           "WindowCount", "MenuBar"});
  return info;
}

const ClassInfo& TimerClass() {
  static const ClassInfo info = Root("Timer", &ObjectClass(), {"Constructor", "Reset"});
  return info;
}

const ClassInfo& MenuItemClass() {
  static const ClassInfo info =
      Root("MenuItem", &ObjectClass(),
           {"Constructor", "Append", "Child", "Count", "Item", "Insert", "Remove", "Close",
            "Clone", "Enable", "Disable", "Popup"});
  return info;
}

const ClassInfo& MenuBarClass() {
  static const ClassInfo info = Root("MenuBar", &MenuItemClass(), {});
  return info;
}

}  // namespace fw
