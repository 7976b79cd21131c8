#pragma once

#include <memory>

#include "framework/framework.h"

namespace app {

// The application's menu bar: a File menu with the quit item and an Edit menu. Its content
// is fixed when it is built; no item has a handler of the system's own.
class MenuBar1 : public fw::MenuBar {
 public:
  // Builds the File menu, then the Edit menu.
  void Constructor();
  void Untitled0();
  void Untitled1();

  // The module-level reference to the one instance: empty until the accessor's first call.
  class ImplicitInstance {
   public:
    const std::shared_ptr<MenuBar1>& Get() const { return instance_; }
    void Set(std::shared_ptr<MenuBar1> instance) { instance_ = std::move(instance); }
    // Module finaliser: empties the reference, then drops the instance it held.
    void Exit();

   private:
    std::shared_ptr<MenuBar1> instance_;
  };
  static ImplicitInstance _implicitInstance;

  // The class declaration "MenuBar1.MenuBar1", built once.
  static void ctblinit();
  static const fw::ClassInfo& Lookup();
};

// The accessor of the implicit instance, named like its class: builds the bar on its first
// call and gives the same one at every call. If building fails nothing is stored, and the
// next call builds afresh.
std::shared_ptr<class MenuBar1> MenuBar1();

}  // namespace app
