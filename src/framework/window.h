#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/class_info.h"
#include "framework/controls.h"
#include "framework/object.h"

namespace fw {

class MenuBar;

// A window: its design properties, its control registry and its events. Windows are made
// only by CreateWindowObject and held by the framework until they are closed.
class Window : public Object, public std::enable_shared_from_this<Window> {
 public:
  Window() = default;
  ~Window() override;

  const ClassInfo& Class() const { return *class_; }

  // Builds the window: raises Layout and CreateControls, then Open.
  void Constructor();

  // Shows the window (also one already shown, which is brought to the front).
  void Show();
  void Hide();
  // Closes the window: it leaves the framework's lists and its implicit-window entry, its
  // peer goes, and once the last reference is dropped its controls go with it.
  void Close();
  bool IsClosed() const { return closed_; }
  // The platform lets go of the window and its controls; they go on headless.
  void DropPeers();

  // A new control object of the given class, not yet registered.
  template <class T>
  std::unique_ptr<T> New() const {
    return std::make_unique<T>();
  }
  // Registers a control under its name; names are unique within one window.
  void AddControl(const std::string& name, std::unique_ptr<Control> control);
  // The control registered under the name, or nullptr.
  Control* ControlByName(const std::string& name) const;
  // The controls in the order of their registration.
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

  // Registry lookup with the class-testing cast, as the generated getters do.
  template <class T>
  Ref<T> Get(const std::string& name) const {
    Control* control = ControlByName(name);
    if (control == nullptr) return nullptr;
    return &Cast<T>(*control);
  }

  // The user clicked on the window's own background.
  bool RaiseMouseDown(Int32 x, Int32 y);

  const std::shared_ptr<MenuBar>& GetMenuBar() const { return menu_bar_; }
  void SetMenuBar(std::shared_ptr<MenuBar> bar);

  FW_PROPERTY(Int32, Placement, 0)
  FW_PROPERTY(Int32, Width, 300)
  FW_PROPERTY(Int32, Height, 300)
  FW_PROPERTY(Int32, MinWidth, 64)
  FW_PROPERTY(Int32, MinHeight, 64)
  FW_PROPERTY(Int32, MaxWidth, 32000)
  FW_PROPERTY(Int32, MaxHeight, 32000)
  FW_PROPERTY(Int32, Frame, 0)
  FW_PROPERTY(bool, Composite, false)
  FW_PROPERTY(bool, HasBackColor, false)
  FW_PROPERTY(Color, BackColor, (Color{255, 255, 255}))
  FW_PROPERTY(std::string, Title, "")
  FW_PROPERTY(bool, Visible, false)
  FW_PROPERTY(bool, FullScreen, false)
  FW_PROPERTY(bool, MenuBarVisible, true)
  FW_PROPERTY(bool, CloseButton, true)
  FW_PROPERTY(bool, Resizeable, false)
  FW_PROPERTY(bool, LiveResize, false)
  FW_PROPERTY(bool, MaximizeButton, false)
  FW_PROPERTY(bool, MinimizeButton, false)
  FW_PROPERTY(Int32, MacProcId, 0)

 protected:
  std::string TraceWindow() const override { return class_->fullName; }

 private:
  template <class W>
  friend std::shared_ptr<W> CreateWindowObject(const ClassInfo& info);
  void Created(const ClassInfo& info);

  const ClassInfo* class_ = &WindowClass();
  std::vector<std::unique_ptr<Control>> controls_;
  std::unordered_map<std::string, Control*> by_name_;
  std::shared_ptr<MenuBar> menu_bar_;
  bool closed_ = false;
};

// Creates a window object of class W and enters it in the framework's window list and in
// the implicit-window registry under the class's full name, before it is built.
template <class W>
std::shared_ptr<W> CreateWindowObject(const ClassInfo& info) {
  auto window = std::make_shared<W>();
  window->Created(info);
  return window;
}

// The window registered under a class's full name, from its creation until it is closed.
std::shared_ptr<Window> GetImplicitWindow(const std::string& fullName);

// The open windows, in the order of their creation.
const std::vector<std::shared_ptr<Window>>& Windows();

// Module finalisation of the framework: empties the window lists and the implicit windows.
void ReleaseWindows();

}  // namespace fw
