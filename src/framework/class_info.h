#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/types.h"

namespace fw {

class Window;

// An operation's record for introspection.
struct MemberRecord {
  std::string name;
  std::string signature;
  bool isPublic = true;
  bool hidden = false;
};

// The handlers of a window class's own events. An empty one runs nothing; an unhandled
// MouseDown counts as not handled.
struct WindowEventTable {
  std::function<void(Window&)> Layout;
  std::function<void(Window&)> CreateControls;
  std::function<void(Window&)> Open;
  std::function<bool(Window&, Int32, Int32)> MouseDown;
};

// The framework's record of a class: its full name, its base, its virtual operations in
// slot order, the records of its own operations, and (for window classes) its event table.
struct ClassInfo {
  std::string fullName;
  const ClassInfo* base = nullptr;
  std::vector<std::string> operations;
  std::vector<MemberRecord> members;
  WindowEventTable events;
  bool isPublic = false;
  // For window classes: makes a new window object of the class (CreateWindowObject).
  std::function<std::shared_ptr<Window>()> newWindow;
};

// The classes made known to the framework, found by their full name.
void MakeClassKnown(const ClassInfo& info);
const ClassInfo* KnownClass(const std::string& fullName);

// The framework's own classes, built on first use.
const ClassInfo& ObjectClass();
const ClassInfo& WindowClass();
const ClassInfo& ApplicationClass();
const ClassInfo& TimerClass();
const ClassInfo& MenuItemClass();
const ClassInfo& MenuBarClass();

// A new declaration derived from `base`: its operations and events to start with.
ClassInfo DeriveClass(std::string fullName, const ClassInfo& base);

}  // namespace fw
