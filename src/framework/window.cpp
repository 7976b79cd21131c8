#include "framework/window.h"

#include <algorithm>

#include "framework/menu.h"
#include "framework/run_state.h"

namespace fw {

namespace {
// The framework holds every window from its creation until it is closed.
std::vector<std::shared_ptr<Window>>& WindowList() {
  return CurrentRun().windows;
}

std::unordered_map<std::string, std::weak_ptr<Window>>& ImplicitWindows() {
  return CurrentRun().implicit_windows;
}
}  // namespace

Window::~Window() {
  // Whatever drops the last reference, the platform lets go of the controls before they go.
  DropPeers();
  by_name_.clear();
  controls_.clear();
}

void Window::DropPeers() {
  // The window's own first: once it has let go, nothing that the going widgets set off in the
  // platform (a focus moving away from a hidden button) reaches this window.
  DropPeer();
  for (auto& control : controls_)
    control->DropPeer();
}

void Window::Created(const ClassInfo& info) {
  class_ = &info;
  WindowList().push_back(shared_from_this());
  ImplicitWindows()[info.fullName] = weak_from_this();
  if (PeerFactory* factory = ActivePeerFactory()) SetPeer(factory->CreateWindowPeer(*this));
}

void Window::Constructor() {
  const WindowEventTable& events = class_->events;
  if (events.Layout) events.Layout(*this);
  if (events.CreateControls) events.CreateControls(*this);
  if (events.Open) events.Open(*this);
}

void Window::Show() {
  SetVisible(true);
}

void Window::Hide() {
  SetVisible(false);
}

void Window::Close() {
  if (closed_) return;
  closed_ = true;
  std::shared_ptr<Window> keep = shared_from_this();
  auto it = ImplicitWindows().find(class_->fullName);
  if (it != ImplicitWindows().end() && it->second.lock() == keep) ImplicitWindows().erase(it);
  auto& list = WindowList();
  list.erase(std::remove(list.begin(), list.end(), keep), list.end());
  DropPeers();
}

void Window::AddControl(const std::string& name, std::unique_ptr<Control> control) {
  if (!control) throw NilObjectException("control " + name);
  if (by_name_.count(name) != 0) {
    throw RuntimeException("window " + class_->fullName + " already holds a control " + name);
  }
  Control& added = *control;
  added.Attach(*this, name);
  by_name_.emplace(name, &added);
  controls_.push_back(std::move(control));
  if (PeerFactory* factory = ActivePeerFactory()) added.SetPeer(factory->CreateControlPeer(added));
}

Control* Window::ControlByName(const std::string& name) const {
  auto it = by_name_.find(name);
  return it == by_name_.end() ? nullptr : it->second;
}

bool Window::RaiseMouseDown(Int32 x, Int32 y) {
  if (!EventsDelivered() || !class_->events.MouseDown) return false;
  return class_->events.MouseDown(*this, x, y);
}

void Window::SetMenuBar(std::shared_ptr<MenuBar> bar) {
  menu_bar_ = std::move(bar);
  Changed(Prop::MenuBar, menu_bar_ ? menu_bar_->Name() : std::string());
}

std::shared_ptr<Window> GetImplicitWindow(const std::string& fullName) {
  auto it = ImplicitWindows().find(fullName);
  return it == ImplicitWindows().end() ? nullptr : it->second.lock();
}

const std::vector<std::shared_ptr<Window>>& Windows() {
  return WindowList();
}

void ReleaseWindows() {
  ImplicitWindows().clear();
  std::vector<std::shared_ptr<Window>> windows;
  windows.swap(WindowList());
  for (auto& window : windows)
    window->DropPeers();
}

}  // namespace fw
